// The settings window's sending, read-back, editing and hints, driven through its handlers.
#include <gtest/gtest.h>

#include "common/channel_names.h"
#include "common/win/shared_text_map.h"
#include "settings/core/setting_table.h"
#include "tests/windows/settings/settings_fixture.h"
#include "ui/colors.h"

using namespace common;
using namespace settings;

namespace {

constexpr COLORREF kFormColour = 0xFFCCCC;

using SettingsSend = SettingsWindowTest;
using SettingsReadBack = SettingsWindowTest;
using SettingsEditing = SettingsWindowTest;

TEST_F(SettingsSend, AllEmptyControlsByteForByte) {
  ClearControls();
  conv->Config.DataPath = "";
  setting_->cmdEASettingClick();
  const std::string expected =
      "PelmorarSetting\r\nSemiAutoTrade=0\r\nBeginningOnlyBuySell=0\r\nIndividualLossCut=0\r\n"
      "TrailOrder=0\r\nRikakuMode=0\r\nTrailMA=\r\nTrailOn=\r\nTrailSL=\r\nRikakuBairits=\r\n"
      "RikakuValue=\r\nNanpin1=\r\nNanpin2=\r\nNanpin3=\r\nNanpin4=\r\nNanpin5=\r\nNanpin6=\r\n"
      "Nanpin7=\r\nNanpin8=\r\nNanpin9=\r\nNpDepth1=\r\nNpDepth2=\r\nNpDepth3=\r\nNpDepth4=\r\n"
      "NpDepth5=\r\nNpDepth6=\r\nNpDepth7=\r\nNpDepth8=\r\nNpDepth9=\r\nNpTp0=\r\nNpTp1=\r\n"
      "NpTp2=\r\nNpTp3=\r\nNpTp4=\r\nNpTp5=\r\nNpTp6=\r\nNpTp7=\r\nNpTp8=\r\nNpTp9=\r\n"
      "MaxStoppLimmite=\r\nNpLoss0=\r\nNpLoss1=\r\nNpLoss2=\r\nNpLoss3=\r\nNpLoss4=\r\n"
      "NpLoss5=\r\nNpLoss6=\r\nNpLoss7=\r\nNpLoss8=\r\nNpLoss9=\r\nTradeComment=\r\n"
      "SettingName=\r\nBuiltInTimes=0\r\nDataPath=\r\n";
  EXPECT_EQ(MapBytes(), expected + std::string(2048 - expected.size(), '\0'));
}

TEST_F(SettingsSend, ControlsLotAndDataPathGoOut) {
  ClearControls();
  setting_->CheckBoxOf(kRowRikakuMode).SetChecked(true);
  setting_->EditOf(kRowTrailSL).SetText("1.20");
  setting_->EditOf(kRowTradeComment).SetText("表ソ");
  setting_->cmbSetName.SetText("標準設定");
  conv->rdo_Times20.SetChecked(true);
  conv->Config.DataPath = "C:\\MT4\\data\\";
  setting_->cmdEASettingClick();
  const std::string text = MapText();
  EXPECT_NE(text.find("\r\nRikakuMode=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nTrailSL=1.20\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nTradeComment=表ソ\r\nSettingName=標準設定\r\nBuiltInTimes=20\r\n"
                      "DataPath=C:\\MT4\\data\\\r\n"),
            std::string::npos);
}

TEST_F(SettingsSend, TextTooLongForTheMapIsNotSentAtAll) {
  ClearControls();
  conv->Config.DataPath = "";
  setting_->cmdEASettingClick();
  const size_t room = 2047 - MapText().size();  // comment bytes that still fit
  ASSERT_LT(room, 1500u);

  setting_->EditOf(kRowTradeComment).SetText(std::string(room, 'a'));
  conv->SettingStatus = "ReadOK";
  setting_->cmdEASettingClick();
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(MapText(), setting_->BuildSettingsMapText());
  EXPECT_EQ(MapText().size(), 2047u);
  EXPECT_EQ(conv->SettingStatus, "SendOK");
  const std::string whole = MapBytes();

  for (size_t comment : {room + 1, size_t{1500}}) {
    messages_.clear();
    conv->SettingStatus = "ReadOK";
    setting_->EditOf(kRowTradeComment).SetText(std::string(comment, 'c'));
    setting_->cmdEASettingClick();
    EXPECT_EQ(MapBytes(), whole) << comment;
    EXPECT_EQ(conv->SettingStatus, "ReadOK");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text,
              "設定が長すぎてＥＡに送信できません！\n「説明」を短くしてください");
    EXPECT_EQ(messages_[0].caption, ApplicationTitle());
  }
}

TEST_F(SettingsSend, StatusMovesFromReadOkToSendOkOnly) {
  ClearControls();
  setting_->cmdEASettingClick();
  EXPECT_EQ(conv->SettingStatus, "");
  conv->SettingStatus = "ReadOK";
  setting_->cmdEASettingClick();
  EXPECT_EQ(conv->SettingStatus, "SendOK");
  setting_->cmdEASettingClick();
  EXPECT_EQ(conv->SettingStatus, "SendOK");
}

TEST_F(SettingsReadBack, DifferencesTurnYellowAndBack) {
  ClearControls();
  setting_->EditOf(kRowTrailSL).SetText("1.20");
  setting_->CheckBoxOf(kRowTrailOrder).SetChecked(true);
  setting_->cmbSetName.SetText("A");
  setting_->cmdEASettingClick();
  setting_->tmrReadWriteTimer();
  for (int row : ControlRowOrder()) {
    if (row == kRowTradeComment) continue;
    const bool check = IsCheckBoxRow(row);
    const ui::Window& control =
        check ? static_cast<ui::Window&>(setting_->CheckBoxOf(row)) : setting_->EditOf(row);
    EXPECT_EQ(control.Color(), check ? kFormColour : ui::kColorWindow) << row;
  }
  EXPECT_EQ(setting_->cmbSetName.Color(), ui::kColorWindow);

  setting_->EditOf(kRowTrailSL).SetText("1.2");  // a number equal in value is still a change
  setting_->CheckBoxOf(kRowTrailOrder).SetChecked(false);
  setting_->cmbSetName.SetText("B");
  setting_->EditOf(kRowTradeComment).SetText("never compared");
  const COLORREF commentColour = setting_->EditOf(kRowTradeComment).Color();
  setting_->tmrReadWriteTimer();
  EXPECT_EQ(setting_->EditOf(kRowTrailSL).Color(), ui::kYellow);
  EXPECT_EQ(setting_->CheckBoxOf(kRowTrailOrder).Color(), ui::kYellow);
  EXPECT_EQ(setting_->cmbSetName.Color(), ui::kYellow);
  EXPECT_EQ(setting_->EditOf(kRowTradeComment).Color(), commentColour);

  setting_->EditOf(kRowTrailSL).SetText("1.20");
  setting_->tmrReadWriteTimer();
  EXPECT_EQ(setting_->EditOf(kRowTrailSL).Color(), ui::kColorWindow);
}

TEST_F(SettingsReadBack, EmptyMapChangesNoColour) {
  conv->SettingMap.WriteText("");
  setting_->EditOf(NanpinRow(1)).SetColor(ui::kYellow);
  setting_->EditOf(NanpinRow(2)).SetColor(ui::kColorWindow);
  setting_->tmrReadWriteTimer();
  EXPECT_EQ(setting_->EditOf(NanpinRow(1)).Color(), ui::kYellow);
  EXPECT_EQ(setting_->EditOf(NanpinRow(2)).Color(), ui::kColorWindow);
}

TEST_F(SettingsReadBack, HiddenWindowTickChangesNothing) {
  ClearControls();
  setting_->cmdEASettingClick();
  setting_->tmrReadWriteTimer();  // all in agreement, the loss edits disabled
  const std::string caption = setting_->cmdReadWrite.Text();
  setting_->Hide();
  // Keys, the loss-cut box and an unsent edit would each change the window on a shown tick.
  keysDown_ = {VK_CONTROL};
  setting_->CheckBoxOf(kRowIndividualLossCut).SetChecked(true);
  setting_->EditOf(kRowTrailMA).SetText("99");
  setting_->tmrReadWriteTimer();
  EXPECT_EQ(setting_->cmdReadWrite.Text(), caption);
  EXPECT_TRUE(setting_->EditOf(kRowMaxStoppLimmite).Enabled());
  EXPECT_FALSE(setting_->EditOf(LossRow(0)).Enabled());
  EXPECT_EQ(setting_->EditOf(kRowTrailMA).Color(), ui::kColorWindow);
  EXPECT_EQ(setting_->CheckBoxOf(kRowIndividualLossCut).Color(), kFormColour);
}

TEST_F(SettingsReadBack, TextLeftByTheExpertSideSurvivesAndIsComparedAtOnce) {
  ClearControls();
  SharedTextMap expertSide;  // holds the map while the window's side is away
  ASSERT_TRUE(expertSide.Open(kSettingMapName, kSettingMapSize, kSettingMapSize));
  expertSide.WriteText("PelmorarSetting\r\nTrailMA=77\r\nNanpin1=\r\n");
  conv->SettingMap.Close();
  setting_->FormCreate();
  EXPECT_EQ(MapText(), "PelmorarSetting\r\nTrailMA=77\r\nNanpin1=\r\n");
  setting_->tmrReadWriteTimer();
  EXPECT_EQ(setting_->EditOf(kRowTrailMA).Color(), ui::kYellow);
  EXPECT_EQ(setting_->EditOf(NanpinRow(1)).Color(), ui::kColorWindow);
}

TEST_F(SettingsReadBack, ButtonModesFromTheKeys) {
  struct Case {
    std::vector<int> keys;
    const char* caption;
    COLORREF colour;
  } cases[] = {
      {{VK_CONTROL}, "保存", 0x000080}, {{VK_SHIFT, VK_CONTROL}, "削除", 0x0000FF},
      {{VK_DELETE}, "削除", 0x0000FF},  {{VK_SHIFT}, "読込", 0xFF0000},
      {{}, "読込", 0xFF0000},
  };
  for (const Case& c : cases) {
    keysDown_ = c.keys;
    setting_->tmrReadWriteTimer();
    EXPECT_EQ(setting_->cmdReadWrite.Text(), c.caption);
    EXPECT_EQ(setting_->cmdReadWrite.TextColor(), c.colour);
    EXPECT_TRUE(setting_->tmrReadWrite.Enabled());
  }
}

TEST_F(SettingsReadBack, IndividualLossCutSwitchesTheLossEdits) {
  ClearControls();
  setting_->cmdEASettingClick();
  setting_->CheckBoxOf(kRowIndividualLossCut).SetChecked(true);
  setting_->tmrReadWriteTimer();
  EXPECT_FALSE(setting_->EditOf(kRowMaxStoppLimmite).Enabled());
  for (int k = 0; k <= 9; ++k) EXPECT_TRUE(setting_->EditOf(LossRow(k)).Enabled());

  setting_->CheckBoxOf(kRowIndividualLossCut).SetChecked(false);
  setting_->EditOf(LossRow(3)).SetText("5");
  setting_->tmrReadWriteTimer();
  EXPECT_TRUE(setting_->EditOf(kRowMaxStoppLimmite).Enabled());
  for (int k = 0; k <= 9; ++k) EXPECT_FALSE(setting_->EditOf(LossRow(k)).Enabled());
  // A disabled edit is still compared.
  EXPECT_EQ(setting_->EditOf(LossRow(3)).Color(), ui::kYellow);
}

TEST_F(SettingsEditing, RealEditsRunTheFiltersNested) {
  ClearControls();
  setting_->EditOf(LossRow(2)).SetText("1.2.3.4");
  EXPECT_EQ(setting_->EditOf(LossRow(2)).Text(), "1.2");
  EXPECT_EQ(setting_->SettingTable.Cell(LossRow(2), 0), "1.2");
  setting_->EditOf(NanpinRow(1)).SetText("１2ソa");
  EXPECT_EQ(setting_->EditOf(NanpinRow(1)).Text(), "2");
  setting_->EditOf(DepthRow(4)).SetText("--5");
  EXPECT_EQ(setting_->EditOf(DepthRow(4)).Text(), "-5");
  EXPECT_EQ(setting_->SettingTable.Cell(DepthRow(4), 0), "-5");
  setting_->EditOf(kRowTrailMA).SetText("abc");
  EXPECT_EQ(setting_->SettingTable.Cell(kRowTrailMA, 0), "abc");
  setting_->CheckBoxOf(kRowTrailOrder).SetChecked(true);
  EXPECT_EQ(setting_->SettingTable.Cell(kRowTrailOrder, 0), "1");
  setting_->CheckBoxOf(kRowTrailOrder).SetChecked(false);
  EXPECT_EQ(setting_->SettingTable.Cell(kRowTrailOrder, 0), "0");
}

// Keys typed one by one into an edit, each where the caret stands.
std::string Typed(ui::Edit& edit, const std::string& keys) {
  for (char key : keys) SendMessageW(edit.Handle(), WM_CHAR, static_cast<WPARAM>(key), 0);
  return edit.Text();
}

TEST_F(SettingsEditing, RejectedKeyLeavesTheCaretWhereItWas) {
  ClearControls();
  EXPECT_EQ(Typed(setting_->EditOf(NanpinRow(1)), "1,5"), "15");
  EXPECT_EQ(setting_->SettingTable.Cell(NanpinRow(1), 0), "15");
  EXPECT_EQ(Typed(setting_->EditOf(LossRow(3)), "1.2.5"), "1.25");
  EXPECT_EQ(Typed(setting_->EditOf(DepthRow(4)), "--5"), "-5");
  // Inside the text: the key is refused where it was typed, and the next one lands there.
  ui::Edit& middle = setting_->EditOf(NanpinRow(2));
  middle.SetText("12");
  middle.PlaceCaret(1);
  EXPECT_EQ(Typed(middle, "x3"), "132");
  EXPECT_EQ(setting_->SettingTable.Cell(NanpinRow(2), 0), "132");
}

TEST_F(SettingsEditing, HintsFollowTheLadderAndTheLot) {
  ClearControls();
  conv->rdo_Times1.SetChecked(true);
  setting_->EditOf(DepthRow(1)).SetText("20");
  setting_->EditOf(DepthRow(2)).SetText("30");
  setting_->EditOf(LossRow(2)).SetText("40");
  setting_->EditOf(NanpinRow(1)).SetText("2");
  setting_->EditOf(NanpinRow(2)).SetText("3");
  setting_->LadderEditMouseMove(LossRow(2));
  EXPECT_EQ(setting_->EditOf(LossRow(2)).Hint(), "損失: 350");
  conv->rdo_Times2.SetChecked(true);
  setting_->LadderEditMouseMove(LossRow(2));
  EXPECT_EQ(setting_->EditOf(LossRow(2)).Hint(), "損失: 700");
  setting_->LadderEditMouseMove(NanpinRow(2));
  EXPECT_EQ(setting_->EditOf(NanpinRow(2)).Hint(), "総ロット: 0.12");
  setting_->EditOf(NanpinRow(2)).SetText("");
  setting_->LadderEditMouseMove(LossRow(2));
  EXPECT_EQ(setting_->EditOf(LossRow(2)).Hint(), "");
  // Only the edit under the mouse changes its hint.
  EXPECT_EQ(setting_->EditOf(NanpinRow(2)).Hint(), "総ロット: 0.12");
  EXPECT_EQ(setting_->PipValueFactor(), 2.0f);
  conv->rdo_Times2.SetChecked(false);
  EXPECT_EQ(setting_->PipValueFactor(), 0.0f);
}

TEST_F(SettingsEditing, MouseOverAHintedEditSetsItsHint) {
  ClearControls();
  conv->rdo_Times1.SetChecked(true);
  setting_->EditOf(DepthRow(1)).SetText("20");
  setting_->EditOf(LossRow(1)).SetText("30");
  setting_->EditOf(NanpinRow(1)).SetText("2");
  SendMessageW(setting_->EditOf(LossRow(1)).Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(setting_->EditOf(LossRow(1)).Hint(), "損失: 110");
  // The hinted edits, and only they, listen to the mouse: the depths carry no hint.
  for (int row : ControlRowOrder()) {
    if (SettingRows()[row].kind != ControlKind::kEdit) continue;
    EXPECT_EQ(static_cast<bool>(setting_->EditOf(row).onMouseMove),
              SettingRows()[row].hint != HintKind::kNone)
        << row;
  }
}

TEST_F(SettingsEditing, CloseKeepsTheSetNameForTheNextShow) {
  setting_->cmbSetName.SetText("typed only");
  setting_->Close();
  EXPECT_EQ(conv->Config.LastSetName, "typed only");
  setting_->Show();
  EXPECT_EQ(setting_->cmbSetName.Text(), "typed only");
}

}  // namespace
