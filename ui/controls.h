// The controls. Each owns its child window on a Form and is created from ControlArgs (plus a
// few options of its kind); events are std::function members, set them in the form's
// constructor:
//
//   ui::Edit txtPrice{*this, {.left = 8, .top = 120, .width = 70, .height = 21},
//                     {.inputMethod = false}};
//   txtPrice.onChange = [this] { txtPriceChange(); };
//
// Setting a value in code raises the same event as the user does (Edit::SetText -> onChange,
// CheckBox/RadioButton::SetChecked -> onClick when the tick changes, TrackBar::SetPosition ->
// onChange when the position changes). Texts are Shift-JIS.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/colors.h"
#include "ui/font.h"
#include "ui/window.h"

namespace ui {

class Form;

// Place and size in 96-DPI pixels, scaled to the form's display (see Form::Scale).
struct ControlArgs {
  std::string text{};  // caption, or the first text of an edit or combo box
  int left = 0;        // in the form's client area
  int top = 0;
  int width = 0;  // a label with width or height 0 fits its text
  int height = 0;
  std::string hint{};             // tooltip; empty: none (SetHint changes it later)
  COLORREF color = kNoColor;      // background
  COLORREF textColor = kNoColor;  // font colour
  FontSpec font{};                // empty: the form's font
  bool visible = true;
  bool enabled = true;
};

// The arguments of a control at a place, with a size and a caption; the rest as declared.
ControlArgs At(int left, int top, int width, int height, std::string text = {});

class Control : public Window {
 public:
  ~Control() override;

  Form& Owner() const { return form_; }

  // Mouse moved over the control (client coordinates).
  std::function<void(int x, int y)> onMouseMove;

  // The tooltip shown when the mouse rests on the control; empty shows none. Takes effect at
  // once, also while the tip is up.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  // Called by the form with what it reflects from the control's notifications.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual void OnScroll(WORD /*code*/) {}
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // Brush and colours for WM_CTLCOLOR*: nullptr lets the system choose.
  virtual HBRUSH OnCtlColor(HDC dc, UINT message);
  // The form moved to a display of another DPI: place, size and font follow.
  virtual void OnDpiChanged(int oldDpi, int newDpi);
  // A frame (group box, panel) lies beneath the other controls and around some of them.
  bool IsFrame() const { return layer_ == Layer::Beneath; }

 protected:
  // Frames (group boxes, panels) lie beneath every other control; the others keep their
  // order of creation. The Tab key follows the order of creation, whatever the z-order.
  enum class Layer { Normal, Beneath };
  Control(Form& form, const ControlArgs& args, const wchar_t* className, DWORD style,
          DWORD exStyle = 0, Layer layer = Layer::Normal);
  // Labels, check boxes, radio buttons, group boxes and track bars show the form's colour
  // unless given their own; edits, lists and buttons keep the system's.
  virtual bool TakesFormColor() const { return false; }
  // Every control of the form.
  std::vector<Control*> FormControls() const;
  // Fitted labels that reach from the left into this control end where it begins.
  void MakeRoomBeside();
  Form& form_;
  int radioGroup_ = 0;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);
  Layer layer_;
  HFONT ownFont_ = nullptr;
  FontSpec ownFontSpec_;
  std::string hint_;
  bool toolAdded_ = false;
};

enum class ButtonLook {
  Standard,   // push button; the caption drawn in TextColor() when set
  FlatArrow,  // small flat button: a caption "▲" or "▼" is drawn as a triangle in TextColor()
};

class Button : public Control {
 public:
  Button(Form& form, const ControlArgs& args, ButtonLook look = ButtonLook::Standard);
  std::function<void()> onClick;
  // Set: the second click of a quick pair comes here (after onClick for the first). Not set:
  // both clicks of the pair go to onClick.
  std::function<void()> onDoubleClick;
  // As if the user pressed it.
  void Click();

  void OnCommand(WORD code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  ButtonLook look_;
};

struct EditOptions {
  bool readOnly = false;
  bool inputMethod = true;  // false: direct input only (the input method editor is off)
  bool multiLine = false;   // a memo: lines separated by CR LF
};

// An edit that the focus has left, or whose text was set, shows its text from the first
// character: a box scrolled to its caret would otherwise go on showing a value by its tail.
// Coming back to it puts the caret where it was left.
class Edit : public Control {
 public:
  Edit(Form& form, const ControlArgs& args, EditOptions options = {});
  // The text changed, by the user or by SetText (which raises it exactly once, also when the
  // text stays the same, and may run nested inside a handler that sets the text).
  std::function<void()> onChange;
  void SetText(const std::string& text) override;
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  // The caret, as the number of bytes of the Shift-JIS text before it.
  int Caret() const;
  void PlaceCaret(int position);

  void OnCommand(WORD code) override;
  void OnDpiChanged(int oldDpi, int newDpi) override;

 private:
  bool settingText_ = false;
  DWORD leftStart_ = 0;  // the selection when the focus left
  DWORD leftEnd_ = 0;
};

// What a check box and a radio button share: the tick, the click event, the form's colour.
// A caption with a blank of two or more spaces leaves room for a control placed over it: the
// words after the blank are drawn where that control ends, whatever the font's spaces measure.
class TickButton : public Control {
 public:
  // Clicked by the user, or the tick changed by SetChecked.
  std::function<void()> onClick;
  bool Checked() const;

  void OnCommand(WORD code) override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;

 protected:
  // A tick button with a text colour is drawn without the visual theme, which would ignore it.
  TickButton(Form& form, const ControlArgs& args, DWORD style, bool checked);
  void SetTick(bool checked);
  bool TakesFormColor() const override { return true; }

 private:
  // Draws box and caption with the words after the blank moved clear of the control in it;
  // false when the caption has no such blank.
  bool DrawAroundBlank(HDC dc);
};

class CheckBox : public TickButton {
 public:
  CheckBox(Form& form, const ControlArgs& args, bool checked = false);
  void SetChecked(bool checked);
};

// Radio buttons created one after the other form a group: ticking one clears the others. The
// group is one stop of the Tab key, and the arrow keys move the tick within it.
class RadioButton : public TickButton {
 public:
  RadioButton(Form& form, const ControlArgs& args, bool checked = false);
  void SetChecked(bool checked);
  // The group's stop: the ticked button, or the first while none is ticked.
  bool IsGroupStop() const;

 private:
  std::vector<RadioButton*> Group() const;  // in the order of creation
};

// A frame with a caption; the controls "in" it are the form's own, placed over it (the group
// box lies beneath every other control, whenever it was created).
class GroupBox : public Control {
 public:
  GroupBox(Form& form, const ControlArgs& args);

 protected:
  bool TakesFormColor() const override { return true; }
};

// A raised area; like a group box it lies beneath the controls placed over it.
class Panel : public Control {
 public:
  Panel(Form& form, const ControlArgs& args);
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;
};

// Static text. Clicks go through to the form unless the label has a hint. A label created
// without a width or a height fits its text, but never reaches past the control beside it: a
// text too long for the room is cut rather than drawn over that control's value.
class Label : public Control {
 public:
  Label(Form& form, const ControlArgs& args);
  void SetText(const std::string& text) override;  // a fitted label fits the new text

  // Fits the label anew when it is fitted: after a change of font or of its neighbours.
  void Refit();

 protected:
  bool TakesFormColor() const override { return true; }

 private:
  void FitText();
  bool fitted_ = false;
};

// Editable drop-down: the user types a text or picks one of the items.
// The messages of a list of texts with one selected; a combo box's and a list box's differ
// only in their names.
struct ItemListMessages {
  UINT add, reset, count, textLength, text, getSelection, setSelection;
};

// What a combo box and a list box share: the texts of the list and the selected one.
class ItemList : public Control {
 public:
  void AddItem(const std::string& item);
  void ClearItems();
  int ItemCount() const;
  std::string Item(int index) const;
  int ItemIndex() const;  // -1: none
  void SetItemIndex(int index);

 protected:
  ItemList(Form& form, const ControlArgs& args, const wchar_t* className, DWORD style,
           DWORD exStyle, const ItemListMessages& messages);

 private:
  const ItemListMessages& messages_;
};

// Its edit, like an Edit, shows the text from the first character once left or set.
class ComboBox : public ItemList {
 public:
  ComboBox(Form& form, const ControlArgs& args, const std::vector<std::string>& items = {});
  void SetText(const std::string& text) override;
  void OnCommand(WORD code) override;
  void OnDpiChanged(int oldDpi, int newDpi) override;

 private:
  int droppedHeight_;  // 96-DPI pixels: the edit and the list below it
};

class ListBox : public ItemList {
 public:
  ListBox(Form& form, const ControlArgs& args);
};

struct TrackBarOptions {
  int min = 0;
  int max = 10;
  int position = 0;
  bool vertical = false;  // vertical: the minimum at the top
  bool ticksBothSides = false;
};

class TrackBar : public Control {
 public:
  TrackBar(Form& form, const ControlArgs& args, TrackBarOptions options = {});
  // The position changed, by the user or by SetPosition.
  std::function<void()> onChange;
  int Position() const;
  void SetPosition(int position);
  int Min() const;
  int Max() const;

  void OnScroll(WORD code) override;

 protected:
  bool TakesFormColor() const override { return true; }

 private:
  void NoteChange();
  int lastPosition_;
};

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, const ControlArgs& args, int min = 0, int max = 100);
  int Min() const;
  int Max() const;
  void SetMin(int min);
  void SetMax(int max);
  int Position() const;
  void SetPosition(int position);
  void SetStep(int step);
  void StepBy(int delta);
};

}  // namespace ui
