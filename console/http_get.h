// One GET over the system's HTTP client in its asynchronous mode. The client looks up the
// name, connects, sends and receives on threads of its own; the window thread waits for each
// step with the window's messages let through, so timers, the monitor and the order buttons
// keep working. One deadline covers the whole GET, from the name lookup to the last byte: at
// it, or when the program is asked to end, the GET gives up and its handles are closed.
#pragma once

#include <windows.h>
// after windows.h
#include <wininet.h>

#include <cstdint>
#include <functional>
#include <string>

class Completion;

class HttpGet {
 public:
  // The read chunk: at most this many bytes are handed on at a time, with room for a NUL
  // after them.
  static constexpr DWORD kChunkSize = 1024;
  // The most redirects one GET answers.
  static constexpr int kMaxRedirects = 5;

  // Opens the internet handle with the agent; the deadline counts from here. Only one GET is
  // under way at a time: one asked for while another waits (from a timer or a click handled
  // meanwhile) fails at once, as an unreachable server does. The console's checks therefore
  // wait their turn (WebCheck).
  HttpGet(const std::string& agent, DWORD deadlineMs);
  ~HttpGet();
  HttpGet(const HttpGet&) = delete;
  HttpGet& operator=(const HttpGet&) = delete;

  // True from a GET's start to its end.
  static bool AnyUnderWay();

  // Connects, sends the request and waits for the head of the answer; true when the server
  // answered. The scheme and port of the URL are honoured, so https never goes out in plain
  // text. With followRedirects a redirect (301, 302, 303, 307, 308) is answered only when its
  // Location leads to https, at most kMaxRedirects times; any other redirect gives false.
  // Without it a redirect is an answer like any other.
  bool Send(const std::string& url, DWORD flags, bool followRedirects);

  // True when the answer is a success (2xx).
  bool Succeeded() const;

  // The Content-Length the server announced; false when it gave none (or no number).
  bool ContentLength(uint64_t& length) const;

  // Hands the body to `take` in chunks of up to kChunkSize bytes, with room for a NUL after
  // them. True when all of it came within the deadline and maxBytes: every read succeeded,
  // `take` took every chunk, and as many bytes arrived as the server announced (when it did).
  bool ReadBody(uint64_t maxBytes, const std::function<bool(char* chunk, DWORD size)>& take);

 private:
  enum class Outcome { kFailed, kAtOnce, kReported };

  bool Open(const std::string& url, DWORD flags);
  void CloseRequest();
  // Starts one call of the client and, when the client goes on with it in the background,
  // waits for its report.
  Outcome Run(const std::function<BOOL()>& call);
  // How many bytes of the body can be read without waiting; 0 at its end.
  bool Available(DWORD& available);
  DWORD Status() const;
  std::string Location() const;

  bool mine_ = false;    // this GET holds the turn
  bool gaveUp_ = false;  // a call did not end in time: the handles only wait to be closed
  ULONGLONG deadline_;
  HINTERNET internet_ = nullptr;
  HINTERNET connection_ = nullptr;
  HINTERNET request_ = nullptr;
  Completion* completion_ = nullptr;  // shared with request_ (see http_get.cpp)
};
