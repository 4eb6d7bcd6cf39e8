// The parts of a web address that a download connects with: the scheme decides the port and
// whether the request goes over TLS, and an explicit port wins.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace console {

struct UrlParts {
  bool secure = false;  // https: TLS on the connection
  uint16_t port = 80;
  std::string host;
  std::string object = "/";  // the path asked for, always starting with "/"
};

// False when the address has no "://", no host, a scheme other than http or https (any case),
// or a port that is not a number from 1 to 65535. An address without a path asks for "/".
bool SplitUrl(const std::string& url, UrlParts& parts);

// True when the address splits and goes over TLS (https, any case).
bool IsSecureUrl(const std::string& url);

// The answers that send a GET elsewhere: 301, 302, 303, 307 and 308.
bool IsRedirectStatus(uint32_t status);

// Where a redirect from `current` (an address that splits) leads: its Location resolved
// against `current` when relative, without its fragment. Empty unless the result goes over
// TLS, so that a redirect never takes a fetch out of https; also empty for a Location with
// blanks or control characters, or of a scheme without "//" (such as "mailto:").
std::optional<std::string> SecureRedirectTarget(const std::string& current,
                                                const std::string& location);

}  // namespace console
