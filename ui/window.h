// What forms and controls have in common: the owned HWND, the text (Shift-JIS), place and size,
// visibility, enabling, background and text colours, repaint and focus.
#pragma once

#include <windows.h>

#include <string>

#include "ui/colors.h"

namespace ui {

// The window's rectangle: on the screen for a top-level window, in the parent's client area for
// a child.
RECT PlaceOf(HWND hwnd);

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }

  // Caption of a form, button, label, check box or group box; text of an edit or combo box.
  // Shift-JIS, shown through the W functions (code page 932).
  std::string Text() const;
  virtual void SetText(const std::string& text);

  // The whole window, frame included, in the display's pixels (see Form::Scale). A form
  // counts from the screen's top-left corner, a control from its form's client area.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const;
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  bool Enabled() const;
  void SetEnabled(bool enabled);

  // Background colour (kNoColor: the default) and font colour, as 0x00BBGGRR or a system colour.
  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  COLORREF TextColor() const { return textColor_; }
  void SetTextColor(COLORREF color);
  // Brush of Color() as it resolves now; nullptr for kNoColor. Owned by this window.
  HBRUSH ColorBrush();

  // Draws the window (and its children) now, not at the next idle moment.
  void Repaint();
  void SetFocus();
  bool Focused() const;

 protected:
  Window() = default;

  HWND hwnd_ = nullptr;
  COLORREF color_ = kNoColor;
  COLORREF textColor_ = kNoColor;

 private:
  HBRUSH brush_ = nullptr;
  COLORREF brushRgb_ = 0;
};

}  // namespace ui
