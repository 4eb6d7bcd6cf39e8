// The buffers behind the strings Read_Command and ReadSetting return: one pair per calling
// thread, so a string stays valid until that thread's next call and threads never share one.
// They live in a thread-local slot the library takes at attach and gives back at detach, and
// in blocks freed when their thread ends or the library is unloaded, so loading and
// unloading the library any number of times costs the terminal nothing.
#pragma once

#include <cstddef>

#include "common/channel_names.h"

struct ThreadTexts {
  static constexpr size_t kUnits = common::kBridgeMapSize + 1;
  wchar_t command[kUnits];
  wchar_t setting[kUnits];
  ThreadTexts* previous;  // the list of live blocks
  ThreadTexts* next;
};

// Process attach and detach. When the process is ending, its other threads may have died
// holding the list's lock, so the blocks are left to the process's end.
void AttachThreadTexts();
void DetachThreadTexts(bool processEnding);

// Thread detach: frees the ending thread's block.
void ReleaseThreadTexts();

// The calling thread's block, made on its first use; null when there is no slot or memory.
ThreadTexts* OwnThreadTexts();
