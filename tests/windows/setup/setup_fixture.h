// The set-up window built in-process with its message boxes and program starts recorded, a
// scratch folder holding the package (the window's own folder), an application-data folder
// and terminal installations, and processes named terminal.exe to find and close.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/win/seams.h"
#include "setup/Setup1.h"
#include "tests/windows/config/test_files.h"

struct ShownMessage {
  HWND owner;
  std::string text;
  std::string caption;
  UINT flags;
};

struct StartedProgram {
  std::string path;
  std::string commandLine;
};

// A copy of the test terminal running from a folder of its own; ended when the test is over.
class FakeTerminal {
 public:
  explicit FakeTerminal(const std::string& installFolder, bool stubborn = false);
  // In a folder whose name may hold characters that Shift-JIS lacks.
  explicit FakeTerminal(const std::wstring& installFolder, bool stubborn = false);
  ~FakeTerminal();
  FakeTerminal(const FakeTerminal&) = delete;
  FakeTerminal& operator=(const FakeTerminal&) = delete;

  bool Running() const;
  const std::string& ExePath() const { return exePath_; }

 private:
  std::string exePath_;
  HANDLE process_ = nullptr;
};

// "origin.txt" bytes: an optional mark, then the Shift-JIS text as little-endian UTF-16.
std::string OriginBytes(const std::string& text, const std::string& mark = "\xFF\xFE");
std::string OriginBytes(const std::wstring& text, const std::string& mark = "\xFF\xFE");
std::string ReadAll(const std::string& path);

class SetupTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TForm1& form() { return *window_; }
  // The package folder (the window's own), with a trailing backslash.
  std::string Package() const { return form_exe_folder_; }
  // A terminal's data folder under the application-data folder whose origin.txt names the
  // install folder; the MQL4 folders below it (Include only when asked). Ends in "\".
  std::string MakeDataFolder(const std::string& installFolder, const std::string& id,
                             bool withInclude = true);
  std::vector<std::string> Captions() const;

  ScratchFolder scratch{"qxsetup"};
  std::vector<ShownMessage> messages;
  std::vector<StartedProgram> started;
  // The button each box is answered with; by default Yes to questions and OK to the rest.
  std::function<int(const ShownMessage&)> answer;
  // What a program start gives; by default it succeeds and nothing is started.
  std::function<bool(const StartedProgram&)> start;

 private:
  std::unique_ptr<SeamOverride> seams_;
  std::unique_ptr<TForm1> window_;
  std::string form_exe_folder_;
};
