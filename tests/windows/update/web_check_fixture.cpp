#include "tests/windows/update/web_check_fixture.h"

#include "common/win/codepage.h"

std::string WinePath(const std::string& hostPath) {
  std::string path = "Z:" + hostPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

namespace {

// Empties the server's folder. An empty name would be the working folder, so it is refused,
// and links are never followed.
void RemoveContents(const std::wstring& folder) {
  if (folder.empty()) return;
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((folder + L"*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring full = folder + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveContents(full + L"\\");
      RemoveDirectoryW(full.c_str());
    } else {
      DeleteFileW(full.c_str());
    }
  } while (FindNextFileW(h, &found));
  FindClose(h);
}

}  // namespace

void WebCheckTest::SetUp() {
  ConfigTest::SetUp();
  folder_ = WinePath(QX_SITE_DIR) + "\\";  // before anything can end the set-up early
  root_ = TestSiteRoot();
  ASSERT_FALSE(root_.empty()) << "run by ctest, beside the local test web server";
  RemoveContents(SjisToWide(folder_));
  site_ = std::make_unique<WebSiteOverride>(WebSite{.root = root_});
  // The archiver library, for a prefix whose system folder still lacks it.
  std::string library;
  ASSERT_TRUE(ReadFileBytes(WinePath(QX_UNLHA_DLL), library));
  Serve("soft/download/UNLHA32.DLL", library);
  splash = std::make_unique<TSplash>(conv->Session);
  Splash = splash.get();
  // Its own tests run the check; elsewhere a long test would otherwise meet it.
  splash->tmrVerCheck.SetEnabled(false);
  newsWindow = std::make_unique<Tnews>(conv->Session);
  news = newsWindow.get();
}

void WebCheckTest::TearDown() {
  news = nullptr;
  newsWindow.reset();
  Splash = nullptr;
  splash.reset();
  site_.reset();
  RemoveContents(SjisToWide(folder_));
  ConfigTest::TearDown();
}

void WebCheckTest::Serve(const std::string& path, const std::string& bytes) {
  std::string relative = path;
  for (char& c : relative)
    if (c == '/') c = '\\';
  std::string full = folder_;
  for (size_t start = 0, slash; (slash = relative.find('\\', start)) != std::string::npos;
       start = slash + 1) {
    full = folder_ + relative.substr(0, slash);
    CreateDirectoryW(SjisToWide(full).c_str(), nullptr);
  }
  ASSERT_TRUE(WriteTextFile(bytes, folder_ + relative));
}

void WebCheckTest::Unreachable() {
  site_.reset();
  site_ = std::make_unique<WebSiteOverride>(WebSite{.root = kRefusingRoot});
  root_ = kRefusingRoot;
}

void WebCheckTest::Tick(ui::Form& form, const ui::Timer& timer) {
  SendMessageW(form.Handle(), WM_TIMER, timer.Id(), 0);
}
