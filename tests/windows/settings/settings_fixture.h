// The console's main window and the settings window, created once for all tests of the
// program, with the seams recording messages and questions and answering from a script.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/win/seams.h"
#include "console/convert.h"
#include "settings/Setting1.h"

struct ShownMessage {
  std::string text;
  std::string caption;
  UINT flags;
};

class SettingsWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Every edit empty, every box clear, no lot button ticked, an empty set name.
  void ClearControls();
  // The whole 2048 bytes of the settings map.
  std::string MapBytes() const;
  // The map's text up to its first zero byte.
  std::string MapText() const;

  static std::unique_ptr<ConsoleSession> session_;
  static std::unique_ptr<Tconv> conv_;
  static std::unique_ptr<TSetting> setting_;

  std::vector<ShownMessage> messages_;
  std::deque<int> answers_;    // answers to questions, IDYES when none is left
  std::vector<int> keysDown_;  // virtual keys the key-state seam reports as held
  std::unique_ptr<SeamOverride> seams_;
  std::string folder_;  // a fresh program folder of this test, ending in "\"
};
