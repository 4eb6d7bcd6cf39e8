// Every text of the console's full layout and of the settings window whole, measured with the
// font of each control at the display's DPI: no control lies over another (frames aside), every
// label's text and every edit's value fits inside its window, every caption inside its control,
// and no word of a caption lies under the control placed in the caption's blank. Runs at 96 DPI
// in the shared prefix and through wine-dpi-launch.sh at 144 and 192.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "settings/Setting1.h"
#include "settings/core/setting_table.h"
#include "tests/windows/console/console_fixture.h"
#include "ui/dpi.h"
#include "ui/window.h"

namespace {

struct Piece {
  HWND hwnd;
  std::wstring kind;  // window class
  DWORD style;
  RECT place;  // in the form's client area
  std::wstring text;
};

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
  return text;
}

std::vector<Piece> VisibleControls(HWND form) {
  std::vector<Piece> pieces;
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    if (!(style & WS_VISIBLE)) continue;
    wchar_t kind[64] = {};
    GetClassNameW(child, kind, 64);
    pieces.push_back({child, kind, style, ui::PlaceOf(child), TextOf(child)});
  }
  return pieces;
}

std::string Name(const Piece& p) {
  return Utf8(p.kind) + " \"" + Utf8(p.text) + "\" at " + std::to_string(p.place.left) + "," +
         std::to_string(p.place.top);
}

bool Is(const Piece& p, const wchar_t* kind) {
  return lstrcmpiW(p.kind.c_str(), kind) == 0;
}
bool IsButtonOf(const Piece& p, DWORD type) {
  return Is(p, WC_BUTTONW) && (p.style & BS_TYPEMASK) == type;
}
bool IsTick(const Piece& p) {
  return IsButtonOf(p, BS_AUTOCHECKBOX) || IsButtonOf(p, BS_AUTORADIOBUTTON);
}
// A caption that leaves a blank for a control placed over it.
bool HasBlank(const Piece& p) {
  return IsTick(p) && p.text.find(L"  ") != std::wstring::npos;
}

// The control's own font selected into a device context of it.
class FontDc {
 public:
  explicit FontDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {
    old_ = SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  }
  ~FontDc() {
    SelectObject(dc_, old_);
    ReleaseDC(hwnd_, dc_);
  }
  SIZE Extent(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }
  int LineHeight() const {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    return tm.tmHeight;
  }
  // The space check box and radio button captions start after: the box, then half a digit.
  int TickIndent() const {
    int digit = 0;
    GetCharWidth32W(dc_, L'0', L'0', &digit);
    return MulDiv(12, ui::WindowDpi(hwnd_), 96) + 1 + digit / 2;
  }
  // A static text's lines as it breaks them within `width`.
  SIZE Wrapped(const std::wstring& text, int width) const {
    RECT r{0, 0, width, 0};
    DrawTextW(dc_, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    return {r.right, r.bottom};
  }

 private:
  HWND hwnd_;
  HDC dc_;
  HGDIOBJ old_;
};

std::string Need(const char* what, const Piece& p, int needW, int needH, int hasW, int hasH) {
  return std::string(what) + " " + Name(p) + " needs " + std::to_string(needW) + "x" +
         std::to_string(needH) + ", has " + std::to_string(hasW) + "x" + std::to_string(hasH);
}

// What of a control's own text does not fit inside it; empty when all of it shows.
std::string TextFinding(const Piece& p, int formDpi) {
  RECT client{};
  GetClientRect(p.hwnd, &client);
  const int w = client.right;
  const int h = client.bottom;
  const FontDc dc(p.hwnd);
  if (Is(p, WC_STATICW) && (p.style & SS_TYPEMASK) != SS_OWNERDRAW && !p.text.empty()) {
    const SIZE need = dc.Wrapped(p.text, w);
    if (need.cx > w || need.cy > h) return Need("label", p, need.cx, need.cy, w, h);
  } else if (Is(p, WC_EDITW) && !(p.style & ES_MULTILINE)) {
    const auto margins = static_cast<DWORD>(SendMessageW(p.hwnd, EM_GETMARGINS, 0, 0));
    const int room = w - LOWORD(margins) - HIWORD(margins);
    const SIZE need = dc.Extent(p.text);
    if (need.cx > room || dc.LineHeight() > h)
      return Need("edit", p, need.cx, dc.LineHeight(), room, h);
  } else if (IsTick(p) && !p.text.empty()) {
    const int need = dc.TickIndent() + dc.Extent(p.text).cx;
    if (need > w || dc.LineHeight() > h) return Need("caption", p, need, dc.LineHeight(), w, h);
  } else if (IsButtonOf(p, BS_GROUPBOX)) {
    // The caption starts a few pixels in from the frame's left edge.
    const int need = MulDiv(7, formDpi, 96) + dc.Extent(p.text).cx;
    if (need > w) return Need("group caption", p, need, dc.LineHeight(), w, h);
  } else if (IsButtonOf(p, BS_OWNERDRAW) && p.text != L"\u25B2" && p.text != L"\u25BC") {
    // Push buttons; the price ladder's arrows are drawn as triangles, not as text.
    const SIZE need = dc.Extent(p.text);
    if (need.cx > w || need.cy > h) return Need("button", p, need.cx, need.cy, w, h);
  }
  return {};
}

// The dark pixels of each column of a control's own drawing (without what lies over it).
std::vector<int> InkColumns(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  HDC screen = GetDC(hwnd);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  std::vector<int> ink(static_cast<size_t>(r.right), 0);
  for (int x = 0; x < r.right; ++x) {
    for (int y = 0; y < r.bottom; ++y) {
      const COLORREF c = GetPixel(dc, x, y);
      ink[x] += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 100 ? 1 : 0;
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(hwnd, screen);
  return ink;
}

// A caption with a blank for `over`: its words stay clear of it, and the ones after it show.
std::string BlankFinding(const Piece& caption, const Piece& over) {
  const std::vector<int> ink = InkColumns(caption.hwnd);
  const int width = static_cast<int>(ink.size());
  const int from = std::max(0, static_cast<int>(over.place.left - caption.place.left));
  const int to = std::min(width, static_cast<int>(over.place.right - caption.place.left));
  for (int x = from; x < to; ++x)
    if (ink[x] > 0) return "caption " + Name(caption) + " drawn under " + Name(over);
  bool after = false;
  for (int x = to; x < width; ++x) after = after || ink[x] > 0;
  if (!after || (width > 0 && ink[width - 1] > 0))
    return "caption " + Name(caption) + " not whole after " + Name(over);
  return {};
}

std::vector<std::string> Findings(const ui::Form& form) {
  std::vector<std::string> findings;
  RECT client{};
  GetClientRect(form.Handle(), &client);
  const std::vector<Piece> pieces = VisibleControls(form.Handle());
  for (size_t i = 0; i < pieces.size(); ++i) {
    const Piece& a = pieces[i];
    if (std::string text = TextFinding(a, form.Dpi()); !text.empty()) findings.push_back(text);
    if (a.place.right > client.right || a.place.bottom > client.bottom)
      findings.push_back("outside the window: " + Name(a));
    if (IsButtonOf(a, BS_GROUPBOX)) continue;
    for (size_t j = i + 1; j < pieces.size(); ++j) {
      const Piece& b = pieces[j];
      RECT common{};
      if (IsButtonOf(b, BS_GROUPBOX) || !IntersectRect(&common, &a.place, &b.place)) continue;
      if (HasBlank(a) || HasBlank(b)) {
        std::string blank = HasBlank(a) ? BlankFinding(a, b) : BlankFinding(b, a);
        if (!blank.empty()) findings.push_back(blank);
      } else {
        findings.push_back("overlap: " + Name(a) + " and " + Name(b));
      }
    }
  }
  return findings;
}

std::string Listed(const ui::Form& form, const std::vector<std::string>& findings) {
  std::string all = " at " + std::to_string(form.Dpi()) + " DPI:";
  for (const std::string& f : findings) all += "\n  " + f;
  return all;
}

TEST_F(ConsoleTest, EveryTextOfBothWindowsShowsWhole) {
  auto setting = std::make_unique<TSetting>(conv->Session.ForSettingsWindow());
  Setting = setting.get();
  conv->Show();
  conv->cmdUpDownClick();
  conv->cmdSettingLeftClick();
  ASSERT_TRUE(setting->Visible());

  std::vector<std::string> findings = Findings(*conv);
  EXPECT_TRUE(findings.empty()) << "console" << Listed(*conv, findings);
  // Drawn around its blank, the series box still shows its tick.
  const HWND series = conv->chkRenzoku.Handle();
  const auto boxInk = [series] {
    const std::vector<int> ink = InkColumns(series);
    return std::accumulate(ink.begin(), ink.begin() + MulDiv(12, ui::WindowDpi(series), 96), 0);
  };
  const int unticked = boxInk();
  SendMessageW(series, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_GT(boxInk(), unticked);
  findings = Findings(*setting);
  EXPECT_TRUE(findings.empty()) << "settings" << Listed(*setting, findings);

  // The ladder as traders fill it: a multiplier with a fraction, a negative depth.
  for (int level = 1; level <= settings::kLadderLevels; ++level) {
    setting->EditOf(settings::NanpinRow(level)).SetText("1.5");
    setting->EditOf(settings::DepthRow(level)).SetText("-12.5");
  }
  findings = Findings(*setting);
  EXPECT_TRUE(findings.empty()) << "filled ladder" << Listed(*setting, findings);
  Setting = nullptr;
}

}  // namespace
