#include "settings/core/input_filters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace settings;

namespace {

TEST(InputFilters, NumberFilter) {
  EXPECT_EQ(NumberFilter("12a"), "12");
  EXPECT_EQ(NumberFilter("."), "");
  EXPECT_EQ(NumberFilter(".5"), "5");
  EXPECT_EQ(NumberFilter("1.2.3"), "1.2.3");
  EXPECT_EQ(NumberFilter("-5"), "5");
  EXPECT_EQ(NumberFilter("１2ソ3"), "23");  // full-width digit and katakana dropped whole
  EXPECT_EQ(NumberFilter(""), "");
}

TEST(InputFilters, DepthFilter) {
  EXPECT_EQ(DepthFilter("-5"), "-5");
  EXPECT_EQ(DepthFilter("--5"), "-5");
  EXPECT_EQ(DepthFilter("5-"), "5");
  EXPECT_EQ(DepthFilter("-"), "-");
  EXPECT_EQ(DepthFilter("1.2.3"), "1.2.3");
  EXPECT_EQ(DepthFilter(".5"), "5");
}

TEST(InputFilters, BackwardSearchAndCut) {
  EXPECT_EQ(PosMbcsLast(".", "1.2.3"), 4);
  EXPECT_EQ(PosMbcsLast(".", "123"), 0);
  EXPECT_EQ(PosMbcsLast(".", ""), 0);
  EXPECT_EQ(PosMbcsLast("ab", "abab"), 3);
  EXPECT_EQ(PosMbcsLast("abc", "ab"), 0);
  // Candidate ends step back over whole double-byte characters, so the lead byte of 表
  // (0x95 0x5C) is never a candidate; its last byte is.
  EXPECT_EQ(PosMbcsLast("\x95", "表"), 0);
  EXPECT_EQ(PosMbcsLast("\x95", "\x95表"), 1);
  EXPECT_EQ(PosMbcsLast("\\", "表"), 2);

  std::string text = "1.2.3";
  EXPECT_EQ(CutBeforeLast(".", text), "1.2");
  EXPECT_EQ(text, "3");
  text = "123";
  EXPECT_EQ(CutBeforeLast(".", text), "123");
  EXPECT_EQ(text, "");

  EXPECT_EQ(CountChar(".", "1.2..3"), 3);
  EXPECT_EQ(CountChar(".", "123"), 0);
}

// An edit whose text replacement raises the change event again, as the real control does.
class FakeEdit : public EditText {
 public:
  FakeEdit(int row, SettingTable& table) : row_(row), table_(table) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override {
    text_ = text;
    sets.push_back(text);
    Type(text_);
  }
  void Type(const std::string& text) {
    text_ = text;
    ++depth_;
    maxDepth = std::max(maxDepth, depth_);
    EditChanged(row_, *this, table_, 0);
    stores.push_back(table_.Cell(row_, 0));
    --depth_;
  }
  std::vector<std::string> sets, stores;
  int maxDepth = 0;

 private:
  int row_;
  SettingTable& table_;
  std::string text_;
  int depth_ = 0;
};

std::string Typed(int row, const std::string& text) {
  SettingTable table;
  FakeEdit edit(row, table);
  edit.Type(text);
  return edit.Text();
}

TEST(InputFilters, OnePointRuleRunsNestedUntilOnePointIsLeft) {
  SettingTable table;
  FakeEdit loss(LossRow(2), table);
  loss.Type("1.2.3.4");
  EXPECT_EQ(loss.Text(), "1.2");
  EXPECT_EQ(loss.sets, (std::vector<std::string>{"1.2.3", "1.2"}));
  EXPECT_EQ(loss.maxDepth, 3);
  // Every run, nested or not, ends by storing what the edit holds.
  EXPECT_EQ(loss.stores, (std::vector<std::string>{"1.2", "1.2", "1.2"}));
  EXPECT_EQ(table.Cell(LossRow(2), 0), "1.2");

  EXPECT_EQ(Typed(LossRow(2), "1.2."), "1.2");
  EXPECT_EQ(Typed(TpRow(3), "1.2.5"), "1.2");
  EXPECT_EQ(Typed(TpRow(1), "0.5.5"), "0.5");
  FakeEdit nanpin(NanpinRow(1), table);
  nanpin.Type("a1.2.3");
  EXPECT_EQ(nanpin.sets, (std::vector<std::string>{"1.2.3", "1.2"}));
  EXPECT_EQ(table.Cell(NanpinRow(1), 0), "1.2");
  EXPECT_EQ(Typed(TpRow(3), "."), "");
}

TEST(InputFilters, HandlersStoreTheirOwnKeyOnly) {
  SettingTable table;
  FakeEdit nanpin(NanpinRow(1), table), depth(DepthRow(4), table), trail(kRowTrailMA, table);
  nanpin.Type("12x");
  EXPECT_EQ(nanpin.sets, std::vector<std::string>{"12"});
  depth.Type("--5");
  EXPECT_EQ(depth.Text(), "-5");
  depth.sets.clear();
  depth.Type("1.2.3");
  EXPECT_TRUE(depth.sets.empty());
  trail.Type("abc.1.2");
  EXPECT_TRUE(trail.sets.empty());
  EXPECT_EQ(table.Cell(kRowTrailMA, 0), "abc.1.2");
  EXPECT_EQ(table.Cell(DepthRow(4), 0), "1.2.3");
  EXPECT_EQ(table.Cell(NanpinRow(1), 0), "12");
  for (int row = 0; row < kSettingRowCount; ++row)
    if (row != kRowTrailMA && row != DepthRow(4) && row != NanpinRow(1)) {
      EXPECT_EQ(table.Cell(row, 0), "") << row;
    }

  CheckBoxChanged(kRowTrailOrder, true, table, 0);
  EXPECT_EQ(table.Cell(kRowTrailOrder, 0), "1");
  CheckBoxChanged(kRowTrailOrder, false, table, 0);
  EXPECT_EQ(table.Cell(kRowTrailOrder, 0), "0");
}

}  // namespace
