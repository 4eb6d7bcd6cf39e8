#include "console/web_fetch.h"

#include <cstdint>
#include <utility>

#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/http_get.h"
#include "console/startup_files.h"
#include "ui/app.h"

namespace {

// Neither a list nor a download is ever taken from the system's cache, nor left in it: the
// update archive has one address for every version, and a stale copy would bring back the old.
constexpr DWORD kFromServerOnly = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
constexpr bool kFollowSecureRedirects = true;

WebSite& Site() {
  static WebSite site;
  return site;
}

// The probe waits for the head of an answer and nothing more: a connection within its limit
// and an answer within the receive limit.
DWORD ProbeDeadlineMs() {
  const WebSite& site = CurrentWebSite();
  return site.connectTimeoutMs + site.receiveTimeoutMs;
}

// The main window's bar, shown from the first byte to the end of a download.
class DownloadBar {
 public:
  explicit DownloadBar(uint64_t length) : bar_(conv ? &conv->ProgressBar1 : nullptr) {
    if (!bar_) return;
    bar_->Show();
    bar_->SetMax(static_cast<int>(length < 0x7FFFFFFF ? length : 0x7FFFFFFF));
    bar_->SetMin(0);
    bar_->SetStep(1);
    bar_->SetPosition(0);  // a second download starts from the left again
  }
  ~DownloadBar() {
    if (bar_) bar_->Hide();
  }
  DownloadBar(const DownloadBar&) = delete;
  DownloadBar& operator=(const DownloadBar&) = delete;

  // Repainted at once: a server that sends without pause leaves no wait to paint in.
  void Advance(DWORD bytes) {
    if (!bar_) return;
    bar_->StepBy(static_cast<int>(bytes));
    bar_->Repaint();
  }

 private:
  ui::ProgressBar* bar_;
};

// The new content of a target, written beside it and put in its place only when complete.
// Removed when it goes without having been put in place.
class PartFile {
 public:
  explicit PartFile(const std::string& target) : target_(SjisToWide(target)) {
    path_ = NewFileBeside(target_);
    if (path_.empty()) return;
    file_ = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ~PartFile() {
    Close();
    if (!path_.empty()) DeleteFileW(path_.c_str());
  }
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  bool Opened() const { return file_ != INVALID_HANDLE_VALUE; }

  bool Write(const char* data, DWORD size) {
    DWORD written = 0;
    return size == 0 || (WriteFile(file_, data, size, &written, nullptr) && written == size);
  }

  bool PutInPlace() {
    if (!Close() || !ReplaceFileBy(path_, target_)) return false;
    path_.clear();
    return true;
  }

 private:
  bool Close() {
    if (file_ == INVALID_HANDLE_VALUE) return true;
    const bool ok = CloseHandle(file_) != 0;
    file_ = INVALID_HANDLE_VALUE;
    return ok;
  }

  std::wstring target_;
  std::wstring path_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace

const WebSite& CurrentWebSite() {
  return Site();
}

WebSiteOverride::WebSiteOverride(WebSite site) : saved_(std::exchange(Site(), std::move(site))) {}

WebSiteOverride::~WebSiteOverride() {
  Site() = std::move(saved_);
}

std::string SiteRoot() {
  return CurrentWebSite().root;
}

bool IsSiteReachable() {
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  bool reachable = false;
  {
    // Any answer counts, a redirect too: nothing is fetched.
    HttpGet probe(kProbeAgent, ProbeDeadlineMs());
    reachable = probe.Send(SiteRoot() + "soft/", INTERNET_FLAG_RELOAD, !kFollowSecureRedirects);
  }
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  return reachable;
}

std::string HttpGetText(const std::string& url, const std::string& agent) {
  std::string text;
  {
    HttpGet get(agent, CurrentWebSite().listDeadlineMs);
    ui::ProcessMessages();
    if (get.Send(url, kFromServerOnly, kFollowSecureRedirects) && get.Succeeded()) {
      std::string body;
      // A body cut short is no list: the caller would take its last line for the whole.
      const bool whole = get.ReadBody(kServerListLimit, [&body](char* chunk, DWORD size) {
        chunk[size] = '\0';
        body += chunk;
        return true;
      });
      if (whole) text = std::move(body);
    }
  }
  ui::ProcessMessages();
  return text;
}

int DownloadFile(const std::string& targetPath, const std::string& url) {
  HttpGet get(kDownloadAgent, CurrentWebSite().downloadDeadlineMs);
  if (!get.Send(url, kFromServerOnly, kFollowSecureRedirects) || !get.Succeeded()) return -1;
  uint64_t announced = 0;
  DownloadBar bar(get.ContentLength(announced) ? announced : 0);

  EnsureFolder(common::PathPiece(1, "\\", targetPath));
  PartFile file(targetPath);
  bool written = file.Opened();
  const bool whole = written && get.ReadBody(UINT64_MAX, [&](char* chunk, DWORD size) {
    written = file.Write(chunk, size);
    if (written) bar.Advance(size);
    return written;
  });
  if (written && !whole) return -1;
  if (!written || !file.PutInPlace()) {
    ReportFileError();
    return -1;
  }
  return 0;
}
