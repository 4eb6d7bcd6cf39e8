#include "settings/core/setting_layout.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/core/setting_table.h"

using namespace settings;

namespace {

TEST(SettingLayout, EveryControlOnceInTabOrder) {
  const SettingsLayout& layout = SettingsWindowLayout();
  std::vector<int> order;
  for (const ControlLayout& c : layout.controls) order.push_back(c.row);
  // Reading order of the top rows, then multiplier, depth, profit and loss groups, then the
  // comment.
  std::vector<int> expected = {kRowSemiAutoTrade,     kRowBeginningOnlyBuySell,
                               kRowIndividualLossCut, kRowTrailOrder,
                               kRowTrailMA,           kRowTrailOn,
                               kRowTrailSL,           kRowMaxStoppLimmite,
                               kRowRikakuMode,        kRowRikakuBairits,
                               kRowRikakuValue};
  for (int k = 1; k <= 9; ++k) expected.push_back(NanpinRow(k));
  for (int k = 1; k <= 9; ++k) expected.push_back(DepthRow(k));
  for (int k = 0; k <= 9; ++k) expected.push_back(TpRow(k));
  for (int k = 0; k <= 9; ++k) expected.push_back(LossRow(k));
  expected.push_back(kRowTradeComment);
  EXPECT_EQ(order, expected);
  // Every row with a control has a place; the others none.
  std::set<int> placed(order.begin(), order.end());
  for (int row = 0; row < kSettingRowCount; ++row)
    EXPECT_EQ(placed.count(row), SettingRows()[row].kind != ControlKind::kNone ? 1u : 0u) << row;
}

TEST(SettingLayout, LadderRowsTwentyPixelsApartInsideTheirGroups) {
  const SettingsLayout& layout = SettingsWindowLayout();
  ASSERT_EQ(layout.groups.size(), 4u);
  for (const ControlLayout& c : layout.controls) {
    const int level = SettingRows()[c.row].level;
    if (level < 0) continue;
    const SettingRow& r = SettingRows()[c.row];
    const int group = r.hint == HintKind::kTotalLot    ? 0
                      : r.filter == FilterKind::kDepth ? 1
                      : r.hint == HintKind::kProfit    ? 2
                                                       : 3;
    const GroupLayout& g = layout.groups[group];
    const int firstLevel = group >= 2 ? 0 : 1;
    EXPECT_EQ(c.top - g.top, 14 + 20 * (level - firstLevel)) << c.row;
    EXPECT_GT(c.left, g.left);
    EXPECT_LE(c.left + c.width, g.left + g.width) << c.row;
    EXPECT_LE(c.top + c.height, g.top + g.height) << c.row;
  }
}

}  // namespace
