#include "settings/core/input_filters.h"

#include "common/text.h"

namespace settings {

namespace {

// Keeps each byte that lies in the first set while nothing is kept yet, or in the second
// set afterwards.
std::string KeepFrom(const std::string& text, const std::string& first, const std::string& rest) {
  std::string result;
  for (char c : text)
    if (common::PosMbcs(std::string(1, c), result.empty() ? first : rest) > 0) result += c;
  return result;
}

}  // namespace

std::string NumberFilter(const std::string& text) {
  return KeepFrom(text, "0123456789", "0123456789.");
}

std::string DepthFilter(const std::string& text) {
  return KeepFrom(text, "-0123456789", "0123456789.");
}

int CountChar(const std::string& character, const std::string& text) {
  int count = 0;
  for (char c : text)
    if (std::string(1, c) == character) ++count;
  return count;
}

int PosMbcsLast(const std::string& needle, const std::string& text) {
  const int n = static_cast<int>(needle.size());
  const int h = static_cast<int>(text.size());
  if (n == 0 || h < n || h == 0) return 0;
  auto byteAt = [&](int pos) { return static_cast<unsigned char>(text[pos - 1]); };
  for (int i = h; i >= 1;) {
    const bool secondByte = h >= 2 && i >= 2 && common::IsSjisLeadByte(byteAt(i - 1)) &&
                            common::IsSjisTrailByte(byteAt(i));
    const int start = i - n + 1;
    if (start >= 1 && text.compare(static_cast<size_t>(start - 1), needle.size(), needle) == 0)
      return start;
    i -= secondByte ? 2 : 1;
  }
  return 0;
}

std::string CutBeforeLast(const std::string& delimiter, std::string& text) {
  const int p = PosMbcsLast(delimiter, text);
  if (p <= 0) {
    std::string all;
    all.swap(text);
    return all;
  }
  std::string before = common::LeftText(p - 1, text);
  text.erase(0, static_cast<size_t>(p - 1) + delimiter.size());
  return before;
}

void EditChanged(int row, EditText& edit, SettingTable& table, int slot) {
  const FilterKind filter = SettingRows()[row].filter;
  if (filter != FilterKind::kNone) {
    const std::string cleaned =
        filter == FilterKind::kDepth ? DepthFilter(edit.Text()) : NumberFilter(edit.Text());
    if (cleaned != edit.Text()) edit.SetText(cleaned);
    // One point only: each replacement drops the last point and what follows it, and the
    // nested run repeats that until a single point is left.
    if (filter == FilterKind::kNumber && CountChar(".", edit.Text()) >= 2) {
      std::string rest = cleaned;
      const std::string before = CutBeforeLast(".", rest);
      if (before != edit.Text()) edit.SetText(before);
    }
  }
  table.Cell(row, slot) = edit.Text();
}

int CaretAfterCleaning(const std::string& typed, int caret, const std::string& kept) {
  // The filters keep the first byte that may stand at each place, so the first match is the
  // byte they kept.
  size_t k = 0;
  for (size_t i = 0; i < typed.size() && static_cast<int>(i) < caret && k < kept.size(); ++i)
    if (typed[i] == kept[k]) ++k;
  return static_cast<int>(k);
}

void CheckBoxChanged(int row, bool ticked, SettingTable& table, int slot) {
  table.Cell(row, slot) = ticked ? "1" : "0";
}

}  // namespace settings
