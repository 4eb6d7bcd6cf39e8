// A main window whose program folder and Windows folder are scratch folders, with every seam
// recorded: messages and questions (scripted answers), key state, waits, started programs and
// the folder dialog. The start timer is held so that the tests call it themselves.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/folder_dialog.h"
#include "tests/windows/config/test_files.h"

struct ShownMessage {
  std::string text;
  std::string caption;
  UINT flags;
};

struct StartedProgram {
  std::string path;
  std::string commandLine;
  DWORD readyWithinMs = 0;  // how long the start waits for the program to be ready for input
};

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetApplicationTitle("トレードQuorvex");
    seams_ = std::make_unique<SeamOverride>(Seams{
        .isKeyDown = [this](int key) { return keysDown.count(key) > 0; },
        .messageBox =
            [this](HWND, const std::string& text, const std::string& caption, UINT flags) {
              messages.push_back({text, caption, flags});
              if (answers.empty()) return (flags & MB_YESNO) == MB_YESNO ? IDNO : IDOK;
              const int answer = answers.front();
              answers.pop_front();
              return answer;
            },
        .sleep = [this](DWORD ms) { waits.push_back(ms); },
        .startProgram =
            [this](const std::string& path, const std::string& commandLine, DWORD readyWithinMs) {
              started.push_back({path, commandLine, readyWithinMs});
              return startsAndGetsReady;
            },
    });
    folderDialog_ = std::make_unique<FolderBrowserOverride>(
        [this](HWND, const std::string& title) -> std::optional<std::string> {
          dialogTitles.push_back(title);
          return dialogAnswer;
        });
    window_ = std::make_unique<Tconv>(sessions_.emplace_back());
    conv = window_.get();
    conv->tmrStart.SetEnabled(false);
    conv->ExeFolder = program.path();
    conv->WindowsFolder = windows.path();
    windows.File("notepad.exe");  // found under the name "NOTEPAD.EXE" as on Windows
  }

  void TearDown() override {
    conv = nullptr;
    window_.reset();
    folderDialog_.reset();
    seams_.reset();
  }

  std::string IniPath() const { return program.path() + "FxQuorvex.ini"; }
  std::string IniText() const { return ReadTextFile(IniPath()); }

  // What a second run of the console starts from.
  std::unique_ptr<Tconv> NextRun() {
    auto next = std::make_unique<Tconv>(sessions_.emplace_back());
    next->tmrStart.SetEnabled(false);
    next->ExeFolder = program.path();
    next->WindowsFolder = windows.path();
    return next;
  }

  ScratchFolder program;
  ScratchFolder windows;
  std::set<int> keysDown;
  std::vector<ShownMessage> messages;
  std::deque<int> answers;
  std::vector<DWORD> waits;
  std::vector<StartedProgram> started;
  bool startsAndGetsReady = true;  // what the program-start seam reports
  std::vector<std::string> dialogTitles;
  std::optional<std::string> dialogAnswer;

 private:
  std::unique_ptr<SeamOverride> seams_;
  std::unique_ptr<FolderBrowserOverride> folderDialog_;
  std::deque<ConsoleSession> sessions_;  // one per run, each outliving its window
  std::unique_ptr<Tconv> window_;
};
