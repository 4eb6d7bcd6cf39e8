#include "ui/controls.h"

#include <commctrl.h>
#include <imm.h>
#include <uxtheme.h>
#include <vsstyle.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "common/win/codepage.h"
#include "common/win/seams.h"
#include "ui/dpi.h"
#include "ui/form.h"

namespace ui {

namespace {

bool IsRadio(const wchar_t* className, DWORD style) {
  return lstrcmpiW(className, WC_BUTTONW) == 0 && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

bool IsStatic(HWND hwnd) {
  wchar_t name[16] = {};
  GetClassNameW(hwnd, name, 16);
  return lstrcmpiW(name, WC_STATICW) == 0;
}

std::wstring ItemText(HWND hwnd, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT n = SendMessageW(hwnd, lengthMessage, static_cast<WPARAM>(index), 0);
  if (n <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
  const LRESULT got = SendMessageW(hwnd, textMessage, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

// The text runs from border to border: the inner margins that the system gives an edit for
// its font would hide the ends of a value in an edit made just wide enough for it.
void ClearMargins(HWND edit) {
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

// Caret before the first character, and the text scrolled back to it.
void ShowFromStart(HWND edit) {
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

// --- Control ---------------------------------------------------------------------------------

Control::Control(Form& form, const ControlArgs& args, const wchar_t* className, DWORD style,
                 DWORD exStyle, Layer layer)
    : form_(form), layer_(layer) {
  color_ = args.color;
  textColor_ = args.textColor;
  const bool radio = IsRadio(className, style);
  if (radio) {
    if (!form.lastWasRadio_) {
      style |= WS_GROUP;
      ++form.radioGroup_;
    }
    radioGroup_ = form.radioGroup_;
  } else {
    style |= WS_GROUP;
  }
  form.lastWasRadio_ = radio;
  style |= WS_CHILD | WS_CLIPSIBLINGS | (args.visible ? WS_VISIBLE : 0) |
           (args.enabled ? 0 : WS_DISABLED);
  hwnd_ = CreateWindowExW(exStyle, className, SjisToWide(args.text).c_str(), style,
                          form.Scale(args.left), form.Scale(args.top), form.Scale(args.width),
                          form.Scale(args.height), form.Handle(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.nextControlId_++)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw std::runtime_error("a control could not be created");
  HFONT font = form.Font();
  if (!args.font.IsDefault()) {
    ownFontSpec_ = args.font;
    font = ownFont_ = CreateUiFont(args.font, form.FontSpecOf(), form.Dpi());
  }
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // A new child window comes last in z-order; keep it above the frames.
  const UINT place = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  if (layer == Layer::Beneath) {
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, place);
  } else {
    const HWND above = form.lastNormalControl_;
    SetWindowPos(hwnd_, above && IsWindow(above) ? above : HWND_TOP, 0, 0, 0, 0, place);
    form.lastNormalControl_ = hwnd_;
  }
  form.controls_[hwnd_] = this;
  SetWindowSubclass(hwnd_, &Control::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
  if (!args.hint.empty()) SetHint(args.hint);
  MakeRoomBeside();
}

void Control::MakeRoomBeside() {
  if (IsFrame()) return;
  const RECT mine = PlaceOf(hwnd_);
  for (Control* other : FormControls()) {
    auto* label = dynamic_cast<Label*>(other);
    const RECT theirs = label ? PlaceOf(label->hwnd_) : RECT{};
    RECT common{};
    if (label && label != this && theirs.left < mine.left && IntersectRect(&common, &mine, &theirs))
      label->Refit();
  }
}

Control::~Control() {
  if (toolAdded_) {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = form_.Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    SendMessageW(form_.Tooltip(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  RemoveWindowSubclass(hwnd_, &Control::SubclassProc, 1);
  if (form_.lastNormalControl_ == hwnd_) form_.lastNormalControl_ = GetWindow(hwnd_, GW_HWNDPREV);
  form_.controls_.erase(hwnd_);
  DestroyWindow(hwnd_);
  if (ownFont_) DeleteObject(ownFont_);
}

void Control::SetHint(const std::string& hint) {
  hint_ = hint;
  std::wstring text = SjisToWide(hint);
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = form_.Handle();
  ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  ti.lpszText = text.data();
  if (!toolAdded_) {
    // Static text lets the mouse through unless it notifies; a hint needs the mouse.
    if (IsStatic(hwnd_))
      SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) | SS_NOTIFY);
    SendMessageW(form_.Tooltip(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    toolAdded_ = true;
  } else {
    SendMessageW(form_.Tooltip(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

std::vector<Control*> Control::FormControls() const {
  std::vector<Control*> all;
  for (const auto& entry : form_.controls_) all.push_back(entry.second);
  return all;
}

HBRUSH Control::OnCtlColor(HDC dc, UINT message) {
  HBRUSH brush = ColorBrush();
  COLORREF background = color_;
  if (!brush && TakesFormColor()) {
    brush = form_.ColorBrush();
    background = form_.Color();
  }
  if (!brush && textColor_ == kNoColor) return nullptr;
  // The system's defaults first (text colour of the state, font background), then ours.
  const auto systemBrush = reinterpret_cast<HBRUSH>(DefWindowProcW(
      form_.Handle(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
  if (textColor_ != kNoColor && IsWindowEnabled(hwnd_))
    ::SetTextColor(dc, ResolveColor(textColor_));
  if (!brush) return systemBrush;
  SetBkColor(dc, ResolveColor(background));
  return brush;
}

void Control::OnDpiChanged(int oldDpi, int newDpi) {
  HFONT font = form_.Font();
  if (ownFont_) {
    DeleteObject(ownFont_);
    font = ownFont_ = CreateUiFont(ownFontSpec_, form_.FontSpecOf(), newDpi);
  }
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  RescalePlace(hwnd_, oldDpi, newDpi);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR data) {
  auto* control = reinterpret_cast<Control*>(data);
  if (message == WM_MOUSEMOVE && control->onMouseMove) {
    try {
      control->onMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    } catch (...) {
      ShowEscapedException();
    }
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Control::SubclassProc, 1);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// --- Button ----------------------------------------------------------------------------------

Button::Button(Form& form, const ControlArgs& args, ButtonLook look)
    : Control(form, args, WC_BUTTONW, WS_TABSTOP | BS_OWNERDRAW), look_(look) {}

void Button::Click() {
  if (onClick) onClick();
}

void Button::OnCommand(WORD code) {
  // A disabled button never acts, whoever sends it the click (a run in progress keeps its
  // button disabled against a second run).
  if (!Enabled()) return;
  if (code == BN_CLICKED) {
    Click();
  } else if (code == BN_DOUBLECLICKED) {
    // An owner-drawn button reports the second click of a quick pair only as a double click:
    // a button that does not wait for double clicks takes it as the click it was.
    if (onDoubleClick)
      onDoubleClick();
    else
      Click();
  }
}

void Button::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const std::wstring caption = SjisToWide(Text());
  const COLORREF ink = disabled                 ? GetSysColor(COLOR_GRAYTEXT)
                       : textColor_ != kNoColor ? ResolveColor(textColor_)
                                                : GetSysColor(COLOR_BTNTEXT);
  const bool arrowUp = caption == L"\u25B2";
  const bool arrowDown = caption == L"\u25BC";

  if (look_ == ButtonLook::FlatArrow) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    if (arrowUp || arrowDown) {
      const int w = r.right - r.left;
      const int h = r.bottom - r.top;
      // Insets of a 96-DPI button, so the triangle keeps its proportions on any display.
      const int inset = form_.Scale(2);
      const int half = std::max(1, std::min(w / 2 - inset, h - 2 * inset));
      const int tall = std::max(1, std::min(half, h - 2 * inset));
      const int cx = r.left + w / 2 + (pressed ? 1 : 0);
      const int cy = r.top + h / 2 + (pressed ? 1 : 0);
      POINT p[3];
      if (arrowUp) {
        p[0] = {cx - half, cy + tall / 2};
        p[1] = {cx + half, cy + tall / 2};
        p[2] = {cx, cy + tall / 2 - tall};
      } else {
        p[0] = {cx - half, cy - tall / 2};
        p[1] = {cx + half, cy - tall / 2};
        p[2] = {cx, cy - tall / 2 + tall};
      }
      HBRUSH brush = CreateSolidBrush(ink);
      HPEN pen = CreatePen(PS_SOLID, 1, ink);
      HGDIOBJ oldBrush = SelectObject(dc, brush);
      HGDIOBJ oldPen = SelectObject(dc, pen);
      Polygon(dc, p, 3);
      SelectObject(dc, oldBrush);
      SelectObject(dc, oldPen);
      DeleteObject(brush);
      DeleteObject(pen);
      return;
    }
  } else if (HTHEME theme = OpenThemeData(hwnd_, L"BUTTON")) {
    FillRect(dc, &r, form_.ColorBrush());
    const int state = disabled                            ? PBS_DISABLED
                      : pressed                           ? PBS_PRESSED
                      : (item.itemState & ODS_FOCUS) != 0 ? PBS_DEFAULTED
                                                          : PBS_NORMAL;
    DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &r, nullptr);
    CloseThemeData(theme);
  } else {
    DrawFrameControl(
        dc, &r, DFC_BUTTON,
        DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
  }
  RECT textRect = r;
  if (pressed) OffsetRect(&textRect, 1, 1);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldInk = ::SetTextColor(dc, ink);
  HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  DrawTextW(dc, caption.c_str(), -1, &textRect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE |
                ((item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0));
  SelectObject(dc, oldFont);
  ::SetTextColor(dc, oldInk);
  SetBkMode(dc, oldMode);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0 &&
      look_ == ButtonLook::Standard) {
    InflateRect(&r, -form_.Scale(3), -form_.Scale(3));
    DrawFocusRect(dc, &r);
  }
}

// --- Edit ------------------------------------------------------------------------------------

Edit::Edit(Form& form, const ControlArgs& args, EditOptions options)
    : Control(form, args, WC_EDITW,
              WS_TABSTOP | (options.readOnly ? ES_READONLY : 0) |
                  (options.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL),
              WS_EX_CLIENTEDGE) {
  if (!options.inputMethod) ImmAssociateContext(hwnd_, nullptr);
  if (options.multiLine) SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
  ClearMargins(hwnd_);
}

void Edit::OnDpiChanged(int oldDpi, int newDpi) {
  Control::OnDpiChanged(oldDpi, newDpi);
  ClearMargins(hwnd_);  // a new font brings the system's margins back
}

void Edit::SetText(const std::string& text) {
  // The edit's own change notice for a set text differs between systems; raise it here, once.
  settingText_ = true;
  Window::SetText(text);
  settingText_ = false;
  leftStart_ = leftEnd_ = 0;
  ShowFromStart(hwnd_);
  if (onChange) onChange();
}

int Edit::Caret() const {
  DWORD start = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  const std::wstring text = SjisToWide(Text());
  return static_cast<int>(WideToSjis(text.substr(0, std::min<size_t>(start, text.size()))).size());
}

void Edit::PlaceCaret(int position) {
  const std::string text = Text();
  const size_t bytes = std::min(text.size(), static_cast<size_t>(std::max(0, position)));
  const auto at = static_cast<WPARAM>(SjisToWide(text.substr(0, bytes)).size());
  SendMessageW(hwnd_, EM_SETSEL, at, static_cast<LPARAM>(at));
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

bool Edit::ReadOnly() const {
  return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
}

void Edit::SetReadOnly(bool readOnly) {
  SendMessageW(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void Edit::OnCommand(WORD code) {
  if (code == EN_KILLFOCUS) {
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&leftStart_),
                 reinterpret_cast<LPARAM>(&leftEnd_));
    ShowFromStart(hwnd_);
  } else if (code == EN_SETFOCUS) {
    // A key or a click that brought the focus places the caret after this.
    SendMessageW(hwnd_, EM_SETSEL, leftStart_, static_cast<LPARAM>(leftEnd_));
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
  } else if (code == EN_CHANGE && !settingText_ && onChange) {
    onChange();
  }
}

// --- CheckBox, RadioButton, GroupBox -------------------------------------------------------

TickButton::TickButton(Form& form, const ControlArgs& args, DWORD style, bool checked)
    : Control(form, args, WC_BUTTONW, WS_TABSTOP | style) {
  if (args.textColor != kNoColor) SetWindowTheme(hwnd_, L"", L"");
  if (checked) SetTick(true);
}

bool TickButton::Checked() const {
  return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TickButton::SetTick(bool checked) {
  SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TickButton::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

bool TickButton::OnNotify(NMHDR& header, LRESULT& result) {
  if (header.code != NM_CUSTOMDRAW) return false;
  // The whole is drawn at the first stage of every paint, the focus's own included, so that
  // no later stage draws over it.
  const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
  if (draw.dwDrawStage != CDDS_PREERASE || !DrawAroundBlank(draw.hdc)) return false;
  result = CDRF_SKIPDEFAULT;
  return true;
}

bool TickButton::DrawAroundBlank(HDC dc) {
  const std::wstring caption = SjisToWide(Text());
  const size_t blank = caption.find(L"  ");
  const size_t after = caption.find_first_not_of(L' ', blank);
  if (blank == std::wstring::npos || after == std::wstring::npos) return false;
  const std::wstring head = caption.substr(0, blank);
  const std::wstring tail = caption.substr(after);
  const bool radio = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
  const auto state = static_cast<UINT>(SendMessageW(hwnd_, BM_GETSTATE, 0, 0));
  const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
  HTHEME theme = GetWindowTheme(hwnd_);
  const int part = radio ? BP_RADIOBUTTON : BP_CHECKBOX;
  // The part states count normal, hot, pressed, disabled; unticked, then ticked.
  const int partState = ((state & BST_CHECKED) ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL) +
                        (!enabled                  ? 3
                         : (state & BST_PUSHED)    ? 2
                         : (state & BST_HOT) != 0U ? 1
                                                   : 0);
  HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  SIZE box{form_.Scale(12) + 1, form_.Scale(12) + 1};
  if (theme) GetThemePartSize(theme, dc, part, partState, nullptr, TS_DRAW, &box);
  int digit = 0;
  GetCharWidth32W(dc, L'0', L'0', &digit);
  const int textLeft = box.cx + digit / 2;
  const int headEnd = textLeft + TextWidth(dc, head);
  // Where the words after the blank would start, and the end of the controls placed in it.
  const int planned = textLeft + TextWidth(dc, caption.substr(0, after));
  const RECT me = PlaceOf(hwnd_);
  int tailLeft = planned;
  for (Control* other : FormControls()) {
    if (other == this || other->IsFrame() ||
        !(GetWindowLongPtrW(other->Handle(), GWL_STYLE) & WS_VISIBLE))
      continue;
    const RECT o = PlaceOf(other->Handle());
    RECT common{};
    if (IntersectRect(&common, &me, &o) && o.left - me.left >= headEnd &&
        o.right - me.left > planned)
      tailLeft = std::max(tailLeft, static_cast<int>(o.right - me.left) + TextWidth(dc, L" "));
  }
  if (tailLeft == planned) {
    SelectObject(dc, oldFont);
    return false;
  }

  RECT client{};
  GetClientRect(hwnd_, &client);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd_), WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(hwnd_)));
  FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  const int boxTop = (client.bottom - box.cy) / 2;
  RECT glyph{0, boxTop, box.cx, boxTop + box.cy};
  if (theme) {
    DrawThemeBackground(theme, dc, part, partState, &glyph, nullptr);
  } else {
    DrawFrameControl(dc, &glyph, DFC_BUTTON,
                     (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) |
                         ((state & BST_CHECKED) ? DFCS_CHECKED : 0) |
                         ((state & BST_PUSHED) ? DFCS_PUSHED : 0) | (enabled ? 0 : DFCS_INACTIVE));
  }
  if (!enabled) ::SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  RECT headRect{textLeft, 0, client.right, client.bottom};
  DrawTextW(dc, head.c_str(), -1, &headRect, flags);
  RECT tailRect{tailLeft, 0, client.right, client.bottom};
  DrawTextW(dc, tail.c_str(), -1, &tailRect, flags);
  SetBkMode(dc, oldMode);
  if ((state & BST_FOCUS) && !(SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int height = tm.tmHeight;
    const int top = (client.bottom - height) / 2;
    RECT focus{textLeft - 1, top, std::min<LONG>(client.right, tailLeft + TextWidth(dc, tail) + 1),
               top + height};
    DrawFocusRect(dc, &focus);
  }
  SelectObject(dc, oldFont);
  return true;
}

CheckBox::CheckBox(Form& form, const ControlArgs& args, bool checked)
    : TickButton(form, args, BS_AUTOCHECKBOX, checked) {}

void CheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SetTick(checked);
  if (onClick) onClick();
}

RadioButton::RadioButton(Form& form, const ControlArgs& args, bool checked)
    : TickButton(form, args, BS_AUTORADIOBUTTON, checked) {}

void RadioButton::SetChecked(bool checked) {
  if (checked == Checked()) return;
  if (checked) {
    for (RadioButton* other : Group())
      if (other != this) other->SetTick(false);
  }
  SetTick(checked);
  if (checked && onClick) onClick();
}

std::vector<RadioButton*> RadioButton::Group() const {
  std::vector<RadioButton*> group;
  for (Control* control : FormControls()) {
    auto* button = dynamic_cast<RadioButton*>(control);
    if (button && button->radioGroup_ == radioGroup_) group.push_back(button);
  }
  std::sort(group.begin(), group.end(), [](const RadioButton* a, const RadioButton* b) {
    return GetDlgCtrlID(a->Handle()) < GetDlgCtrlID(b->Handle());
  });
  return group;
}

bool RadioButton::IsGroupStop() const {
  const std::vector<RadioButton*> group = Group();
  const auto ticked =
      std::find_if(group.begin(), group.end(), [](const RadioButton* b) { return b->Checked(); });
  return ticked != group.end() ? *ticked == this : group.front() == this;
}

GroupBox::GroupBox(Form& form, const ControlArgs& args)
    : Control(form, args, WC_BUTTONW, BS_GROUPBOX, 0, Layer::Beneath) {}

Panel::Panel(Form& form, const ControlArgs& args)
    : Control(form, args, WC_STATICW, SS_OWNERDRAW, 0, Layer::Beneath) {}

void Panel::OnDrawItem(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  HBRUSH brush = ColorBrush();
  FillRect(item.hDC, &r, brush ? brush : form_.ColorBrush());
  DrawEdge(item.hDC, &r, BDR_RAISEDINNER, BF_RECT);
}

// --- Label -----------------------------------------------------------------------------------

namespace {

bool FitsItsText(const ControlArgs& args) {
  return args.width == 0 || args.height == 0;
}

}  // namespace

// A fitted label is measured without breaking its lines; cut short beside a control, it shows
// the start of each line rather than breaking one in two (a leading blank would then be all).
Label::Label(Form& form, const ControlArgs& args)
    : Control(form, args, WC_STATICW, FitsItsText(args) ? SS_LEFTNOWORDWRAP : SS_LEFT),
      fitted_(FitsItsText(args)) {
  if (fitted_) FitText();
  MakeRoomBeside();  // only now has the label a size
}

void Label::SetText(const std::string& text) {
  Window::SetText(text);
  if (fitted_) FitText();
}

void Label::Refit() {
  if (fitted_) FitText();
}

void Label::FitText() {
  const std::wstring text = SjisToWide(Text());
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  RECT r{0, 0, 0, 0};
  if (text.empty()) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    r.bottom = tm.tmHeight;
  } else {
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_LEFT);
  }
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  // The text ends before the first control to the right of the label's start that it reaches.
  const RECT me = PlaceOf(hwnd_);
  int width = r.right;
  for (Control* other : FormControls()) {
    if (other == this || other->IsFrame()) continue;
    const RECT o = PlaceOf(other->Handle());
    if (o.left > me.left && o.left < me.left + width && o.top < me.top + r.bottom &&
        o.bottom > me.top)
      width = o.left - me.left;
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, width, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- ComboBox, ListBox -----------------------------------------------------------------------

namespace {

ControlArgs WithDropDown(ControlArgs args) {
  // A combo box's window height includes its drop-down list.
  args.height = (args.height > 0 ? args.height : 21) + 160;
  return args;
}

}  // namespace

constexpr ItemListMessages kComboBoxMessages{CB_ADDSTRING,    CB_RESETCONTENT, CB_GETCOUNT,
                                             CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETCURSEL,
                                             CB_SETCURSEL};
constexpr ItemListMessages kListBoxMessages{LB_ADDSTRING,  LB_RESETCONTENT, LB_GETCOUNT,
                                            LB_GETTEXTLEN, LB_GETTEXT,      LB_GETCURSEL,
                                            LB_SETCURSEL};

ItemList::ItemList(Form& form, const ControlArgs& args, const wchar_t* className, DWORD style,
                   DWORD exStyle, const ItemListMessages& messages)
    : Control(form, args, className, style, exStyle), messages_(messages) {}

void ItemList::AddItem(const std::string& item) {
  SendMessageW(hwnd_, messages_.add, 0, reinterpret_cast<LPARAM>(SjisToWide(item).c_str()));
}

void ItemList::ClearItems() {
  SendMessageW(hwnd_, messages_.reset, 0, 0);
}

int ItemList::ItemCount() const {
  return static_cast<int>(SendMessageW(hwnd_, messages_.count, 0, 0));
}

std::string ItemList::Item(int index) const {
  return WideToSjis(ItemText(hwnd_, messages_.textLength, messages_.text, index));
}

int ItemList::ItemIndex() const {
  return static_cast<int>(SendMessageW(hwnd_, messages_.getSelection, 0, 0));
}

void ItemList::SetItemIndex(int index) {
  SendMessageW(hwnd_, messages_.setSelection, index, 0);
}

ComboBox::ComboBox(Form& form, const ControlArgs& args, const std::vector<std::string>& items)
    : ItemList(form, WithDropDown(args), WC_COMBOBOXW,
               WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, kComboBoxMessages),
      droppedHeight_(WithDropDown(args).height) {
  for (const std::string& item : items) AddItem(item);
  SetText(args.text);
}

namespace {

HWND EditOfCombo(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

}  // namespace

void ComboBox::SetText(const std::string& text) {
  Window::SetText(text);
  ShowFromStart(EditOfCombo(hwnd_));
}

void ComboBox::OnCommand(WORD code) {
  if (code == CBN_KILLFOCUS) ShowFromStart(EditOfCombo(hwnd_));
}

void ComboBox::OnDpiChanged(int oldDpi, int newDpi) {
  Control::OnDpiChanged(oldDpi, newDpi);
  // The window's own height is the edit's; the list below it counts too.
  SetWindowPos(hwnd_, nullptr, 0, 0, Width(), form_.Scale(droppedHeight_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ListBox::ListBox(Form& form, const ControlArgs& args)
    : ItemList(form, args, WC_LISTBOXW, WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
               WS_EX_CLIENTEDGE, kListBoxMessages) {}

// --- TrackBar, ProgressBar -------------------------------------------------------------------

TrackBar::TrackBar(Form& form, const ControlArgs& args, TrackBarOptions options)
    : Control(form, args, TRACKBAR_CLASSW,
              WS_TABSTOP | TBS_AUTOTICKS | (options.vertical ? TBS_VERT : TBS_HORZ) |
                  (options.ticksBothSides ? TBS_BOTH : 0)),
      lastPosition_(options.position) {
  SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, options.min);
  SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, options.max);
  SendMessageW(hwnd_, TBM_SETTICFREQ, 1, 0);
  SendMessageW(hwnd_, TBM_SETPOS, TRUE, options.position);
  lastPosition_ = Position();
}

int TrackBar::Position() const {
  return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
}

void TrackBar::SetPosition(int position) {
  SendMessageW(hwnd_, TBM_SETPOS, TRUE, position);
  NoteChange();
}

int TrackBar::Min() const {
  return static_cast<int>(SendMessageW(hwnd_, TBM_GETRANGEMIN, 0, 0));
}

int TrackBar::Max() const {
  return static_cast<int>(SendMessageW(hwnd_, TBM_GETRANGEMAX, 0, 0));
}

void TrackBar::OnScroll(WORD /*code*/) {
  NoteChange();
}

void TrackBar::NoteChange() {
  const int position = Position();
  if (position == lastPosition_) return;
  lastPosition_ = position;
  if (onChange) onChange();
}

ProgressBar::ProgressBar(Form& form, const ControlArgs& args, int min, int max)
    : Control(form, args, PROGRESS_CLASSW, 0) {
  SendMessageW(hwnd_, PBM_SETRANGE32, min, max);
}

int ProgressBar::Min() const {
  return static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, TRUE, 0));
}

int ProgressBar::Max() const {
  return static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, FALSE, 0));
}

void ProgressBar::SetMin(int min) {
  SendMessageW(hwnd_, PBM_SETRANGE32, min, Max());
}

void ProgressBar::SetMax(int max) {
  SendMessageW(hwnd_, PBM_SETRANGE32, Min(), max);
}

int ProgressBar::Position() const {
  return static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0));
}

void ProgressBar::SetPosition(int position) {
  SendMessageW(hwnd_, PBM_SETPOS, position, 0);
}

void ProgressBar::SetStep(int step) {
  SendMessageW(hwnd_, PBM_SETSTEP, step, 0);
}

void ProgressBar::StepBy(int delta) {
  SendMessageW(hwnd_, PBM_DELTAPOS, delta, 0);
}

ControlArgs At(int left, int top, int width, int height, std::string text) {
  ControlArgs args;
  args.text = std::move(text);
  args.left = left;
  args.top = top;
  args.width = width;
  args.height = height;
  return args;
}

}  // namespace ui
