// Where the settings window puts its controls: the place, caption, colours and hint of every
// control of the setting table's rows, their labels and the four ladder groups. Colours are
// 0x00BBGGRR values; "no colour" keeps the control's default.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace settings {

inline constexpr uint32_t kNoLayoutColour = 0xFFFFFFFF;

struct LayoutLabel {
  std::string text;
  int left = 0;
  int top = 0;
  uint32_t textColour = kNoLayoutColour;
  std::string hint;
};

struct ControlLayout {
  int row = 0;  // row of the setting table
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;  // check boxes
  uint32_t textColour = kNoLayoutColour;
  std::string hint;  // the fixed hint; the ladder's computed hints start empty
  std::vector<LayoutLabel> labels;
};

struct GroupLayout {
  std::string caption;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct SettingsLayout {
  // Controls in tab order: the check boxes and top edits in reading order, the multiplier,
  // depth, profit and loss groups, then the trade comment.
  std::vector<ControlLayout> controls;
  std::vector<GroupLayout> groups;  // multiplier, depth, profit, loss
};

const SettingsLayout& SettingsWindowLayout();

}  // namespace settings
