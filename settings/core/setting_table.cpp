#include "settings/core/setting_table.h"

namespace settings {

namespace {

using CK = ControlKind;

}  // namespace

const std::array<SettingRow, kSettingRowCount>& SettingRows() {
  // clang-format off
  static const std::array<SettingRow, kSettingRowCount> rows = {{
      {"SemiAutoTrade", CK::kCheckBox, "", "", FilterKind::kNone, HintKind::kNone, -1},  // 0
      {"BeginningOnlyBuySell", CK::kCheckBox, "", "", FilterKind::kNone, HintKind::kNone, -1},  // 1
      {"IndividualLossCut", CK::kCheckBox, "", "", FilterKind::kNone, HintKind::kNone, -1},  // 2
      {"TrailOrder", CK::kCheckBox, "", "", FilterKind::kNone, HintKind::kNone, -1},  // 3
      {"RikakuMode", CK::kCheckBox, "", "", FilterKind::kNone, HintKind::kNone, -1},  // 4
      {"MaxStoppLimmite", CK::kEdit, "", "2500", FilterKind::kNone, HintKind::kNone, -1},  // 5
      {"NpTp0", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 0},  // 6
      {"NpLoss0", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 0},  // 7
      {"TrailMA", CK::kEdit, "10", "10", FilterKind::kNone, HintKind::kNone, -1},  // 8
      {"TrailOn", CK::kEdit, "12", "12", FilterKind::kNone, HintKind::kNone, -1},  // 9
      {"TrailSL", CK::kEdit, "1.2", "1.2", FilterKind::kNone, HintKind::kNone, -1},  // 10
      {"RikakuBairits", CK::kEdit, "0.5", "0.5", FilterKind::kNone, HintKind::kNone, -1},  // 11
      {"RikakuValue", CK::kEdit, "5", "5", FilterKind::kNone, HintKind::kNone, -1},  // 12
      {"Nanpin1", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 1},  // 13
      {"NpDepth1", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 1},  // 14
      {"NpTp1", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 1},  // 15
      {"NpLoss1", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 1},  // 16
      {"Nanpin2", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 2},  // 17
      {"NpDepth2", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 2},  // 18
      {"NpTp2", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 2},  // 19
      {"NpLoss2", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 2},  // 20
      {"Nanpin3", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 3},  // 21
      {"NpDepth3", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 3},  // 22
      {"NpTp3", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 3},  // 23
      {"NpLoss3", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 3},  // 24
      {"Nanpin4", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 4},  // 25
      {"NpDepth4", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 4},  // 26
      {"NpTp4", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 4},  // 27
      {"NpLoss4", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 4},  // 28
      {"Nanpin5", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 5},  // 29
      {"NpDepth5", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 5},  // 30
      {"NpTp5", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 5},  // 31
      {"NpLoss5", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 5},  // 32
      {"Nanpin6", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 6},  // 33
      {"NpDepth6", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 6},  // 34
      {"NpTp6", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 6},  // 35
      {"NpLoss6", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 6},  // 36
      {"Nanpin7", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 7},  // 37
      {"NpDepth7", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 7},  // 38
      {"NpTp7", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 7},  // 39
      {"NpLoss7", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 7},  // 40
      {"Nanpin8", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 8},  // 41
      {"NpDepth8", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 8},  // 42
      {"NpTp8", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 8},  // 43
      {"NpLoss8", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 8},  // 44
      {"Nanpin9", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kTotalLot, 9},  // 45
      {"NpDepth9", CK::kEdit, "", "", FilterKind::kDepth, HintKind::kNone, 9},  // 46
      {"NpTp9", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kProfit, 9},  // 47
      {"NpLoss9", CK::kEdit, "", "", FilterKind::kNumber, HintKind::kLoss, 9},  // 48
      {"AutoTrade", CK::kNone, "", "", FilterKind::kNone, HintKind::kNone, -1},  // 49
      {"TradeComment", CK::kEdit, "", "", FilterKind::kNone, HintKind::kNone, -1},  // 50
  }};
  // clang-format on
  return rows;
}

bool IsCheckBoxRow(int row) {
  return row >= 0 && row < kSettingRowCount && SettingRows()[row].kind == ControlKind::kCheckBox;
}

const std::array<ExtraRow, kExtraRowCount>& ExtraRows() {
  static const std::array<ExtraRow, kExtraRowCount> rows = {{
      {"Expiration", false, ""},
      {"ModifyCount", true, "10000"},
      {"NewsSite", false, ""},
  }};
  return rows;
}

const std::vector<int>& ControlRowOrder() {
  static const std::vector<int> order = [] {
    std::vector<int> rows = {kRowSemiAutoTrade,     kRowBeginningOnlyBuySell,
                             kRowIndividualLossCut, kRowTrailOrder,
                             kRowRikakuMode,        kRowTrailMA,
                             kRowTrailOn,           kRowTrailSL,
                             kRowRikakuBairits,     kRowRikakuValue};
    for (int k = 1; k <= kLadderLevels; ++k) rows.push_back(NanpinRow(k));
    for (int k = 1; k <= kLadderLevels; ++k) rows.push_back(DepthRow(k));
    for (int k = 0; k <= kLadderLevels; ++k) rows.push_back(TpRow(k));
    rows.push_back(kRowMaxStoppLimmite);
    for (int k = 0; k <= kLadderLevels; ++k) rows.push_back(LossRow(k));
    rows.push_back(kRowTradeComment);
    return rows;
  }();
  return order;
}

void ResetSettingsTable(SettingTable& table) {
  for (int slot = 0; slot <= 1; ++slot) {
    for (int row = 0; row < kSettingRowCount; ++row)
      table.Cell(row, slot) = SettingRows()[row].resetText;
    for (int row = 0; row < kExtraRowCount; ++row)
      if (ExtraRows()[row].reset) table.Extra(row, slot) = ExtraRows()[row].resetText;
  }
}

}  // namespace settings
