#include "settings/core/ladder_hints.h"

#include <gtest/gtest.h>

#include <map>

using namespace settings;

namespace {

// Edits by row; rows not given are empty.
struct Ladder {
  std::map<int, std::string> texts;
  Ladder& Depth(int k, const char* t) { return Set(DepthRow(k), t); }
  Ladder& Nanpin(int k, const char* t) { return Set(NanpinRow(k), t); }
  Ladder& Tp(int k, const char* t) { return Set(TpRow(k), t); }
  Ladder& Loss(int k, const char* t) { return Set(LossRow(k), t); }
  Ladder& Set(int row, const char* t) {
    texts[row] = t;
    return *this;
  }
  std::string Hint(int row, float m = 1) const {
    const LadderInputs in = ReadLadderInputs([&](int r) {
      auto it = texts.find(r);
      return it == texts.end() ? std::string() : it->second;
    });
    return LadderHint(row, in, m);
  }
};

TEST(LadderHints, LossFigures) {
  EXPECT_EQ(Ladder().Depth(1, "20").Loss(1, "30").Nanpin(1, "2").Hint(LossRow(1)), "損失: 110");
  Ladder two;
  two.Depth(1, "20").Depth(2, "30").Loss(2, "40").Nanpin(1, "2").Nanpin(2, "3");
  EXPECT_EQ(two.Hint(LossRow(2)), "損失: 350");
  EXPECT_EQ(two.Hint(LossRow(2), 2), "損失: 700");
  Ladder three;
  three.Depth(1, "10").Depth(2, "15").Depth(3, "20").Loss(3, "25");
  three.Nanpin(1, "1").Nanpin(2, "2").Nanpin(3, "4");
  EXPECT_EQ(three.Hint(LossRow(3)), "損失: 320");
  Ladder nine;
  for (int k = 1; k <= 9; ++k) nine.Depth(k, "10").Nanpin(k, "1");
  nine.Loss(9, "10");
  EXPECT_EQ(nine.Hint(LossRow(9)), "損失: 550");
  EXPECT_EQ(Ladder().Loss(0, "50").Hint(LossRow(0), 3), "損失: 150");
}

TEST(LadderHints, GuardsAndSigns) {
  EXPECT_EQ(Ladder().Loss(0, "0").Hint(LossRow(0)), "");
  EXPECT_EQ(Ladder().Hint(LossRow(0)), "");
  EXPECT_EQ(Ladder().Depth(1, "20").Loss(2, "40").Nanpin(1, "2").Hint(LossRow(2)), "");
  EXPECT_EQ(Ladder().Loss(2, "40").Nanpin(2, "0").Hint(LossRow(2)), "");
  // With the level's multiplier set, an empty lower multiplier adds nothing.
  EXPECT_EQ(Ladder().Depth(1, "20").Depth(2, "30").Loss(2, "40").Nanpin(2, "3").Hint(LossRow(2)),
            "損失: 210");
  EXPECT_EQ(Ladder().Depth(1, "-20").Loss(1, "5").Nanpin(1, "1").Hint(LossRow(1)), "損失: -10");
  EXPECT_EQ(Ladder().Depth(1, "-10").Loss(1, "5").Nanpin(1, "1").Hint(LossRow(1)), "損失: 0");
  EXPECT_EQ(Ladder().Depth(1, "-").Loss(1, "5").Nanpin(1, "1").Hint(LossRow(1)), "損失: 10");
  // No lot chosen: the figure is 0 once the guard passes.
  EXPECT_EQ(Ladder().Depth(1, "20").Loss(1, "30").Nanpin(1, "2").Hint(LossRow(1), 0), "損失: 0");
  EXPECT_EQ(Ladder().Tp(0, "10").Hint(TpRow(0), 0), "利益: 0");
  // Rows without a hint.
  EXPECT_EQ(Ladder().Depth(1, "5").Hint(DepthRow(1)), "");
}

TEST(LadderHints, ProfitFigures) {
  EXPECT_EQ(Ladder().Tp(2, "10").Nanpin(2, "5").Hint(TpRow(2)), "利益: 10");
  EXPECT_EQ(Ladder().Tp(2, "10").Hint(TpRow(2)), "");
  EXPECT_EQ(Ladder().Tp(0, "10").Hint(TpRow(0)), "利益: 10");
  EXPECT_EQ(Ladder().Tp(1, "0.1").Nanpin(1, "1").Hint(TpRow(1)), "利益: 0.100000001490116");
  // 1 + 2^-24 + 1e-30: double 1 + 2^-24, a tie that single precision rounds to even, 1
  // (a straight conversion to single would give 1.00000011920929).
  EXPECT_EQ(Ladder().Tp(1, "1.00000005960464477539062500001").Nanpin(1, "1").Hint(TpRow(1)),
            "利益: 1");
}

TEST(LadderHints, TotalLotFigures) {
  EXPECT_EQ(Ladder().Nanpin(1, "1").Hint(NanpinRow(1)), "総ロット: 0.02");
  Ladder two;
  two.Nanpin(1, "2").Nanpin(2, "3");
  EXPECT_EQ(two.Hint(NanpinRow(2)), "総ロット: 0.06");
  EXPECT_EQ(two.Hint(NanpinRow(2), 5), "総ロット: 0.3");
  EXPECT_EQ(Ladder().Nanpin(1, "1").Nanpin(2, "1.5").Nanpin(3, "2").Hint(NanpinRow(3), 2),
            "総ロット: 0.11");
  EXPECT_EQ(Ladder().Nanpin(1, "0.3").Hint(NanpinRow(1)), "総ロット: 0.0130000001192093");
  EXPECT_EQ(Ladder().Nanpin(1, "1").Hint(NanpinRow(2)), "");
}

TEST(LadderHints, SinglePrecisionInputsExtendedSums) {
  EXPECT_EQ(Ladder().Depth(1, "0.1").Loss(1, "0.2").Nanpin(1, "1").Hint(LossRow(1)),
            "損失: 0.500000007450581");
}

TEST(LadderHints, EveryHintedEditHasOneKindAndLevel) {
  int loss = 0, profit = 0, lot = 0;
  for (const SettingRow& r : SettingRows()) {
    loss += r.hint == HintKind::kLoss;
    profit += r.hint == HintKind::kProfit;
    lot += r.hint == HintKind::kTotalLot;
  }
  EXPECT_EQ(loss, 10);
  EXPECT_EQ(profit, 10);
  EXPECT_EQ(lot, 9);
}

TEST(LadderHints, TextToSingleAndPipValue) {
  EXPECT_EQ(TextToSingle("12abc"), 12.0f);
  EXPECT_EQ(TextToSingle(" 5"), 5.0f);
  EXPECT_EQ(TextToSingle("abc"), 0.0f);
  EXPECT_EQ(TextToSingle("."), 0.0f);
  EXPECT_EQ(TextToSingle(""), 0.0f);
  EXPECT_EQ(TextToSingle("0.1"), 0.1f);

  EXPECT_EQ(PipValueFactor({}), 0.0f);
  EXPECT_EQ(PipValueFactor({true, false, false, false, false, false}), 1.0f);
  EXPECT_EQ(PipValueFactor({false, false, false, true, false, true}), 5.0f);
  EXPECT_EQ(PipValueFactor({false, false, false, false, false, true}), 20.0f);
}

}  // namespace
