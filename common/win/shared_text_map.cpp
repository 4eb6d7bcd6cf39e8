#include "common/win/shared_text_map.h"

#include <algorithm>
#include <cstring>

#include "common/channel_names.h"
#include "common/win/codepage.h"

SharedTextMap::Lock::Lock(HANDLE mutex) : mutex_(mutex) {
  if (!mutex_) return;
  // An abandoned mutex (the other side died holding it) is ours now all the same.
  const DWORD r = WaitForSingleObject(mutex_, INFINITE);
  held_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

SharedTextMap::Lock::~Lock() {
  if (held_) ReleaseMutex(mutex_);
}

bool SharedTextMap::Open(const std::string& name, uint32_t createSize, uint32_t sideSize) {
  Close();
  const std::wstring wname = SjisToWide(name);
  map_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, createSize,
                            wname.c_str());
  if (!map_) return false;
  created_ = GetLastError() != ERROR_ALREADY_EXISTS;

  // The whole object is mapped and its real extent read back: Windows refuses a view larger
  // than a map another side created smaller.
  view_ = static_cast<char*>(MapViewOfFile(map_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (!view_) {
    Close();
    return false;
  }
  MEMORY_BASIC_INFORMATION info{};
  const size_t mapped = VirtualQuery(view_, &info, sizeof info) ? info.RegionSize : 0;
  size_ = std::min<size_t>(sideSize, mapped);
  if (size_ == 0) {
    Close();
    return false;
  }
  lock_ = CreateMutexW(nullptr, FALSE, (wname + SjisToWide(common::kMapLockSuffix)).c_str());
  if (created_) {
    Lock lock(lock_);
    std::memset(view_, 0, size_);
  }
  return true;
}

void SharedTextMap::Close() {
  if (view_) UnmapViewOfFile(view_);
  if (map_) CloseHandle(map_);
  if (lock_) CloseHandle(lock_);
  view_ = nullptr;
  map_ = lock_ = nullptr;
  size_ = 0;
  created_ = false;
}

std::string SharedTextMap::ReadText(size_t maxBytes) const {
  std::string text;
  Locked([&](const char* view, size_t size) {
    const size_t limit = std::min(maxBytes, size);
    const void* nul = std::memchr(view, 0, limit);
    text.assign(view, nul ? static_cast<const char*>(nul) - view : limit);
  });
  return text;
}

void SharedTextMap::WriteText(const std::string& text) {
  Locked([&](char* view, size_t size) {
    const size_t n = std::min(text.size(), size - 1);
    std::memcpy(view, text.data(), n);
    std::memset(view + n, 0, size - n);
  });
}

std::string ReadPriceText(const SharedTextMap& priceMap) {
  return priceMap.ReadText(common::kPriceTextRead);
}
