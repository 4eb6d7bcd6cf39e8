// The console's side in a process of its own: writes commands and settings into the maps
// as fast as it can while the library's threads read them, and checks that every report and
// price it reads back is one whole text. Exit code: the number of mixed texts seen (or 100+
// when it could not start).
#include <windows.h>

#include <cstdio>
#include <string>

#include "bridge/core/published_price.h"
#include "common/channel_names.h"
#include "common/win/shared_text_map.h"
#include "tests/windows/bridge/channel_texts.h"

using namespace common;

namespace {

bool IsWholeReport(const std::string& text) {
  if (text.empty()) return true;
  for (int t = 0; t < channel_texts::kThreads; ++t)
    if (text == channel_texts::Report(t)) return true;
  return false;
}

bool IsWholePrice(const std::string& text) {
  if (text.empty()) return true;
  for (int t = 0; t < channel_texts::kThreads; ++t)
    if (text == bridge::PriceText(channel_texts::Price(t))) return true;
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 101;
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
  HANDLE stop = OpenEventW(SYNCHRONIZE, FALSE, argv[2]);
  if (!ready || !stop) return 102;
  SharedTextMap command, price, info, setting;
  if (!command.Open(kCommandMapName, kConsoleMapSize, kConsoleMapSize) ||
      !price.Open(kPriceMapName, kConsoleMapSize, kConsoleMapSize) ||
      !info.Open(kInfoMapName, kConsoleMapSize, kConsoleMapSize) ||
      !setting.Open(kSettingMapName, kSettingMapSize, kSettingMapSize))
    return 103;
  SetEvent(ready);
  int mixed = 0, rounds = 0;
  while (WaitForSingleObject(stop, 0) == WAIT_TIMEOUT) {
    command.WriteText(channel_texts::kCommands[rounds % 2]);
    setting.WriteText(channel_texts::kSettings[rounds % 2]);
    if (!IsWholeReport(info.ReadText(kConsoleTextMax))) ++mixed;
    if (!IsWholePrice(price.ReadText(kConsoleTextMax))) ++mixed;
    ++rounds;
  }
  std::printf("console peer: %d rounds, %d mixed texts\n", rounds, mixed);
  return mixed;
}
