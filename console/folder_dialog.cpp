#include "console/folder_dialog.h"

#include <shlobj.h>

#include "common/win/codepage.h"
#include "console/com_scope.h"

namespace {

std::optional<std::string> SystemFolderBrowser(HWND owner, const std::string& title) {
  ComScope com;
  const std::wstring wideTitle = SjisToWide(title);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE items = SHBrowseForFolderW(&info);
  if (!items) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(items, path)) path[0] = L'\0';
  CoTaskMemFree(items);
  // A folder whose path has no Shift-JIS form comes back with "?" for those characters, which
  // no file name holds: the search then fails and says so.
  return WideToSjis(path);
}

FolderBrowser& CurrentBrowser() {
  static FolderBrowser browser = SystemFolderBrowser;
  return browser;
}

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title) {
  return CurrentBrowser()(owner, title);
}

FolderBrowserOverride::FolderBrowserOverride(FolderBrowser browser) : saved_(CurrentBrowser()) {
  CurrentBrowser() = std::move(browser);
}

FolderBrowserOverride::~FolderBrowserOverride() {
  CurrentBrowser() = saved_;
}
