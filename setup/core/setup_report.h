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

  int Copied() const { return copied_; }
  int NotCopied() const { return notCopied_; }
  // The lines and the closing text, as written to the report file.
  std::string Text() const;

 private:
  std::string lines_;
  int copied_ = 0;
  int notCopied_ = 0;
};

}  // namespace setup
