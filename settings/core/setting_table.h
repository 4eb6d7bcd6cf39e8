// The settings window's data model: one row per setting key, three text slots per row, and
// the table that says for every row which control shows it, what it starts with, what a load
// resets it to, how its input is cleaned and which hover hint it carries. Everything else in
// the settings editor (file text, map text, handlers, hints) is driven by this table.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace settings {

inline constexpr int kSettingRowCount = 51;
inline constexpr int kSlotCount = 3;
inline constexpr int kLadderLevels = 9;

// Row numbers of the keys that are not ladder levels; the ladder rows follow from the
// functions below (level k holds multiplier, depth, profit and loss in four rows).
enum SettingRowId : int {
  kRowSemiAutoTrade = 0,
  kRowBeginningOnlyBuySell = 1,
  kRowIndividualLossCut = 2,
  kRowTrailOrder = 3,
  kRowRikakuMode = 4,
  kRowMaxStoppLimmite = 5,
  kRowNpTp0 = 6,
  kRowNpLoss0 = 7,
  kRowTrailMA = 8,
  kRowTrailOn = 9,
  kRowTrailSL = 10,
  kRowRikakuBairits = 11,
  kRowRikakuValue = 12,
  kRowAutoTrade = 49,
  kRowTradeComment = 50,
};

constexpr int NanpinRow(int level) {
  return 13 + 4 * (level - 1);
}  // level 1..9
constexpr int DepthRow(int level) {
  return 14 + 4 * (level - 1);
}  // level 1..9
constexpr int TpRow(int level) {
  return level == 0 ? kRowNpTp0 : 15 + 4 * (level - 1);
}
constexpr int LossRow(int level) {
  return level == 0 ? kRowNpLoss0 : 16 + 4 * (level - 1);
}

// The rows without a control that only parameter-set files carry.
enum ExtraRowId : int { kExtraExpiration = 0, kExtraModifyCount = 1, kExtraNewsSite = 2 };
inline constexpr int kExtraRowCount = 3;

enum class ControlKind { kNone, kCheckBox, kEdit };
// kNumber: digits and one point (the ladder's multipliers, profits and losses);
// kDepth: an optional leading minus, digits and points.
enum class FilterKind { kNone, kNumber, kDepth };
enum class HintKind { kNone, kLoss, kProfit, kTotalLot };

struct SettingRow {
  const char* key;
  ControlKind kind;       // the control that shows the row (none for AutoTrade)
  const char* startText;  // the control's text when the window is created
  const char* resetText;  // what slots 0 and 1 get before a set is loaded
  FilterKind filter;
  HintKind hint;
  int level;  // ladder level 0..9 of the hinted and filtered edits, -1 elsewhere
};

// The 51 rows in row order.
const std::array<SettingRow, kSettingRowCount>& SettingRows();
// Whether a check box shows the row (false for a number that is not a row).
bool IsCheckBoxRow(int row);

struct ExtraRow {
  const char* key;
  bool reset;  // whether a load resets it
  const char* resetText;
};
const std::array<ExtraRow, kExtraRowCount>& ExtraRows();

// Rows that have a control, in the order the window transfers them between table and
// controls: the five check boxes, TrailMA .. RikakuValue, the multipliers, depths, profits,
// MaxStoppLimmite, the losses and the trade comment. The settings text and the read-back
// list them in the same order.
const std::vector<int>& ControlRowOrder();

using SlotTexts = std::array<std::string, kSlotCount>;

struct SettingTable {
  std::array<SlotTexts, kSettingRowCount> rows;
  std::array<SlotTexts, kExtraRowCount> extra;

  std::string& Cell(int row, int slot) { return rows[row][slot]; }
  const std::string& Cell(int row, int slot) const { return rows[row][slot]; }
  std::string& Extra(int row, int slot) { return extra[row][slot]; }
  const std::string& Extra(int row, int slot) const { return extra[row][slot]; }
};

// The reset values into slots 0 and 1 (Expiration and NewsSite keep theirs).
void ResetSettingsTable(SettingTable& table);

}  // namespace settings
