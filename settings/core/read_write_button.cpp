#include "settings/core/read_write_button.h"

namespace settings {

namespace {

struct ModeLook {
  ReadWriteMode mode;
  const char* caption;
  uint32_t colour;
};

// In the order the click compares the caption.
constexpr ModeLook kLooks[] = {
    {ReadWriteMode::kSave, "保存", 0x000080},    // maroon
    {ReadWriteMode::kLoad, "読込", 0xFF0000},    // blue
    {ReadWriteMode::kDelete, "削除", 0x0000FF},  // red
};

const ModeLook* Look(ReadWriteMode mode) {
  for (const ModeLook& look : kLooks)
    if (look.mode == mode) return &look;
  return nullptr;
}

}  // namespace

ReadWriteMode ModeForKeys(bool shift, bool ctrl, bool del) {
  if ((shift && ctrl) || del) return ReadWriteMode::kDelete;
  if (ctrl) return ReadWriteMode::kSave;
  return ReadWriteMode::kLoad;
}

const char* ModeCaption(ReadWriteMode mode) {
  const ModeLook* look = Look(mode);
  return look ? look->caption : "";
}

uint32_t ModeFontColour(ReadWriteMode mode) {
  const ModeLook* look = Look(mode);
  return look ? look->colour : 0;
}

ReadWriteMode ModeOfCaption(const std::string& caption) {
  for (const ModeLook& look : kLooks)
    if (caption == look.caption) return look.mode;
  return ReadWriteMode::kNone;
}

}  // namespace settings
