// The form: a top-level window that owns its controls, timers, menu bar and tooltips.
//
// A window class derives from Form, passes its FormArgs to the base, and holds its controls
// and timers as members, created in declaration order after the form's window exists:
//
//   class TSample : public ui::Form {
//    public:
//     TSample() : Form({.caption = "見本", .width = 255, .height = 225, .color = 0xFFCCCC}) {
//       cmdOk.onClick = [this] { cmdOkClick(); };
//       FormCreate();  // the creation handler runs last in the constructor
//     }
//     ~TSample() override { FormDestroy(); }  // the destruction handler, if any
//     ui::Button cmdOk{*this, {.text = "OK", .left = 8, .top = 8, .width = 60, .height = 23}};
//     ui::Timer tmrTick{*this, {.interval = 1000}};
//     ...
//   };
//
// Sizes, positions and font heights are written in the pixels of a 96-DPI display: the form
// and its controls scale them to the display's DPI when they are created, and again when the
// form moves to a display of another DPI. What the window reads back (Left, Width, ...) and
// sets later (SetBounds, SetWidth, ...) are the display's own pixels; a 96-DPI figure that a
// handler computes with goes through Scale first (Scale(240), Left() - Scale(5)).
//
// Events run on the window thread. An exception that escapes a handler is shown in the
// application's standard exception box (ShowExceptionBox) and the program goes on.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/dpi_scale.h"
#include "ui/colors.h"
#include "ui/font.h"
#include "ui/window.h"

namespace ui {

void InitUi();
class Control;
class Timer;

enum class FormBorder {
  Sizeable,  // caption, resizing frame
  Single,    // caption, fixed frame
  Dialog,    // caption, dialog frame, no icon
  None,      // no caption and no frame (a splash)
  Tool,      // small caption of a tool window, fixed frame
};

struct FormArgs {
  std::string caption{};  // Shift-JIS
  int left = 0;           // on the screen, in the screen's own pixels (ui::ScaleForScreen)
  int top = 0;
  int width = 0;  // whole window, frame included, 96-DPI pixels ...
  int height = 0;
  int clientWidth = 0;  // ... or the client area, when these are set
  int clientHeight = 0;
  FormBorder border = FormBorder::Sizeable;
  bool minimizeBox = true;
  bool maximizeBox = true;
  COLORREF color = kColorBtnFace;
  FontSpec font{};  // empty: kUiFontFace, kUiFontHeight
};

// Menu bar: popups of entries; an entry captioned "-" is a separator. "&" marks the hotkey.
struct MenuItem {
  std::string caption;
  std::function<void()> onClick;
};
struct MenuPopup {
  std::string caption;
  std::vector<MenuItem> items;
};

class Form : public Window {
 public:
  explicit Form(const FormArgs& args);
  ~Form() override;

  // Shown (each time the form becomes visible).
  std::function<void()> onShow;
  // Asked before closing; false keeps the form open.
  std::function<bool()> onCloseQuery;
  // Closing: runs, then the form hides (the main form also ends the message loop).
  std::function<void()> onClose;
  // A click on the form itself (labels without a hint let clicks through to it).
  std::function<void()> onClick;
  // After the form painted its background.
  std::function<void()> onPaint;

  // Closes as the close box does: onCloseQuery, onClose, hide; also when already hidden.
  void Close();
  void SetVisible(bool visible) override;  // showing also brings the form to the front

  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  // The top-most band; position, size and z-order otherwise unchanged.
  void SetTopMost(bool topMost);
  bool TopMost() const;
  // Transparency: 0 invisible ... 255 opaque (the start).
  void SetAlpha(BYTE alpha);
  BYTE Alpha() const { return alpha_; }
  // Restores a minimised or maximised form to its normal size; a hidden form stays hidden.
  void RestoreNormal();

  void SetMenuBar(const std::vector<MenuPopup>& popups);

  HFONT Font() const { return font_; }
  const FontSpec& FontSpecOf() const { return fontSpec_; }

  // Dots per inch of the display the form is on.
  int Dpi() const { return dpi_; }
  // A figure in 96-DPI pixels, in the pixels of the form's display.
  int Scale(int value) const { return common::ScaleToDpi(value, dpi_); }

  // Message dispatch. Override to catch a message, and call Form::Dispatch for the rest.
  // The base reflects WM_COMMAND, WM_NOTIFY, WM_HSCROLL/WM_VSCROLL, WM_DRAWITEM and
  // WM_CTLCOLOR* to the control that owns the child window, runs menu entries and timers,
  // paints the background, handles closing and lays the form out anew on WM_DPICHANGED.
  virtual LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  // The Tab key moves the focus to the next stop in the order the controls were created, and
  // Shift+Tab back, whatever their z-order (a control may be raised over another's caption).
  // True when the key was taken; a control that wants the key itself (a memo) keeps it.
  bool TakeTabKey(const MSG& msg);

  // The form of a window handle (nullptr for other windows).
  static Form* FromHandle(HWND hwnd);
  // The control that owns a child window (or the child's child, as a combo box's edit).
  Control* ControlOf(HWND child) const;

 private:
  friend class Control;
  friend class Timer;
  friend void InitUi();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Tooltip();  // created on first use
  // The stop of the Tab key after the control `from` (nullptr: the first), or before it.
  HWND NextTabStop(HWND from, bool backward) const;
  // Rescales the font, every child window and the form itself to `dpi`; the form goes to
  // `suggested` (the system's rectangle for the new display) when given.
  void ApplyDpi(int dpi, const RECT* suggested);

  HFONT font_ = nullptr;
  FontSpec fontSpec_;
  std::vector<std::function<void()>> menuHandlers_;
  std::map<HWND, Control*> controls_;
  std::map<UINT_PTR, Timer*> timers_;
  UINT_PTR nextTimerId_ = 1;
  int nextControlId_ = 100;
  // Consecutive radio buttons form one group; a new group starts after any other control.
  int radioGroup_ = 0;
  bool lastWasRadio_ = false;
  HWND lastNormalControl_ = nullptr;  // the frames lie beneath it
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  BYTE alpha_ = 255;
  int dpi_ = common::kDesignDpi;
};

}  // namespace ui
