#include "codepage.h"

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

std::string WideToSjis(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(kShiftJisCodePage, 0, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(),
                      n, nullptr, nullptr);
  return out;
}

std::string WideToSjis(const wchar_t* text) {
  return text ? WideToSjis(std::wstring(text)) : "";
}
