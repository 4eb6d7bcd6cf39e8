// Fonts of the windows. Every font is made with the Shift-JIS character set, so the system's
// font mapper picks a Japanese face when the named one is missing (under Wine the IPA Gothic
// fonts stand in for the Japanese system faces) and Japanese captions never show as boxes.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The windows' face: "ＭＳ Ｐゴシック" (Shift-JIS).
extern const char* const kUiFontFace;
inline constexpr int kUiFontHeight = 12;  // pixels of a 96-DPI display

// Empty face and height 0 mean "as the form's font".
struct FontSpec {
  std::string face{};  // Shift-JIS face name
  int height = 0;      // character height in pixels of a 96-DPI display
  bool bold = false;
  bool italic = false;

  bool IsDefault() const { return face.empty() && height == 0 && !bold && !italic; }
};

// A new font (the caller deletes it) for a display of `dpi`; missing face and height come
// from `base`.
HFONT CreateUiFont(const FontSpec& spec, const FontSpec& base, int dpi);

}  // namespace ui
