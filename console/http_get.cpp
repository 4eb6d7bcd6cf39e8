#include "console/http_get.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <utility>

#include "common/win/codepage.h"
#include "console/core/url_parts.h"
#include "console/web_fetch.h"
#include "ui/app.h"

// Where the client reports the end of a call that it finished in the background, and the
// numbers and bytes such a call writes. The client may still report, and write, after the GET
// gave up at its deadline and closed its handles, so the GET and its request handle each hold
// a reference: the request's is given back by its last report, INTERNET_STATUS_HANDLE_CLOSING,
// and whichever goes last frees it.
class Completion {
 public:
  Completion() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  Completion(const Completion&) = delete;
  Completion& operator=(const Completion&) = delete;

  void AddRef() { refs_.fetch_add(1); }
  void Release() {
    if (refs_.fetch_sub(1) == 1) delete this;
  }

  HANDLE Event() const { return event_; }
  void Reset() {
    succeeded_ = false;
    ResetEvent(event_);
  }
  void Report(bool succeeded) {
    succeeded_ = succeeded;
    SetEvent(event_);
  }
  bool Succeeded() const { return succeeded_; }

  DWORD available = 0;
  DWORD got = 0;
  char chunk[HttpGet::kChunkSize + 1] = {};

 private:
  ~Completion() {
    if (event_) CloseHandle(event_);
  }

  HANDLE event_;
  std::atomic<long> refs_{1};
  std::atomic<bool> succeeded_{false};
};

namespace {

bool& AnyGetUnderWay() {
  static bool underWay = false;
  return underWay;
}

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
  // Only the request handle carries a context; the others report nothing of interest.
  auto* completion = reinterpret_cast<Completion*>(context);
  if (!completion) return;
  if (status == INTERNET_STATUS_REQUEST_COMPLETE && info && length >= sizeof(INTERNET_ASYNC_RESULT))
    completion->Report(static_cast<const INTERNET_ASYNC_RESULT*>(info)->dwResult != 0);
  else if (status == INTERNET_STATUS_HANDLE_CLOSING)
    completion->Release();
}

// Ours unless the system's limit is already shorter: each single wait of the client stays
// bounded on its own, too.
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

// Lets the window's messages through until the event is set: false when the deadline passed
// first or the program was asked to end meanwhile. A handler run here may hold the thread in a
// loop of its own (a message box, a menu held open) past the deadline: a report that came
// meanwhile counts, so only a call still unanswered at the deadline fails.
bool AwaitReport(HANDLE event, ULONGLONG deadline) {
  for (;;) {
    if (ui::ProcessMessages()) return false;
    if (WaitForSingleObject(event, 0) == WAIT_OBJECT_0) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    const DWORD wait = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 0x7FFFFFFF));
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(1, &event, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_FAILED) return false;
  }
}

}  // namespace

bool HttpGet::AnyUnderWay() {
  return AnyGetUnderWay();
}

HttpGet::HttpGet(const std::string& agent, DWORD deadlineMs)
    : deadline_(GetTickCount64() + deadlineMs) {
  if (AnyGetUnderWay()) return;
  AnyGetUnderWay() = mine_ = true;
  internet_ = InternetOpenW(SjisToWide(agent).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr,
                            nullptr, INTERNET_FLAG_ASYNC);
  if (!internet_) return;
  if (InternetSetStatusCallbackW(internet_, OnStatus) == INTERNET_INVALID_STATUS_CALLBACK) {
    InternetCloseHandle(internet_);
    internet_ = nullptr;
    return;
  }
  LimitWaits(internet_);
}

HttpGet::~HttpGet() {
  CloseRequest();
  if (internet_) InternetCloseHandle(internet_);
  if (mine_) AnyGetUnderWay() = false;
}

bool HttpGet::Open(const std::string& url, DWORD flags) {
  CloseRequest();
  console::UrlParts parts;
  if (!internet_ || !console::SplitUrl(url, parts)) return false;
  completion_ = new Completion;
  if (!completion_->Event()) return false;
  connection_ = InternetConnectW(internet_, SjisToWide(parts.host).c_str(), parts.port, nullptr,
                                 nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  if (!connection_) return false;
  LimitWaits(connection_);
  if (parts.secure) flags |= INTERNET_FLAG_SECURE;
  // Redirects are ours to judge: the client would follow one to plain http.
  flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
  completion_->AddRef();  // the request handle's
  request_ = HttpOpenRequestW(connection_, L"GET", SjisToWide(parts.object).c_str(), nullptr,
                              nullptr, nullptr, flags, reinterpret_cast<DWORD_PTR>(completion_));
  // Without a handle the client may or may not have reported a closing, so the handle's
  // reference is left as it is: a few bytes kept, on a failure only a lack of memory causes.
  if (!request_) return false;
  LimitWaits(request_);
  return true;
}

void HttpGet::CloseRequest() {
  if (request_) InternetCloseHandle(request_);
  if (connection_) InternetCloseHandle(connection_);
  request_ = connection_ = nullptr;
  if (completion_) completion_->Release();
  completion_ = nullptr;
}

HttpGet::Outcome HttpGet::Run(const std::function<BOOL()>& call) {
  if (gaveUp_ || !request_) return Outcome::kFailed;
  completion_->Reset();
  if (call()) return Outcome::kAtOnce;
  if (GetLastError() != ERROR_IO_PENDING) return Outcome::kFailed;
  if (!AwaitReport(completion_->Event(), deadline_)) {
    gaveUp_ = true;
    return Outcome::kFailed;
  }
  return completion_->Succeeded() ? Outcome::kReported : Outcome::kFailed;
}

bool HttpGet::Send(const std::string& url, DWORD flags, bool followRedirects) {
  std::string address = url;
  for (int redirects = 0;; ++redirects) {
    if (!Open(address, flags)) return false;
    const auto send = [this] { return HttpSendRequestW(request_, nullptr, 0, nullptr, 0); };
    if (Run(send) == Outcome::kFailed) return false;
    if (!followRedirects || !console::IsRedirectStatus(Status())) return true;
    if (redirects == kMaxRedirects) return false;
    const std::optional<std::string> next = console::SecureRedirectTarget(address, Location());
    if (!next) return false;
    address = *next;
  }
}

DWORD HttpGet::Status() const {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoW(request_, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                      nullptr))
    return 0;
  return status;
}

bool HttpGet::Succeeded() const {
  const DWORD status = Status();
  return status >= 200 && status < 300;
}

// Empty when there is none, or one too long or with characters Shift-JIS lacks: not followed.
std::string HttpGet::Location() const {
  wchar_t text[2048] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  if (!HttpQueryInfoW(request_, HTTP_QUERY_LOCATION, text, &size, nullptr)) return "";
  return WideToSjisExact(text).value_or("");
}

bool HttpGet::ContentLength(uint64_t& length) const {
  wchar_t text[kChunkSize / sizeof(wchar_t)] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  if (!HttpQueryInfoW(request_, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return false;
  length = 0;
  int digits = 0;
  for (const wchar_t* c = text; *c; ++c, ++digits) {
    if (*c < L'0' || *c > L'9' || digits >= 18) return false;
    length = length * 10 + static_cast<uint64_t>(*c - L'0');
  }
  return digits > 0;
}

bool HttpGet::Available(DWORD& available) {
  // A report says only that bytes have come; asking again counts them, and answers at once.
  for (;;) {
    Completion& completion = *completion_;
    const Outcome outcome =
        Run([&] { return InternetQueryDataAvailable(request_, &completion.available, 0, 0); });
    if (outcome == Outcome::kFailed) return false;
    if (outcome == Outcome::kAtOnce) {
      available = completion.available;
      return true;
    }
  }
}

bool HttpGet::ReadBody(uint64_t maxBytes,
                       const std::function<bool(char* chunk, DWORD size)>& take) {
  if (!request_) return false;
  uint64_t announced = 0;
  const bool lengthKnown = ContentLength(announced);
  if (lengthKnown && announced > maxBytes) return false;
  uint64_t total = 0;
  // Past the deadline only what had come by then still counts: the bytes there at the first
  // look after it, and then the end. A handler that held the thread past the deadline does not
  // throw away a body that came in time, and a server that sends without pause cannot hold
  // the fetch beyond it.
  std::optional<uint64_t> lateLimit;
  for (;;) {
    // However fast the bytes come, the window answers between chunks.
    if (ui::ProcessMessages()) return false;
    // Only what has come is read: a read asked for a whole chunk would wait for each of its
    // bytes.
    DWORD available = 0;
    if (!Available(available)) return false;
    if (available == 0) break;
    if (!lateLimit && GetTickCount64() >= deadline_) lateLimit = total + available;
    if (lateLimit && total >= *lateLimit) return false;
    Completion& completion = *completion_;
    const DWORD want = std::min(available, kChunkSize);
    completion.got = 0;
    if (Run([&] { return InternetReadFile(request_, completion.chunk, want, &completion.got); }) ==
        Outcome::kFailed)
      return false;
    if (completion.got == 0) break;
    total += completion.got;
    if (total > maxBytes || !take(completion.chunk, completion.got)) return false;
  }
  return !lengthKnown || total == announced;
}
