#include "settings/core/setting_layout.h"

#include "settings/core/setting_table.h"

namespace settings {

namespace {

constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kMaroon = 0x000080;
constexpr uint32_t kGreen = 0x008000;

constexpr int kCheckHeight = 17;
constexpr int kEditHeight = 19;
constexpr int kLadderPitch = 20;  // ladder rows are 20 pixels apart
constexpr int kGroupFirstRow = 14;

LayoutLabel Label(const char* text, int left, int top, uint32_t textColour = kNoLayoutColour,
                  const char* hint = "") {
  return {text, left, top, textColour, hint};
}

ControlLayout Check(int row, int left, int top, int width, const char* caption,
                    const char* hint = "") {
  return {row, left, top, width, kCheckHeight, caption, kNoLayoutColour, hint, {}};
}

ControlLayout Edit(int row, int left, int top, int width, const char* hint,
                   std::vector<LayoutLabel> labels, uint32_t textColour = kNoLayoutColour) {
  return {row, left, top, width, kEditHeight, "", textColour, hint, std::move(labels)};
}

// One ladder group: its edits one under the other, each with the key as its label. Levels
// start at top 14 of the group; a group that holds level 0 puts level 1 at top 34.
void AddLadderGroup(SettingsLayout& layout, const GroupLayout& group, int firstLevel,
                    int (*rowOf)(int), int labelWidth, int editWidth) {
  layout.groups.push_back(group);
  for (int level = firstLevel; level <= kLadderLevels; ++level) {
    const int row = rowOf(level);
    const int top = group.top + kGroupFirstRow + kLadderPitch * (level - firstLevel);
    const int left = group.left + 6;
    layout.controls.push_back(Edit(row, left + labelWidth, top, editWidth, "",
                                   {Label(SettingRows()[row].key, left, top + 3)}));
  }
}

SettingsLayout BuildLayout() {
  SettingsLayout layout;
  auto& c = layout.controls;
  c.push_back(Check(kRowSemiAutoTrade, 8, 32, 110, "半自動取引する"));
  c.push_back(Check(kRowBeginningOnlyBuySell, 120, 32, 128, "仕掛け自動消去する"));
  c.push_back(Check(kRowIndividualLossCut, 250, 32, 100, "個別LossCut",
                    "チェックすると許容損失（ロスカット）を個別に設定します"));
  c.push_back(Check(kRowTrailOrder, 8, 53, 60, "トレール", "クローズトレールをする"));
  c.push_back(Edit(kRowTrailMA, 92, 52, 20, "Trailing用の5分足MAです",
                   {Label("5ma", 70, 56, kBlue)}, kBlue));
  c.push_back(Edit(kRowTrailOn, 152, 52, 17, "Trail－On時の5分足MAからの乖離値",
                   {Label("TrailOn", 114, 56, kMaroon)}, kMaroon));
  c.push_back(Edit(kRowTrailSL, 216, 52, 25, "Trail－On時の5分足MAからのSL値",
                   {Label("TrailSL", 176, 56)}));
  const char* maxSlHint = "個別損失設定しない時の最終ロスカット";
  c.push_back(Edit(kRowMaxStoppLimmite, 293, 52, 38, maxSlHint,
                   {Label("MaxSL", 255, 56, kNoLayoutColour, maxSlHint)}));
  c.push_back(Check(kRowRikakuMode, 8, 72, 45, "離隔", "利益確定離隔"));
  c.push_back(Edit(kRowRikakuBairits, 92, 72, 20, "離隔がOnになる位置（Tp値×倍率）",
                   {Label("NpTp", 55, 75, kGreen), Label("x", 83, 74, kGreen)}));
  c.push_back(
      Edit(kRowRikakuValue, 152, 72, 17, "確保する最小利確値（pips）", {Label("利確値", 114, 75)}));
  AddLadderGroup(layout, {"ナンピン倍率", 5, 95, 76, 218}, 1, NanpinRow, 42, 21);
  AddLadderGroup(layout, {"ナンピン深度", 79, 95, 95, 218}, 1, DepthRow, 50, 33);
  AddLadderGroup(layout, {"予定利益", 172, 75, 78, 238}, 0, TpRow, 34, 33);
  AddLadderGroup(layout, {"許容損失", 248, 75, 90, 238}, 0, LossRow, 46, 33);
  c.push_back(Edit(kRowTradeComment, 32, 326, 306, "", {Label("説明", 6, 330)}));
  return layout;
}

}  // namespace

const SettingsLayout& SettingsWindowLayout() {
  static const SettingsLayout layout = BuildLayout();
  return layout;
}

}  // namespace settings
