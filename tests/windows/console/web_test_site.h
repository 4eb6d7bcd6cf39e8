// The local test web server (tests/tools/http_test_server.py) that ctest starts beside the
// web tests: its address comes in QX_TEST_SITE, and the console's web site points at it for
// the test's scope.
#pragma once

#include <windows.h>
// after windows.h
#include <gtest/gtest.h>
#include <wincrypt.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "console/web_fetch.h"

// The server's root address ("http://127.0.0.1:PORT/"); empty outside the server.
inline std::string TestSiteRoot() {
  const char* root = std::getenv("QX_TEST_SITE");
  return root ? root : "";
}

// The root of its TLS side ("https://localhost:PORT/"), which gives the same answers.
inline std::string TestTlsSiteRoot() {
  const char* root = std::getenv("QX_TEST_TLS_SITE");
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

inline bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The TLS side's certificate, as the server hands it out, trusted for one scope: added to the
// current user's root store of the test's Wine prefix and taken out again at the end. Windows
// itself would ask the user first: there nothing is added, and the object tests false.
class TrustedTestCertificate {
 public:
  TrustedTestCertificate() {
    if (!UnderWine()) return;
    const std::string pem = HttpGetText(TestSiteRoot() + "tls-cert", kServerListAgent);
    DWORD size = sizeof der_;
    if (!CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, der_, &size, nullptr,
                              nullptr))
      return;
    size_ = size;
    trusted_ = ChangeRoots([this](HCERTSTORE roots) {
      return CertAddEncodedCertificateToStore(roots, X509_ASN_ENCODING, der_, size_,
                                              CERT_STORE_ADD_REPLACE_EXISTING, nullptr) != 0;
    });
  }
  ~TrustedTestCertificate() {
    if (!trusted_) return;
    ChangeRoots([this](HCERTSTORE roots) {
      PCCERT_CONTEXT ours = CertCreateCertificateContext(X509_ASN_ENCODING, der_, size_);
      PCCERT_CONTEXT found = ours ? CertFindCertificateInStore(roots, X509_ASN_ENCODING, 0,
                                                               CERT_FIND_EXISTING, ours, nullptr)
                                  : nullptr;
      if (ours) CertFreeCertificateContext(ours);
      return found && CertDeleteCertificateFromStore(found);
    });
  }
  TrustedTestCertificate(const TrustedTestCertificate&) = delete;
  TrustedTestCertificate& operator=(const TrustedTestCertificate&) = delete;

  explicit operator bool() const { return trusted_; }

 private:
  // The registry's part of the store, closed after each change: only that writes the change
  // where the system's certificate checks read it.
  template <class Change>
  static bool ChangeRoots(Change change) {
    HCERTSTORE roots = CertOpenStore(CERT_STORE_PROV_SYSTEM_REGISTRY_W, 0, 0,
                                     CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    if (!roots) return false;
    const bool changed = change(roots);
    return CertCloseStore(roots, 0) && changed;
  }

  BYTE der_[4096] = {};
  DWORD size_ = 0;
  bool trusted_ = false;
};
