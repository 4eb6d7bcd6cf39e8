// The three modes of the load/save/delete button: chosen from the keys held at each
// read-back tick, shown as its caption and font colour, and read back from the caption when
// it is clicked.
#pragma once

#include <cstdint>
#include <string>

namespace settings {

enum class ReadWriteMode { kNone, kLoad, kSave, kDelete };

// Shift with Ctrl, or Delete: delete; Ctrl alone: save; otherwise load.
ReadWriteMode ModeForKeys(bool shift, bool ctrl, bool del);

const char* ModeCaption(ReadWriteMode mode);
uint32_t ModeFontColour(ReadWriteMode mode);  // 0x00BBGGRR

// The mode whose caption the button shows (kNone for any other caption).
ReadWriteMode ModeOfCaption(const std::string& caption);

}  // namespace settings
