// The report of an install run: one line per file, then a closing text that says how it went.
#pragma once

#include <string>

namespace setup {

inline constexpr char kSetupReportFileName[] = "セットアップしたファイル.txt";

class SetupReport {
 public:
  // A file now in the data folder (its name there).
  void AddCopied(const std::string& fileName);
  // A file meant for the data folder that is not there: the trader has to copy it by hand.
  void AddNotCopied(const std::string& fileName);

  // The terminal's program at this path did not start again: the trader has to start it.
  void AddTerminalNotStarted(const std::string& terminalPath);

  int Copied() const { return copied_; }
  int NotCopied() const { return notCopied_; }
  bool TerminalStarted() const { return terminalLine_.empty(); }
  // The lines and the closing text, as written to the report file.
  std::string Text() const;
  // The same lines and closing text for a message box, when the file cannot be written: without
  // the blank lines in front and the line that speaks of Notepad.
  std::string MessageText() const;

 private:
  // The lines and what they come to, without the Notepad line.
  std::string Summary() const;

  std::string lines_;
  int copied_ = 0;
  int notCopied_ = 0;
  std::string terminalLine_;
};

}  // namespace setup
