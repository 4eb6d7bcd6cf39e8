// The console's link to its web server: a reachability probe, a text fetch and a file download
// over the system's HTTP client. Every call opens its own handles and closes them before it
// returns; nothing is cached between calls. All run on the window thread and return only when
// done, letting the window's messages through while they wait; one asked for while another
// waits fails at once (see HttpGet). A redirect is followed only to https.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "console/core/site_root.h"

// Agent names, one per use.
inline constexpr char kProbeAgent[] = "VQuorvexStd";          // IsSiteReachable
inline constexpr char kServerListAgent[] = "VQuorvexStdGet";  // Revision.txt and News.txt
inline constexpr char kDownloadAgent[] = "PlodaQuorvexGet";   // Version.txt and every download

// Where the server is and how long a call may wait for it. The system's own limits on each
// wait stay where they are shorter; the deadlines bound a whole fetch, from the name lookup to
// the last byte, however slowly the server trickles its answer. The probe's deadline is the
// connect limit plus the receive limit. Tests point the root at their own server and shorten
// the limits.
struct WebSite {
  std::string root = console::kSiteRoot;
  DWORD connectTimeoutMs = 15000;
  DWORD sendTimeoutMs = 30000;
  DWORD receiveTimeoutMs = 30000;
  DWORD listDeadlineMs = 60000;       // HttpGetText
  DWORD downloadDeadlineMs = 600000;  // DownloadFile
};

// The most a server list may hold: the longest one the console reads is a few lines.
inline constexpr size_t kServerListLimit = 64 * 1024;

const WebSite& CurrentWebSite();

// Replaces the web site for one scope (tests).
class WebSiteOverride {
 public:
  explicit WebSiteOverride(WebSite site);
  ~WebSiteOverride();
  WebSiteOverride(const WebSiteOverride&) = delete;
  WebSiteOverride& operator=(const WebSiteOverride&) = delete;

 private:
  WebSite saved_;
};

// The server's root address, ending in "/".
std::string SiteRoot();

// True when the server answers a request for its "soft/" folder within the probe's deadline,
// whatever the answer is (a redirect is not followed). Shows the hourglass meanwhile.
bool IsSiteReachable();

// The body of the answer to a GET of the URL (fetched from the server, never from a cache),
// each chunk of up to 1024 bytes taken up to its first NUL byte. Empty when the server cannot
// be reached or answers with anything but success (an error page is never taken for a server
// list) or a redirect to anything but https, and when the body is cut short, runs past the
// list deadline or holds more than kServerListLimit bytes.
std::string HttpGetText(const std::string& url, const std::string& agent);

// Downloads the URL (from the server, never from a cache) into the file at targetPath,
// creating its folder chain, with the main window's progress bar shown while it runs. The body
// goes into a new file beside the target and takes the target's place only when all of it
// arrived and was written: 0 then. -1 when the server cannot be reached, answers with anything
// but success or a redirect to anything but https, or the body is cut short or runs past the
// download deadline; the target then stays as it was. A target that cannot be written shows the
// "File Error" box and gives -1 as well.
int DownloadFile(const std::string& targetPath, const std::string& url);
