// A main window built in-process with every seam recorded: the messages shown, the key state
// (Shift up unless a test holds it) and the waits. Each test gets a fresh window, so the maps
// start zero-filled.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/channel_names.h"
#include "common/win/seams.h"
#include "console/convert.h"

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    seams_ = std::make_unique<SeamOverride>(Seams{
        .isKeyDown = [this](int key) { return key == VK_SHIFT && shiftDown; },
        .messageBox =
            [this](HWND, const std::string& text, const std::string&, UINT) {
              messages.push_back(text);
              return IDOK;
            },
        .sleep = [this](DWORD ms) { waits.push_back(ms); },
        .startProgram = nullptr,
    });
    StartWindow();
  }

  void TearDown() override {
    EndWindow();
    seams_.reset();
  }

  // A fresh main window, as at a start of the program.
  void StartWindow() {
    session_ = std::make_unique<ConsoleSession>();
    window_ = std::make_unique<Tconv>(*session_);
    conv = window_.get();
    // The start timer reads the configuration file and may ask for the terminal: its own tests
    // drive it.
    conv->tmrStart.SetEnabled(false);
  }
  // Destroys the main window (FormDestroy runs).
  void EndWindow() {
    conv = nullptr;
    window_.reset();
    session_.reset();
  }

  std::string Command() const { return conv->CommandMap.ReadText(common::kConsoleTextMax); }
  void SetCommand(const std::string& text) { conv->CommandMap.WriteText(text); }
  // The expert's side of the price and info maps.
  void SetPrice(const std::string& text) { conv->PriceMap.WriteText(text); }
  void SetInfo(const std::string& text) { conv->InfoMap.WriteText(text); }

  bool shiftDown = false;
  std::vector<std::string> messages;
  std::vector<DWORD> waits;

 private:
  std::unique_ptr<SeamOverride> seams_;
  std::unique_ptr<ConsoleSession> session_;
  std::unique_ptr<Tconv> window_;
};
