#include "console/core/url_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using console::SplitUrl;
using console::UrlParts;

TEST(SplitUrl, SchemeChoosesPortAndTls) {
  UrlParts parts;
  ASSERT_TRUE(SplitUrl("https://www.quorvex.example/soft/download/UNLHA32.DLL", parts));
  EXPECT_TRUE(parts.secure);
  EXPECT_EQ(parts.port, 443);
  EXPECT_EQ(parts.host, "www.quorvex.example");
  EXPECT_EQ(parts.object, "/soft/download/UNLHA32.DLL");

  ASSERT_TRUE(SplitUrl("HTTP://host/a/b?c=1", parts));
  EXPECT_FALSE(parts.secure);
  EXPECT_EQ(parts.port, 80);
  EXPECT_EQ(parts.object, "/a/b?c=1");
}

TEST(SplitUrl, ExplicitPortAndMissingPath) {
  UrlParts parts;
  ASSERT_TRUE(SplitUrl("https://127.0.0.1:8443", parts));
  EXPECT_TRUE(parts.secure);
  EXPECT_EQ(parts.port, 8443);
  EXPECT_EQ(parts.host, "127.0.0.1");
  EXPECT_EQ(parts.object, "/");
  ASSERT_TRUE(SplitUrl("http://127.0.0.1:65535/x", parts));
  EXPECT_EQ(parts.port, 65535);
}

TEST(SplitUrl, RefusesWhatCannotBeFetchedAsAsked) {
  UrlParts parts;
  parts.host = "kept";
  for (const char* url : {"", "www.quorvex.example/soft/", "ftp://host/file", "://host/",
                          "http:///path", "http://host:/x", "http://host:0/x",
                          "http://host:65536/x", "http://host:8a/x", "http://:80/x"}) {
    EXPECT_FALSE(SplitUrl(url, parts)) << url;
  }
  EXPECT_EQ(parts.host, "kept");  // a refused address changes nothing
}

TEST(SplitUrl, SecureOnlyOverHttps) {
  EXPECT_TRUE(console::IsSecureUrl("https://host/a.lzh"));
  EXPECT_TRUE(console::IsSecureUrl("HttpS://host:8443/"));
  for (const char* url : {"http://host/a.lzh", "https:/host/a", "https://:443/a", "https://", ""})
    EXPECT_FALSE(console::IsSecureUrl(url)) << url;
}

TEST(SecureRedirectTarget, ResolvesAgainstTheCurrentAddress) {
  const std::string from = "https://www.quorvex.example:8443/soft/a/List.txt?x=1#top";
  const std::pair<const char*, const char*> cases[] = {
      {"https://mirror.example/b.lzh", "https://mirror.example/b.lzh"},
      {"HTTPS://mirror.example:9443", "HTTPS://mirror.example:9443"},
      {"//mirror.example/b", "https://mirror.example/b"},
      {"/b/c.txt?y=2#frag", "https://www.quorvex.example:8443/b/c.txt?y=2"},
      {"?y=2", "https://www.quorvex.example:8443/soft/a/List.txt?y=2"},
      {"c.txt", "https://www.quorvex.example:8443/soft/a/c.txt"},
      {"../c.txt", "https://www.quorvex.example:8443/soft/a/../c.txt"},
      {"/x?u=http://elsewhere/", "https://www.quorvex.example:8443/x?u=http://elsewhere/"},
  };
  for (auto [location, expected] : cases)
    EXPECT_EQ(console::SecureRedirectTarget(from, location), expected) << location;
  // A host without a path resolves from "/"; a query on the host is not taken for a path.
  EXPECT_EQ(console::SecureRedirectTarget("https://h", "c"), "https://h/c");
  EXPECT_EQ(console::SecureRedirectTarget("https://h?q=/a/b", "c"), "https://h/c");
}

TEST(SecureRedirectTarget, NeverLeavesHttps) {
  const std::string from = "https://www.quorvex.example/soft/List.txt";
  for (const char* location :
       {"http://www.quorvex.example/soft/List.txt", "HTTP://host/", "ftp://host/f", "https:/host/x",
        "https:host", "mailto:a@b", "https://", "https://host:99999/", "", "#only-a-fragment",
        "/a b", "/a\r\nSet-Cookie: x", "/a\tb"})
    EXPECT_EQ(console::SecureRedirectTarget(from, location), std::nullopt) << location;
  // From plain http, a relative Location stays plain http: not followed either.
  EXPECT_EQ(console::SecureRedirectTarget("http://127.0.0.1:8080/a", "/b"), std::nullopt);
  EXPECT_EQ(console::SecureRedirectTarget("http://127.0.0.1:8080/a", "//127.0.0.1:8080/b"),
            std::nullopt);
  EXPECT_EQ(console::SecureRedirectTarget("http://127.0.0.1/a", "https://127.0.0.1/b"),
            "https://127.0.0.1/b");
}

}  // namespace
