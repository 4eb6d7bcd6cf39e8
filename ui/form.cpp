#include "ui/form.h"

#include <commctrl.h>

#include <stdexcept>

#include "common/win/codepage.h"
#include "common/win/seams.h"
#include "ui/app.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/timer.h"

namespace ui {

namespace {

const wchar_t kFormClass[] = L"QuorvexForm";
constexpr int kTipWidth = 600;
constexpr UINT kFirstMenuId = 40000;

DWORD StyleOf(const FormArgs& a) {
  // No WS_CLIPCHILDREN: group boxes and panels do not paint their inside, the form does.
  DWORD style = 0;
  switch (a.border) {
    case FormBorder::Sizeable:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      break;
    case FormBorder::Single:
    case FormBorder::Dialog:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
      break;
    case FormBorder::None:
      return style | WS_POPUP;
    case FormBorder::Tool:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
      break;
  }
  if (a.border != FormBorder::Dialog && a.border != FormBorder::Tool) {
    if (a.minimizeBox) style |= WS_MINIMIZEBOX;
    if (a.maximizeBox) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD ExStyleOf(const FormArgs& a) {
  switch (a.border) {
    case FormBorder::Dialog:
      return WS_EX_DLGMODALFRAME;
    case FormBorder::Tool:
      return WS_EX_TOOLWINDOW;
    default:
      return 0;
  }
}

}  // namespace

Form::Form(const FormArgs& args) {
  InitUi();
  color_ = args.color;
  fontSpec_ = args.font;
  // The window does not exist yet: the primary display's DPI, checked once it does.
  dpi_ = ScreenDpi();
  font_ = CreateUiFont(args.font, {}, dpi_);
  const DWORD style = StyleOf(args);
  const DWORD exStyle = ExStyleOf(args);
  int width = Scale(args.width);
  int height = Scale(args.height);
  if (args.clientWidth > 0 || args.clientHeight > 0) {
    RECT r{0, 0, Scale(args.clientWidth), Scale(args.clientHeight)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    if (args.clientWidth > 0) width = r.right - r.left;
    if (args.clientHeight > 0) height = r.bottom - r.top;
  }
  CreateWindowExW(exStyle, kFormClass, SjisToWide(args.caption).c_str(), style, args.left, args.top,
                  width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("the window could not be created");
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  const int dpi = WindowDpi(hwnd_);
  if (dpi != dpi_) ApplyDpi(dpi, nullptr);
}

Form::~Form() {
  if (MainForm() == this) SetMainForm(nullptr);
  if (tooltip_) DestroyWindow(tooltip_);
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

Form* Form::FromHandle(HWND hwnd) {
  wchar_t name[32] = {};
  if (!hwnd || !GetClassNameW(hwnd, name, 32) || lstrcmpW(name, kFormClass) != 0) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Control* Form::ControlOf(HWND child) const {
  for (int depth = 0; child && depth < 2; ++depth, child = GetParent(child)) {
    const auto it = controls_.find(child);
    if (it != controls_.end()) return it->second;
  }
  return nullptr;
}

void Form::Close() {
  if (onCloseQuery && !onCloseQuery()) return;
  if (onClose) onClose();
  Hide();
  if (MainForm() == this) PostQuitMessage(0);
}

void Form::SetVisible(bool visible) {
  if (!visible) {
    ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  ShowWindow(hwnd_, SW_SHOW);
  BringWindowToTop(hwnd_);
}

int Form::ClientWidth() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r.right;
}

int Form::ClientHeight() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r.bottom;
}

void Form::SetClientWidth(int width) {
  SetWidth(Width() - ClientWidth() + width);
}

void Form::SetClientHeight(int height) {
  SetHeight(Height() - ClientHeight() + height);
}

void Form::SetTopMost(bool topMost) {
  SetWindowPos(hwnd_, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetAlpha(BYTE alpha) {
  const LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd_, 0, alpha, LWA_ALPHA);
  alpha_ = alpha;
}

bool Form::TopMost() const {
  return (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Form::RestoreNormal() {
  if (!IsIconic(hwnd_) && !IsZoomed(hwnd_)) return;
  const bool wasVisible = Visible();
  ShowWindow(hwnd_, SW_RESTORE);
  if (!wasVisible) ShowWindow(hwnd_, SW_HIDE);
}

void Form::SetMenuBar(const std::vector<MenuPopup>& popups) {
  HMENU bar = CreateMenu();
  menuHandlers_.clear();
  for (const MenuPopup& popup : popups) {
    HMENU sub = CreatePopupMenu();
    for (const MenuItem& item : popup.items) {
      if (item.caption == "-") {
        AppendMenuW(sub, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      const UINT id = kFirstMenuId + static_cast<UINT>(menuHandlers_.size());
      menuHandlers_.push_back(item.onClick);
      AppendMenuW(sub, MF_STRING, id, SjisToWide(item.caption).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), SjisToWide(popup.caption).c_str());
  }
  HMENU old = GetMenu(hwnd_);
  ::SetMenu(hwnd_, bar);
  if (old) DestroyMenu(old);
}

HWND Form::Tooltip() {
  if (tooltip_) return tooltip_;
  // Not owned by the form: under Wine an owned tooltip keeps its owner out of the top-most
  // band. The tooltip puts itself on top whenever it shows.
  tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(kTipWidth));
  SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return tooltip_;
}

void Form::ApplyDpi(int dpi, const RECT* suggested) {
  const int old = dpi_;
  dpi_ = dpi;
  if (suggested) {
    SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (dpi != old) {
    SetWindowPos(hwnd_, nullptr, 0, 0, common::RescaleDpi(Width(), old, dpi),
                 common::RescaleDpi(Height(), old, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (dpi == old) return;
  const HFONT oldFont = font_;
  font_ = CreateUiFont(fontSpec_, {}, dpi_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (tooltip_) {
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(kTipWidth));
  }
  std::vector<HWND> children;
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  for (HWND child : children) {
    const auto it = controls_.find(child);
    if (it != controls_.end())
      it->second->OnDpiChanged(old, dpi);
    else
      RescalePlace(child, old, dpi);  // a hosted window, such as a browser
  }
  // Fitted labels measure their new font against neighbours that all stand at the new DPI now.
  for (const auto& entry : controls_)
    if (auto* label = dynamic_cast<Label*>(entry.second)) label->Refit();
  DeleteObject(oldFont);
  Repaint();
}

LRESULT Form::OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam) {
  Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
  if (control) {
    if (HBRUSH brush = control->OnCtlColor(reinterpret_cast<HDC>(wParam), message))
      return reinterpret_cast<LRESULT>(brush);
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      if (lParam != 0) {
        if (Control* c = ControlOf(reinterpret_cast<HWND>(lParam))) c->OnCommand(HIWORD(wParam));
        return 0;
      }
      const UINT id = LOWORD(wParam);
      if (HIWORD(wParam) == 0 && id >= kFirstMenuId && id - kFirstMenuId < menuHandlers_.size()) {
        const auto& handler = menuHandlers_[id - kFirstMenuId];
        if (handler) handler();
      } else if (id == IDOK) {
        // Enter: the dialog keys ask for the default button; the focused button is it.
        if (auto* button = dynamic_cast<Button*>(ControlOf(GetFocus()))) button->Click();
      }
      return 0;
    }
    case WM_NOTIFY: {
      NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
      if (Control* c = ControlOf(header->hwndFrom)) {
        LRESULT result = 0;
        if (c->OnNotify(*header, result)) return result;
      }
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Control* c = ControlOf(reinterpret_cast<HWND>(lParam))) {
        c->OnScroll(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Control* c = ControlOf(item->hwndItem)) {
        c->OnDrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return OnCtlColor(message, wParam, lParam);
    case WM_TIMER: {
      const auto it = timers_.find(static_cast<UINT_PTR>(wParam));
      if (it != timers_.end()) {
        it->second->Tick();
        return 0;
      }
      break;
    }
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, ColorBrush());
      return 1;
    }
    case WM_PAINT:
      if (onPaint) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd_, &ps);
        EndPaint(hwnd_, &ps);
        onPaint();
        return 0;
      }
      break;
    case WM_SHOWWINDOW: {
      const LRESULT r = DefWindowProcW(hwnd_, message, wParam, lParam);
      if (wParam && lParam == 0 && onShow) onShow();
      return r;
    }
    case WM_LBUTTONUP:
      if (onClick) onClick();
      return 0;
    case WM_ACTIVATE:
      // Give the focus back to the control that had it when the form was left.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else if (!HIWORD(wParam)) {
        HWND target = lastFocus_ && IsChild(hwnd_, lastFocus_) ? lastFocus_ : nullptr;
        if (!target) target = NextTabStop(nullptr, false);
        if (target) {
          ::SetFocus(target);
          return 0;
        }
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    EnableCaptionScaling(hwnd);
  } else {
    form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return form->Dispatch(message, wParam, lParam);
  } catch (...) {
    // Exceptions must not cross the system's frames; a handler's error is reported and the
    // program goes on, as the standard exception box promises.
    ShowEscapedException();
    return 0;
  }
}

void InitUi() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof icc;
  icc.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS;
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &Form::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
}

}  // namespace ui
