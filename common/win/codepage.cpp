#include "common/win/codepage.h"

#include <windows.h>

std::wstring SjisToWide(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(kShiftJisCodePage, 0, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(kShiftJisCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(),
                      n);
  return out;
}

namespace {

// Without best fit every character lacking a Shift-JIS form becomes the default "?", and the
// flag tells whether that happened.
std::string Convert(const std::wstring& text, bool* lossy) {
  BOOL usedDefault = FALSE;
  if (lossy) *lossy = false;
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                    nullptr, 0, nullptr, nullptr);
  if (n <= 0) {
    if (lossy) *lossy = true;
    return {};
  }
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), n,
                      nullptr, lossy ? &usedDefault : nullptr);
  if (lossy) *lossy = usedDefault != FALSE;
  return out;
}

}  // namespace

std::string WideToSjis(const std::wstring& text) {
  return Convert(text, nullptr);
}

std::string WideToSjis(const wchar_t* text) {
  return text ? WideToSjis(std::wstring(text)) : "";
}

std::optional<std::string> WideToSjisExact(const std::wstring& text) {
  bool lossy = false;
  std::string out = Convert(text, &lossy);
  if (lossy) return std::nullopt;
  return out;
}
