#include "settings/core/ladder_hints.h"

#include "common/number_text.h"
#include "common/text.h"

namespace settings {

namespace {

using Extended = long double;

// The double nearest 0.01, widened exactly: the lot of one base position.
constexpr Extended kBaseLot = static_cast<Extended>(0.01);

struct HintKindInfo {
  const char* prefix;
  // Extended figure(level, inputs, m); the guard is checked before.
  Extended (*figure)(int level, const LadderInputs& in, Extended m);
};

Extended LossFigure(int k, const LadderInputs& in, Extended m) {
  if (k == 0) return m * in.loss[0];
  const Extended lossK = in.loss[k];
  Extended s = in.depth[1];
  for (int i = 2; i <= k; ++i) s += in.depth[i];
  s += lossK;
  Extended acc = m * s;
  for (int j = 1; j <= k; ++j) {
    const Extended w = m * in.nanpin[j];
    Extended r = lossK;
    if (j < k) {
      r = in.depth[j + 1];
      for (int i = j + 2; i <= k; ++i) r += in.depth[i];
      r += lossK;
    }
    acc += r * w;
  }
  return acc;
}

Extended ProfitFigure(int k, const LadderInputs& in, Extended m) {
  return m * in.tp[k];
}

Extended TotalLotFigure(int k, const LadderInputs& in, Extended m) {
  Extended s = in.nanpin[1];
  for (int i = 2; i <= k; ++i) s += in.nanpin[i];
  Extended v = s * kBaseLot;
  v += kBaseLot;
  return m * v;
}

const HintKindInfo& KindInfo(HintKind kind) {
  static const HintKindInfo loss = {"損失: ", LossFigure};
  static const HintKindInfo profit = {"利益: ", ProfitFigure};
  static const HintKindInfo totalLot = {"総ロット: ", TotalLotFigure};
  return kind == HintKind::kLoss ? loss : kind == HintKind::kProfit ? profit : totalLot;
}

// Every tested entry must be above 0: the hinted entry itself and, from level 1 on, the
// level's multiplier.
bool GuardPasses(HintKind kind, int k, const LadderInputs& in) {
  const float own = kind == HintKind::kLoss     ? in.loss[k]
                    : kind == HintKind::kProfit ? in.tp[k]
                                                : in.nanpin[k];
  return own > 0 && (k == 0 || in.nanpin[k] > 0);
}

}  // namespace

float PipValueFactor(const LotChoice& checked) {
  const size_t i = common::FirstTickedLot(checked);
  return i < common::kLotChoices ? static_cast<float>(common::kLotMultiples[i]) : 0.0f;
}

float TextToSingle(const std::string& text) {
  // To double first, then to single: a text just beyond the midpoint of two singles may round
  // the other way than a straight conversion would, and the hints show the difference.
  return static_cast<float>(common::SafeStrToDouble(text));
}

LadderInputs ReadLadderInputs(const std::function<std::string(int row)>& textOfRow) {
  LadderInputs in;
  for (int k = 0; k <= kLadderLevels; ++k) {
    if (k >= 1) {
      in.depth[k] = TextToSingle(textOfRow(DepthRow(k)));
      in.nanpin[k] = TextToSingle(textOfRow(NanpinRow(k)));
    }
    in.tp[k] = TextToSingle(textOfRow(TpRow(k)));
    in.loss[k] = TextToSingle(textOfRow(LossRow(k)));
  }
  return in;
}

std::string LadderHint(int row, const LadderInputs& in, float pipValueFactor) {
  const SettingRow& r = SettingRows()[row];
  if (r.hint == HintKind::kNone || !GuardPasses(r.hint, r.level, in)) return {};
  const HintKindInfo& info = KindInfo(r.hint);
  return info.prefix + common::FloatToText(info.figure(r.level, in, pipValueFactor));
}

}  // namespace settings
