// The local test web server (tests/tools/http_test_server.py) that ctest starts beside the
// web tests: its address comes in QX_TEST_SITE, and the console's web site points at it for
// the test's scope.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "console/web_fetch.h"

// The server's root address ("http://127.0.0.1:PORT/"); empty outside the server.
inline std::string TestSiteRoot() {
  const char* root = std::getenv("QX_TEST_SITE");
  return root ? root : "";
}

// A root where nothing listens: connections are refused at once.
inline constexpr char kRefusingRoot[] = "http://127.0.0.1:1/";

// The byte i of the server's /bytes/N and /nolength/N answers is i % 251.
inline std::string ServerBytes(size_t n) {
  std::string bytes(n, '\0');
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

// Points the console at the test server for one test.
class TestSite {
 public:
  explicit TestSite(WebSite site = {}) {
    EXPECT_FALSE(TestSiteRoot().empty()) << "run by ctest, beside the local test web server";
    if (site.root == console::kSiteRoot) site.root = TestSiteRoot();
    override_ = std::make_unique<WebSiteOverride>(site);
  }

 private:
  std::unique_ptr<WebSiteOverride> override_;
};
