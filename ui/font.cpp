#include "ui/font.h"

#include "common/dpi_scale.h"
#include "common/win/codepage.h"

namespace ui {

const char* const kUiFontFace = "ＭＳ Ｐゴシック";

HFONT CreateUiFont(const FontSpec& spec, const FontSpec& base, int dpi) {
  const std::string& face =
      !spec.face.empty() ? spec.face : (!base.face.empty() ? base.face : std::string(kUiFontFace));
  const int height =
      spec.height != 0 ? spec.height : (base.height != 0 ? base.height : kUiFontHeight);
  LOGFONTW lf{};
  lf.lfHeight = -common::ScaleToDpi(height, dpi);
  lf.lfWeight = (spec.bold || base.bold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (spec.italic || base.italic) ? TRUE : FALSE;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring wide = SjisToWide(face);
  lstrcpynW(lf.lfFaceName, wide.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

}  // namespace ui
