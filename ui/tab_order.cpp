// The Tab key's walk through a form's controls.
#include <algorithm>
#include <climits>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

namespace ui {

namespace {

bool IsTabStop(const Control& control) {
  const HWND hwnd = control.Handle();
  if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP) || !IsWindowVisible(hwnd) ||
      !IsWindowEnabled(hwnd))
    return false;
  const auto* radio = dynamic_cast<const RadioButton*>(&control);
  return radio == nullptr || radio->IsGroupStop();
}

}  // namespace

HWND Form::NextTabStop(HWND from, bool backward) const {
  // Control identifiers count up in the order of creation.
  std::vector<int> stops;
  for (const auto& [hwnd, control] : controls_)
    if (IsTabStop(*control)) stops.push_back(GetDlgCtrlID(hwnd));
  if (stops.empty()) return nullptr;
  std::sort(stops.begin(), stops.end());
  const int at = from ? GetDlgCtrlID(from) : (backward ? INT_MAX : 0);
  int id = backward ? stops.back() : stops.front();  // round from the end to the start
  if (!backward) {
    const auto after = std::upper_bound(stops.begin(), stops.end(), at);
    if (after != stops.end()) id = *after;
  } else {
    const auto before = std::lower_bound(stops.begin(), stops.end(), at);
    if (before != stops.begin()) id = *std::prev(before);
  }
  return GetDlgItem(hwnd_, id);
}

bool Form::TakeTabKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0 ||
      GetKeyState(VK_MENU) < 0)
    return false;
  const HWND focus = GetFocus();
  if (focus && (SendMessageW(focus, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&msg)) &
                (DLGC_WANTTAB | DLGC_WANTALLKEYS)))
    return false;
  const Control* current = ControlOf(focus);
  const HWND next = NextTabStop(current ? current->Handle() : nullptr, GetKeyState(VK_SHIFT) < 0);
  if (!next) return false;
  // As in the system's dialogs: the keyboard shows where the focus is, and an edit reached by
  // the key has its whole text selected.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  ::SetFocus(next);
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    SendMessageW(next, EM_SETSEL, 0, -1);
  return true;
}

}  // namespace ui
