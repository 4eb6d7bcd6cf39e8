// A named, paging-file-backed shared block holding one NUL-terminated Shift-JIS text, with
// the named mutex that both processes take around every copy. The console, the settings
// editor and the bridge all open their maps through this one type.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

class SharedTextMap {
 public:
  SharedTextMap() = default;
  ~SharedTextMap() { Close(); }
  SharedTextMap(const SharedTextMap&) = delete;
  SharedTextMap& operator=(const SharedTextMap&) = delete;

  // Creates the map with createSize bytes, or opens it when it exists; a new map is zero
  // filled, an existing one keeps its text. The usable view is sideSize bytes, or less when
  // the map that another side created is smaller (never a byte beyond the mapped memory).
  // A failure leaves the map closed; callers carry on without it.
  bool Open(const std::string& name, uint32_t createSize, uint32_t sideSize);
  void Close();

  bool IsOpen() const { return view_ != nullptr; }
  bool Created() const { return created_; }  // this side created the map
  size_t Size() const { return size_; }      // usable bytes of the view
  HANDLE MapHandle() const { return map_; }
  char* View() const { return view_; }

  // Copies the text up to its NUL, at most maxBytes, under the lock.
  std::string ReadText(size_t maxBytes) const;
  // Copies the text and its NUL to the start and zero-fills the rest of the view, under the
  // lock; a text too long for the view is cut so that the NUL still fits.
  void WriteText(const std::string& text);

  // Runs fn(view, size) while holding the lock (nothing else may wait inside fn). Does
  // nothing when the map is not open.
  template <class Fn>
  void Locked(Fn&& fn) const {
    if (!view_) return;
    Lock lock(lock_);
    fn(view_, size_);
  }

 private:
  class Lock {
   public:
    explicit Lock(HANDLE mutex);
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    HANDLE mutex_;
    bool held_ = false;
  };

  HANDLE map_ = nullptr;
  HANDLE lock_ = nullptr;
  char* view_ = nullptr;
  size_t size_ = 0;
  bool created_ = false;
};

// The console's reads: the first 7 bytes of the price text; command and info up to 1023.
std::string ReadPriceText(const SharedTextMap& priceMap);
