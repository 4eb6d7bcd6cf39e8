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

}  // namespace console
