// The system's folder browser, behind a seam so that tests can answer it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// The chosen folder's path (Shift-JIS, possibly empty), nullopt when cancelled.
using FolderBrowser =
    std::function<std::optional<std::string>(HWND owner, const std::string& title)>;

// File-system folders only, owned by owner.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title);

// Replaces the folder browser for one scope (tests).
class FolderBrowserOverride {
 public:
  explicit FolderBrowserOverride(FolderBrowser browser);
  ~FolderBrowserOverride();
  FolderBrowserOverride(const FolderBrowserOverride&) = delete;
  FolderBrowserOverride& operator=(const FolderBrowserOverride&) = delete;

 private:
  FolderBrowser saved_;
};
