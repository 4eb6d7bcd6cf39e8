// The controls: events reflected from their notifications, texts in Shift-JIS, colours given
// to the system through WM_CTLCOLOR*, tooltips, fonts that carry Japanese glyphs.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>
#include <vector>

#include "common/win/codepage.h"
#include "tests/windows/ui/sample_form.h"

namespace {

struct CtlColorResult {
  COLORREF brush;
  COLORREF background;
  COLORREF text;
};

// Asks the form for the colours of a child window, as the child itself does before painting.
CtlColorResult AskColours(ui::Form& form, HWND child, UINT message) {
  HDC dc = GetDC(child);
  SetTextColor(dc, 0x123456);
  SetBkColor(dc, 0x654321);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      form.Handle(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
  LOGBRUSH lb{};
  if (brush) GetObjectW(brush, sizeof lb, &lb);
  CtlColorResult r{brush ? lb.lbColor : CLR_INVALID, GetBkColor(dc), GetTextColor(dc)};
  ReleaseDC(child, dc);
  return r;
}

struct TooltipSearch {
  HWND form;
  HWND control;
  HWND found;
};

BOOL CALLBACK NoteTooltipOf(HWND h, LPARAM data) {
  auto* s = reinterpret_cast<TooltipSearch*>(data);
  wchar_t name[32];
  GetClassNameW(h, name, 32);
  if (lstrcmpW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = s->form;
  ti.uId = reinterpret_cast<UINT_PTR>(s->control);
  if (SendMessageW(h, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti))) s->found = h;
  return TRUE;
}

// The tooltip window that holds the control's tool.
HWND FindTooltipOf(HWND form, HWND control) {
  TooltipSearch search{form, control, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), NoteTooltipOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(Button, ClickAndDoubleClickAreReflected) {
  SampleForm form;
  form.Show();
  int clicks = 0, doubles = 0;
  form.cmdBuy.onClick = [&] { ++clicks; };
  form.cmdBuy.onDoubleClick = [&] { ++doubles; };
  SendMessageW(form.cmdBuy.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  const HWND h = form.cmdBuy.Handle();
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED),
               reinterpret_cast<LPARAM>(h));
  EXPECT_EQ(clicks, 2);
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_DOUBLECLICKED),
               reinterpret_cast<LPARAM>(h));
  EXPECT_EQ(doubles, 1);
  form.cmdBuy.Click();
  EXPECT_EQ(clicks, 3);
  // A disabled button takes no click.
  form.cmdBuy.SetEnabled(false);
  SendMessageW(form.cmdBuy.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 3);
}

// A quick double click as the mouse delivers it: down, up, double-click, up.
void MouseDoubleClick(HWND button) {
  const LPARAM inside = MAKELPARAM(3, 3);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageW(button, WM_LBUTTONUP, 0, inside);
  SendMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
  SendMessageW(button, WM_LBUTTONUP, 0, inside);
}

TEST(Button, QuickSecondClickCountsUnlessTheButtonWaitsForDoubleClicks) {
  SampleForm form;
  form.Show();
  int clicks = 0, doubles = 0;
  form.cmdBuy.onClick = [&] { ++clicks; };
  MouseDoubleClick(form.cmdBuy.Handle());
  EXPECT_EQ(clicks, 2);
  form.cmdBuy.onDoubleClick = [&] { ++doubles; };
  MouseDoubleClick(form.cmdBuy.Handle());
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(doubles, 1);
}

TEST(Button, EnterClicksTheFocusedButtonOnly) {
  SampleForm form;
  form.Show();
  int clicks = 0;
  form.cmdBuy.onClick = [&] { ++clicks; };
  form.txtPrice.SetFocus();
  MSG enter{form.txtPrice.Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(form.Handle(), &enter));
  EXPECT_EQ(clicks, 0);
  form.cmdBuy.SetFocus();
  enter.hwnd = form.cmdBuy.Handle();
  EXPECT_TRUE(IsDialogMessageW(form.Handle(), &enter));
  EXPECT_EQ(clicks, 1);
}

TEST(Form, FocusReturnsToTheControlThatHadIt) {
  SampleForm form;
  form.Show();
  form.txtPrice.SetText("1.23450");
  form.txtPrice.SetFocus();
  form.txtPrice.PlaceCaret(4);
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  form.cmdBuy.SetFocus();  // as the focus wanders while the form is inactive
  SendMessageW(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(form.txtPrice.Focused());
  EXPECT_EQ(form.txtPrice.Caret(), 4);  // shown from the start meanwhile, the caret kept
}

TEST(Edit, ChangeEventOnTypingAndOncePerSetText) {
  SampleForm form;
  form.Show();
  int changes = 0;
  form.txtPrice.onChange = [&] { ++changes; };
  form.txtPrice.SetText("1.5");
  EXPECT_EQ(changes, 1);
  form.txtPrice.SetText("1.5");  // the same text raises it too
  EXPECT_EQ(changes, 2);
  SendMessageW(form.txtPrice.Handle(), WM_CHAR, '7', 0);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(form.txtPrice.Text(), "71.5");  // the caret stood at the start after SetText
}

TEST(Edit, HandlerThatReplacesItsOwnTextRunsNested) {
  SampleForm form;
  std::vector<std::string> seen;
  form.txtPrice.onChange = [&] {
    const std::string text = form.txtPrice.Text();
    seen.push_back(text);
    std::string digits;
    for (char c : text)
      if (c >= '0' && c <= '9') digits += c;
    if (digits != text) form.txtPrice.SetText(digits);
  };
  form.txtPrice.SetText("1a2ソ3");
  EXPECT_EQ(form.txtPrice.Text(), "123");
  EXPECT_EQ(seen, (std::vector<std::string>{"1a2ソ3", "123"}));
}

TEST(Edit, ReadOnlyAndInputMethodOff) {
  SampleForm form;
  EXPECT_TRUE(form.txtPending.ReadOnly());
  EXPECT_FALSE(form.txtPrice.ReadOnly());
  EXPECT_EQ(ImmGetContext(form.txtPrice.Handle()), nullptr);
  HIMC own = ImmGetContext(form.txtPending.Handle());
  EXPECT_NE(own, nullptr);
  ImmReleaseContext(form.txtPending.Handle(), own);
  form.txtPending.SetReadOnly(false);
  EXPECT_FALSE(form.txtPending.ReadOnly());
}

TEST(Text, ShiftJisRoundTripsThroughEveryKindOfControl) {
  SampleForm form;
  const std::string text = "表ソ設定ｶﾀｶﾅ①～";
  ASSERT_EQ(std::string("表ソ").substr(0, 4), "\x95\x5C\x83\x5C");  // the build writes Shift-JIS
  ASSERT_EQ(std::string("ｶ"), "\xB6");
  form.txtPrice.SetText(text);
  EXPECT_EQ(form.txtPrice.Text(), text);
  wchar_t wide[64];
  GetWindowTextW(form.txtPrice.Handle(), wide, 64);
  EXPECT_STREQ(wide, L"表ソ設定ｶﾀｶﾅ①～");
  form.SetText(text);
  EXPECT_EQ(form.Text(), text);
  form.cmdBuy.SetText(text);
  EXPECT_EQ(form.cmdBuy.Text(), text);
  form.lblNote.SetText(text);
  EXPECT_EQ(form.lblNote.Text(), text);
  form.chkFront.SetText(text);
  EXPECT_EQ(form.chkFront.Text(), text);
  form.cmbSetName.SetText(text);
  EXPECT_EQ(form.cmbSetName.Text(), text);
  form.cmbSetName.AddItem(text);
  EXPECT_EQ(form.cmbSetName.Item(form.cmbSetName.ItemCount() - 1), text);
  form.lstTitles.AddItem(text);
  EXPECT_EQ(form.lstTitles.Item(2), text);
  EXPECT_EQ(form.lstTitles.Item(1), "MetaTrader 4 表示");
}

TEST(CheckBox, ClickTogglesAndSetCheckedRaisesClickOnlyOnChange) {
  SampleForm form;
  form.Show();
  std::vector<bool> clicks;
  form.chkFront.onClick = [&] { clicks.push_back(form.chkFront.Checked()); };
  SendMessageW(form.chkFront.Handle(), BM_CLICK, 0, 0);
  form.chkFront.SetChecked(true);  // already ticked: nothing
  form.chkFront.SetChecked(false);
  EXPECT_EQ(clicks, (std::vector<bool>{true, false}));
}

TEST(RadioButton, OneTickedPerGroup) {
  SampleForm form;
  form.Show();
  EXPECT_TRUE(form.rdo1.Checked());
  int clicks = 0;
  form.rdo2.onClick = [&] { ++clicks; };
  form.rdo2.SetChecked(true);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(form.rdo1.Checked());
  EXPECT_TRUE(form.rdo2.Checked());
  SendMessageW(form.rdo3.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.rdo3.Checked());
  EXPECT_FALSE(form.rdo2.Checked());
  // Radio buttons after another control start a group of their own.
  ui::RadioButton other(form, {.text = "他", .left = 1, .top = 230, .width = 40, .height = 16},
                        true);
  form.rdo1.SetChecked(true);
  EXPECT_TRUE(other.Checked());
  EXPECT_FALSE(form.rdo3.Checked());
}

TEST(TrackBar, ChangeOnMoveAndOnSetPositionWithNestedReset) {
  SampleForm form;
  const LONG style = GetWindowLongW(form.trkOffset.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & TBS_VERT);
  EXPECT_TRUE(style & TBS_BOTH);
  EXPECT_EQ(form.trkOffset.Min(), 0);
  EXPECT_EQ(form.trkOffset.Max(), 100);
  EXPECT_EQ(form.trkOffset.Position(), 50);
  std::vector<int> seen;
  bool resetToCentre = false;
  form.trkOffset.onChange = [&] {
    seen.push_back(form.trkOffset.Position());
    if (resetToCentre) form.trkOffset.SetPosition(50);
  };
  form.trkOffset.SetPosition(50);
  EXPECT_TRUE(seen.empty());
  form.trkOffset.SetPosition(30);
  // The user drags: the bar moves, then tells the form.
  SendMessageW(form.trkOffset.Handle(), TBM_SETPOS, TRUE, 45);
  SendMessageW(form.Handle(), WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, 45),
               reinterpret_cast<LPARAM>(form.trkOffset.Handle()));
  resetToCentre = true;
  form.trkOffset.SetPosition(70);
  EXPECT_EQ(seen, (std::vector<int>{30, 45, 70, 50}));
  EXPECT_EQ(form.trkOffset.Position(), 50);
}

TEST(Colours, SystemColourValuesResolve) {
  EXPECT_EQ(ui::ResolveColor(ui::kColorWindow), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ui::ResolveColor(0x80000005), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ui::ResolveColor(ui::kColor3DLight), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(ui::ResolveColor(0xFFCCCC), 0xFFCCCCu);
  EXPECT_TRUE(ui::IsSystemColor(0x80000005));
  EXPECT_FALSE(ui::IsSystemColor(0x00FFFF));
}

TEST(Colours, ControlsAnswerCtlColorWithTheirBackgroundAndText) {
  SampleForm form;
  // An edit without its own colour leaves the choice to the system.
  CtlColorResult r = AskColours(form, form.txtPrice.Handle(), WM_CTLCOLOREDIT);
  EXPECT_EQ(r.brush, GetSysColor(COLOR_WINDOW));
  form.txtPrice.SetColor(0xAAFFFF);
  r = AskColours(form, form.txtPrice.Handle(), WM_CTLCOLOREDIT);
  EXPECT_EQ(r.brush, 0xAAFFFFu);
  EXPECT_EQ(r.background, 0xAAFFFFu);
  form.txtPrice.SetColor(ui::kColorWindow);
  r = AskColours(form, form.txtPrice.Handle(), WM_CTLCOLOREDIT);
  EXPECT_EQ(r.brush, GetSysColor(COLOR_WINDOW));
  // A read-only edit asks as static text.
  form.txtPending.SetColor(0x99FF99);
  r = AskColours(form, form.txtPending.Handle(), WM_CTLCOLORSTATIC);
  EXPECT_EQ(r.brush, 0x99FF99u);
  // Labels and check boxes take the form's colour unless given their own.
  r = AskColours(form, form.lblNote.Handle(), WM_CTLCOLORSTATIC);
  EXPECT_EQ(r.brush, 0xFFCCCCu);
  EXPECT_EQ(r.background, 0xFFCCCCu);
  form.chkFront.SetColor(ui::kYellow);
  r = AskColours(form, form.chkFront.Handle(), WM_CTLCOLORSTATIC);
  EXPECT_EQ(r.brush, 0x00FFFFu);
  r = AskColours(form, form.chkBlue.Handle(), WM_CTLCOLORSTATIC);
  EXPECT_EQ(r.text, ui::kBlue);
  EXPECT_EQ(r.brush, 0xFFCCCCu);
  // A label's font colour changes at run time.
  form.lblNote.SetTextColor(0x9900FF);
  r = AskColours(form, form.lblNote.Handle(), WM_CTLCOLORSTATIC);
  EXPECT_EQ(r.text, 0x9900FFu);
  // The combo box's edit asks for its combo box's colour.
  form.cmbSetName.SetColor(ui::kYellow);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(form.cmbSetName.Handle(), &info));
  r = AskColours(form, info.hwndItem, WM_CTLCOLOREDIT);
  EXPECT_EQ(r.brush, 0x00FFFFu);
}

TEST(Colours, EditIsPaintedInItsColour) {
  SampleForm form;
  form.SetBounds(20, 20, 310, 290);
  form.Show();
  form.txtPending.SetColor(0xFFFFAA);
  form.txtPending.SetText("");
  form.Repaint();
  HDC dc = GetDC(form.txtPending.Handle());
  RECT r;
  GetClientRect(form.txtPending.Handle(), &r);
  EXPECT_EQ(GetPixel(dc, r.right - 3, r.bottom / 2), 0xFFFFAAu);
  ReleaseDC(form.txtPending.Handle(), dc);
}

TEST(Tooltip, HintTextIsTheToolTextAndChangesAtOnce) {
  SampleForm form;
  auto toolText = [&](ui::Control& control) {
    HWND tip = FindTooltipOf(form.Handle(), control.Handle());
    wchar_t buffer[256] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = form.Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    ti.lpszText = buffer;
    SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&ti));
    return WideToSjis(buffer);
  };
  EXPECT_EQ(form.cmdSend.Hint(), "EAに値を設定します");
  EXPECT_EQ(toolText(form.cmdSend), "EAに値を設定します");
  form.txtPrice.onMouseMove = [&](int, int) { form.txtPrice.SetHint("総ロット: 0.02"); };
  SendMessageW(form.txtPrice.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  EXPECT_EQ(toolText(form.txtPrice), "総ロット: 0.02");
  form.txtPrice.SetHint("損失: 110");
  EXPECT_EQ(toolText(form.txtPrice), "損失: 110");
  form.txtPrice.SetHint("");
  EXPECT_EQ(toolText(form.txtPrice), "");
  // A label with a hint takes the mouse; one without lets clicks through to the form.
  EXPECT_EQ(SendMessageW(form.lblNote.Handle(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  form.lblNote.SetHint("両方");
  EXPECT_TRUE(GetWindowLongW(form.lblNote.Handle(), GWL_STYLE) & SS_NOTIFY);
}

TEST(Control, MouseMoveGivesClientCoordinates) {
  SampleForm form;
  int x = -1, y = -1;
  form.txtPrice.onMouseMove = [&](int px, int py) {
    x = px;
    y = py;
  };
  SendMessageW(form.txtPrice.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(7, 9));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 9);
}

TEST(Control, PlaceVisibilityAndFocus) {
  SampleForm form;
  form.Show();
  EXPECT_EQ(form.txtPrice.Left(), 8);
  EXPECT_EQ(form.txtPrice.Top(), 110);
  EXPECT_EQ(form.txtPrice.Width(), 80);
  EXPECT_EQ(form.cmbSetName.Height() < 40, true) << "the closed height, not the list's";
  form.cmdBuy.SetBounds(10, 12, 70, 30);
  EXPECT_EQ(form.cmdBuy.Left(), 10);
  EXPECT_EQ(form.cmdBuy.Height(), 30);
  form.cmdBuy.Hide();
  EXPECT_FALSE(form.cmdBuy.Visible());
  form.txtPrice.SetFocus();
  EXPECT_TRUE(form.txtPrice.Focused());
  // A fitted label grows with its text, but ends where the control beside it begins, also one
  // made after it, rather than cover that control.
  form.lblNote.SetText("←");
  const int before = form.lblNote.Width();
  form.lblNote.SetText("←現在価格 ｶﾀｶﾅ とても長い説明");
  EXPECT_GT(form.lblNote.Width(), before);
  EXPECT_EQ(form.lblNote.Left() + form.lblNote.Width(), form.trkOffset.Left());
}

TEST(Lists, ComboAndListItems) {
  SampleForm form;
  EXPECT_EQ(form.cmbSetName.Text(), "標準設定");
  EXPECT_EQ(form.cmbSetName.ItemCount(), 2);
  form.cmbSetName.SetItemIndex(1);
  EXPECT_EQ(form.cmbSetName.Text(), "ソース表");
  form.cmbSetName.ClearItems();
  EXPECT_EQ(form.cmbSetName.ItemCount(), 0);
  EXPECT_EQ(form.lstTitles.ItemCount(), 2);
  EXPECT_EQ(form.lstTitles.ItemIndex(), -1);
  form.lstTitles.SetItemIndex(1);
  EXPECT_EQ(form.lstTitles.ItemIndex(), 1);
  form.lstTitles.ClearItems();
  EXPECT_EQ(form.lstTitles.ItemCount(), 0);
}

TEST(ProgressBar, RangeStepAndDelta) {
  SampleForm form;
  EXPECT_EQ(form.prgDownload.Position(), 40);
  form.prgDownload.SetMax(250000);  // beyond 16 bits: a long download
  form.prgDownload.SetMin(0);
  form.prgDownload.SetPosition(0);
  form.prgDownload.StepBy(1024);
  form.prgDownload.StepBy(100000);
  EXPECT_EQ(form.prgDownload.Max(), 250000);
  EXPECT_EQ(form.prgDownload.Position(), 101024);
}

TEST(Font, JapaneseGlyphsExistInTheUiFont) {
  SampleForm form;
  HDC dc = GetDC(form.Handle());
  HGDIOBJ old = SelectObject(dc, form.Font());
  WORD glyphs[4] = {};
  const wchar_t text[] = L"表ソｶ設";
  ASSERT_EQ(GetGlyphIndicesW(dc, text, 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 4u);
  for (WORD g : glyphs) EXPECT_NE(g, 0xFFFF);
  EXPECT_EQ(GetTextCharset(dc), SHIFTJIS_CHARSET);
  SelectObject(dc, old);
  ReleaseDC(form.Handle(), dc);
}

}  // namespace

TEST(Frames, GroupBoxAndPanelLieBeneathAndTheInsideShowsTheFormColour) {
  SampleForm form;
  form.SetBounds(20, 20, 310, 290);
  form.Show();
  form.Repaint();
  // Beneath every control: the last children in z-order; the others in creation order.
  EXPECT_EQ(GetWindow(form.cmdBuy.Handle(), GW_HWNDLAST), form.pnlTop.Handle());
  EXPECT_EQ(GetWindow(form.pnlTop.Handle(), GW_HWNDPREV), form.grpLot.Handle());
  EXPECT_EQ(GetWindow(form.grpLot.Handle(), GW_HWNDPREV), form.memConvert.Handle());
  EXPECT_EQ(GetWindow(form.Handle(), GW_CHILD), form.rdo1.Handle());
  EXPECT_EQ(GetWindow(form.rdo1.Handle(), GW_HWNDNEXT), form.rdo2.Handle());
  HDC dc = GetDC(form.Handle());
  // Between the radio buttons, inside the group box.
  EXPECT_EQ(GetPixel(dc, 14, 64), 0xFFCCCCu);
  EXPECT_EQ(GetPixel(dc, 120, 90), 0xFFCCCCu);
  ReleaseDC(form.Handle(), dc);
}

TEST(Edit, MemoKeepsLines) {
  SampleForm form;
  form.memConvert.SetText("一行目\r\n二行目ｶﾅ\r\n");
  EXPECT_EQ(form.memConvert.Text(), "一行目\r\n二行目ｶﾅ\r\n");
  form.memConvert.SetText("");
  EXPECT_EQ(form.memConvert.Text(), "");
}
