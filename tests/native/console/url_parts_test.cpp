#include "console/core/url_parts.h"

#include <gtest/gtest.h>

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

}  // namespace
