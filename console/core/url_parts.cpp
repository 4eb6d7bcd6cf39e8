#include "console/core/url_parts.h"

#include "common/text.h"

namespace console {

namespace {

// Digits only, 1 to 65535.
bool ReadPort(const std::string& text, uint16_t& port) {
  if (text.empty() || text.size() > 5) return false;
  uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<uint32_t>(c - '0');
  }
  if (value == 0 || value > 65535) return false;
  port = static_cast<uint16_t>(value);
  return true;
}

}  // namespace

bool SplitUrl(const std::string& url, UrlParts& parts) {
  if (url.find("://") == std::string::npos) return false;
  std::string rest = url;
  const std::string scheme = common::LowerAscii(common::CutBefore("://", rest));
  UrlParts split;
  if (scheme == "https") {
    split.secure = true;
    split.port = 443;
  } else if (scheme != "http") {
    // Anything else would go out as plain HTTP, whatever the address promised.
    return false;
  }
  std::string host = common::CutBefore("/", rest);
  split.object = "/" + rest;
  const size_t colon = host.rfind(':');
  if (colon != std::string::npos) {
    if (!ReadPort(host.substr(colon + 1), split.port)) return false;
    host.resize(colon);
  }
  if (host.empty()) return false;
  split.host = host;
  parts = split;
  return true;
}

bool IsSecureUrl(const std::string& url) {
  UrlParts parts;
  return SplitUrl(url, parts) && parts.secure;
}

bool IsRedirectStatus(uint32_t status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

std::optional<std::string> SecureRedirectTarget(const std::string& current,
                                                const std::string& location) {
  for (unsigned char c : location) {
    if (c <= 0x20 || c == 0x7F) return std::nullopt;
  }
  const std::string target = location.substr(0, location.find('#'));
  const size_t schemeEnd = current.find("://");
  if (target.empty() || schemeEnd == std::string::npos) return std::nullopt;
  // scheme://host[:port] of the current address, and its path without query or fragment.
  const size_t hostEnd = current.find_first_of("/?#", schemeEnd + 3);
  const std::string origin = current.substr(0, hostEnd);
  std::string path = "/";
  if (hostEnd != std::string::npos && current[hostEnd] == '/')
    path = current.substr(hostEnd, current.find_first_of("?#", hostEnd) - hostEnd);

  std::string resolved;
  const size_t mark = target.find_first_of(":/?");
  if (mark != std::string::npos && target[mark] == ':') {
    // A scheme of its own: only an address with "//" after it is one we can fetch.
    if (target.compare(mark, 3, "://") != 0) return std::nullopt;
    resolved = target;
  } else if (target.rfind("//", 0) == 0) {
    resolved = current.substr(0, schemeEnd + 1) + target;
  } else if (target[0] == '/') {
    resolved = origin + target;
  } else if (target[0] == '?') {
    resolved = origin + path + target;
  } else {
    resolved = origin + path.substr(0, path.rfind('/') + 1) + target;
  }
  if (!IsSecureUrl(resolved)) return std::nullopt;
  return resolved;
}

}  // namespace console
