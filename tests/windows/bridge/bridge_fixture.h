// One test's terminal process: the library loaded by path, and the console's side of the
// four maps opened before or after it as the test needs. The library is unloaded first and
// the console's maps closed after, so every test starts without maps.
#pragma once

#include <gtest/gtest.h>

#include "common/channel_names.h"
#include "common/win/shared_text_map.h"
#include "tests/windows/bridge/bridge_library.h"

class BridgeTest : public ::testing::Test {
 protected:
  SharedTextMap command, price, info, setting;
  BridgeLibrary lib;

  // As the console (1024-byte command, price and info maps) and the settings editor; a test
  // that looks at a map the library created may view all of it.
  void OpenConsoleSide(uint32_t view = common::kConsoleMapSize) {
    ASSERT_TRUE(command.Open(common::kCommandMapName, common::kConsoleMapSize, view));
    ASSERT_TRUE(price.Open(common::kPriceMapName, common::kConsoleMapSize, view));
    ASSERT_TRUE(info.Open(common::kInfoMapName, common::kConsoleMapSize, view));
    ASSERT_TRUE(
        setting.Open(common::kSettingMapName, common::kSettingMapSize, common::kSettingMapSize));
  }

  void LoadBridge() { ASSERT_TRUE(lib.Load(BridgePath())) << "missing: " << lib.missing; }
};
