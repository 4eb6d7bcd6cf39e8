#include "console/web_fetch.h"

#include <wininet.h>

#include <cstdint>
#include <functional>
#include <utility>

#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/core/url_parts.h"
#include "console/startup_files.h"
#include "ui/app.h"

namespace {

constexpr DWORD kChunkSize = 1024;
// Neither a list nor a download is ever taken from the system's cache, nor left in it: the
// update archive has one address for every version, and a stale copy would bring back the old.
constexpr DWORD kFromServerOnly = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;

// What a body may cost: past the deadline (a tick count) or beyond maxBytes the read fails as a
// body cut short does.
struct BodyLimits {
  ULONGLONG deadline;
  uint64_t maxBytes;
};

BodyLimits LimitsFor(DWORD deadlineMs, uint64_t maxBytes) {
  return {GetTickCount64() + deadlineMs, maxBytes};
}

WebSite& Site() {
  static WebSite site;
  return site;
}

bool IsSuccess(DWORD status) {
  return status >= 200 && status < 300;
}

// Ours unless the system's limit is already shorter: a server that never answers must not
// freeze the window for good.
void LimitWaits(HINTERNET handle) {
  const WebSite& site = CurrentWebSite();
  const std::pair<DWORD, DWORD> limits[] = {
      {INTERNET_OPTION_CONNECT_TIMEOUT, site.connectTimeoutMs},
      {INTERNET_OPTION_SEND_TIMEOUT, site.sendTimeoutMs},
      {INTERNET_OPTION_RECEIVE_TIMEOUT, site.receiveTimeoutMs},
  };
  for (auto [option, limit] : limits) {
    DWORD current = 0;
    DWORD size = sizeof current;
    if (InternetQueryOptionW(handle, option, &current, &size) && current != 0 && current <= limit)
      continue;
    InternetSetOptionW(handle, option, &limit, sizeof limit);
  }
}

// One GET: the internet handle, the connection and the request, closed in reverse order when
// it goes. The scheme and port of the URL are honoured, so https never goes out in plain text.
class HttpGet {
 public:
  explicit HttpGet(const std::string& agent) {
    internet_ =
        InternetOpenW(SjisToWide(agent).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (internet_) LimitWaits(internet_);
  }
  ~HttpGet() {
    InternetCloseHandle(request_);
    InternetCloseHandle(connection_);
    InternetCloseHandle(internet_);
  }
  HttpGet(const HttpGet&) = delete;
  HttpGet& operator=(const HttpGet&) = delete;

  // Connects, opens the request and sends it; true when the server answered.
  bool Send(const std::string& url, DWORD flags) {
    console::UrlParts parts;
    if (!internet_ || !console::SplitUrl(url, parts)) return false;
    connection_ = InternetConnectW(internet_, SjisToWide(parts.host).c_str(), parts.port, nullptr,
                                   nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    if (!connection_) return false;
    LimitWaits(connection_);
    if (parts.secure) flags |= INTERNET_FLAG_SECURE;
    request_ = HttpOpenRequestW(connection_, L"GET", SjisToWide(parts.object).c_str(), nullptr,
                                nullptr, nullptr, flags, 0);
    if (!request_) return false;
    LimitWaits(request_);
    return HttpSendRequestW(request_, nullptr, 0, nullptr, 0) != 0;
  }

  bool Succeeded() const {
    DWORD status = 0;
    DWORD size = sizeof status;
    return HttpQueryInfoW(request_, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                          nullptr) &&
           IsSuccess(status);
  }

  // The Content-Length the server announced; false when it gave none (or no number).
  bool ContentLength(uint64_t& length) const {
    wchar_t text[kChunkSize / sizeof(wchar_t)] = {};
    DWORD size = sizeof text;
    if (!HttpQueryInfoW(request_, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return false;
    length = 0;
    int digits = 0;
    for (const wchar_t* c = text; *c; ++c, ++digits) {
      if (*c < L'0' || *c > L'9' || digits >= 18) return false;
      length = length * 10 + static_cast<uint64_t>(*c - L'0');
    }
    return digits > 0;
  }

  // Hands the body to `take` in chunks of up to kChunkSize bytes, with room for a NUL after
  // them. True when all of it came within the limits: every read succeeded, `take` took every
  // chunk, and as many bytes arrived as the server announced (when it did).
  bool ReadBody(const BodyLimits& limits,
                const std::function<bool(char* chunk, DWORD size)>& take) {
    uint64_t announced = 0;
    const bool lengthKnown = ContentLength(announced);
    if (lengthKnown && announced > limits.maxBytes) return false;
    char chunk[kChunkSize + 1];
    uint64_t total = 0;
    for (;;) {
      if (GetTickCount64() > limits.deadline) return false;
      // Only what has come is read: a read asked for a whole chunk could wait for each of its
      // bytes, and a server that trickles them would never meet the deadline. Each wait for
      // the next bytes ends with the receive time-out.
      DWORD available = 0;
      if (!InternetQueryDataAvailable(request_, &available, 0, 0)) return false;
      if (available == 0) break;
      DWORD got = 0;
      if (!InternetReadFile(request_, chunk, available < kChunkSize ? available : kChunkSize, &got))
        return false;
      if (got == 0) break;
      total += got;
      if (total > limits.maxBytes || !take(chunk, got)) return false;
    }
    return !lengthKnown || total == announced;
  }

 private:
  HINTERNET internet_ = nullptr;
  HINTERNET connection_ = nullptr;
  HINTERNET request_ = nullptr;
};

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

  // No messages are let through during a download: the bar is repainted directly.
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
    HttpGet probe(kProbeAgent);
    reachable = probe.Send(SiteRoot() + "soft/", INTERNET_FLAG_RELOAD);
  }
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  return reachable;
}

std::string HttpGetText(const std::string& url, const std::string& agent) {
  const BodyLimits limits = LimitsFor(CurrentWebSite().listDeadlineMs, kServerListLimit);
  std::string text;
  {
    HttpGet get(agent);
    ui::ProcessMessages();
    if (get.Send(url, kFromServerOnly) && get.Succeeded()) {
      std::string body;
      // A body cut short is no list: the caller would take its last line for the whole.
      const bool whole = get.ReadBody(limits, [&body](char* chunk, DWORD size) {
        chunk[size] = '\0';
        body += chunk;
        ui::ProcessMessages();
        return true;
      });
      if (whole) text = std::move(body);
    }
  }
  ui::ProcessMessages();
  return text;
}

int DownloadFile(const std::string& targetPath, const std::string& url) {
  const BodyLimits limits = LimitsFor(CurrentWebSite().downloadDeadlineMs, UINT64_MAX);
  HttpGet get(kDownloadAgent);
  if (!get.Send(url, kFromServerOnly) || !get.Succeeded()) return -1;
  uint64_t announced = 0;
  DownloadBar bar(get.ContentLength(announced) ? announced : 0);

  EnsureFolder(common::PathPiece(1, "\\", targetPath));
  PartFile file(targetPath);
  bool written = file.Opened();
  const bool whole = written && get.ReadBody(limits, [&](char* chunk, DWORD size) {
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
