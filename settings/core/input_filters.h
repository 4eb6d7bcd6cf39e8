// Cleaning of what the trader types into the ladder edits, and the change handler's work on
// an edit whose text replacement raises its change event again.
#pragma once

#include <string>

#include "settings/core/setting_table.h"

namespace settings {

// Digits, then digits and points; every other byte (double-byte characters whole) is dropped.
std::string NumberFilter(const std::string& text);
// As NumberFilter, but the first kept byte may also be a minus sign.
std::string DepthFilter(const std::string& text);

// How many bytes of the text equal the one-byte character.
int CountChar(const std::string& character, const std::string& text);
// The part before the last delimiter; text keeps the part after it. Without the delimiter the
// whole text comes back and text becomes empty.
std::string CutBeforeLast(const std::string& delimiter, std::string& text);
// 1-based start of the needle's last occurrence, 0 when none; steps back over whole
// double-byte characters.
int PosMbcsLast(const std::string& needle, const std::string& text);

// The edit as a change handler sees it. Setting a text raises the edit's change event, so
// the handler may run again inside SetText.
class EditText {
 public:
  virtual ~EditText() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// The change handler of an edit: cleans the text by the row's filter (the number filter also
// keeps only the first point, replacing the text until one is left), then stores what the
// edit holds in the row's cell of the slot.
void EditChanged(int row, EditText& edit, SettingTable& table, int slot);
// Where the caret goes once the handler has cleaned `typed` (the caret at `caret`) down to
// `kept`, whose bytes are some of typed's in order: after the kept bytes that stood before it,
// so a rejected key leaves the caret where the key was typed.
int CaretAfterCleaning(const std::string& typed, int caret, const std::string& kept);
// The click handler of a check box: "1" when ticked, "0" when not.
void CheckBoxChanged(int row, bool ticked, SettingTable& table, int slot);

}  // namespace settings
