#include "ui/window.h"

#include <vector>

#include "common/win/codepage.h"

namespace ui {

RECT PlaceOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

Window::~Window() {
  if (brush_) DeleteObject(brush_);
}

std::string Window::Text() const {
  const int n = GetWindowTextLengthW(hwnd_);
  if (n <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
  const int got = GetWindowTextW(hwnd_, buffer.data(), n + 1);
  return WideToSjis(std::wstring(buffer.data(), static_cast<size_t>(got > 0 ? got : 0)));
}

void Window::SetText(const std::string& text) {
  SetWindowTextW(hwnd_, SjisToWide(text).c_str());
}

int Window::Left() const {
  return PlaceOf(hwnd_).left;
}
int Window::Top() const {
  return PlaceOf(hwnd_).top;
}
int Window::Width() const {
  const RECT r = PlaceOf(hwnd_);
  return r.right - r.left;
}
int Window::Height() const {
  const RECT r = PlaceOf(hwnd_);
  return r.bottom - r.top;
}

void Window::SetLeft(int left) {
  SetBounds(left, Top(), Width(), Height());
}
void Window::SetTop(int top) {
  SetBounds(Left(), top, Width(), Height());
}
void Window::SetWidth(int width) {
  SetBounds(Left(), Top(), width, Height());
}
void Window::SetHeight(int height) {
  SetBounds(Left(), Top(), Width(), height);
}

void Window::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::Visible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void Window::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Window::Enabled() const {
  return IsWindowEnabled(hwnd_) != FALSE;
}

void Window::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void Window::SetColor(COLORREF color) {
  color_ = color;
  // A combo box paints through its child edit.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Window::SetTextColor(COLORREF color) {
  textColor_ = color;
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Window::Repaint() {
  RedrawWindow(hwnd_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Window::SetFocus() {
  ::SetFocus(hwnd_);
}

bool Window::Focused() const {
  const HWND focus = GetFocus();
  return focus != nullptr && (focus == hwnd_ || IsChild(hwnd_, focus));
}

HBRUSH Window::ColorBrush() {
  if (color_ == kNoColor) return nullptr;
  const COLORREF rgb = ResolveColor(color_);
  if (brush_ && brushRgb_ == rgb) return brush_;
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(rgb);
  brushRgb_ = rgb;
  return brush_;
}

}  // namespace ui
