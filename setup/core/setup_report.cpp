#include "setup/core/setup_report.h"

namespace setup {

namespace {

constexpr char kNothingCopied[] = "\r\n\r\n  セットアップコピーは行われませんでした！";
constexpr char kAllCopied[] = "\r\n\r\n  以上のファイルがセットアップされコピーされした！";
constexpr char kSomeNotCopied[] =
    "\r\n\r\n  コピーできなかったファイルがあります！\r\n  "
    "そのファイルは手動でセットアップして下さい";
constexpr char kCloseNotepad[] = "\r\n\r\n  ご確認後このメモ帳は閉じて下さい！";
constexpr char kNotCopiedMark[] = "  ＜コピーできませんでした＞";

}  // namespace

void SetupReport::AddCopied(const std::string& fileName) {
  lines_ += fileName + "\r\n";
  ++copied_;
}

void SetupReport::AddNotCopied(const std::string& fileName) {
  lines_ += fileName + kNotCopiedMark + "\r\n";
  ++notCopied_;
}

void SetupReport::AddTerminalNotStarted(const std::string& terminalPath) {
  terminalLine_ = "\r\n\r\n  メタトレーダー４「" + terminalPath + "」を再起動できませんでした！";
}

std::string SetupReport::Summary() const {
  const std::string copies =
      lines_.empty() ? kNothingCopied : lines_ + (notCopied_ > 0 ? kSomeNotCopied : kAllCopied);
  return copies + terminalLine_;
}

std::string SetupReport::Text() const {
  return lines_.empty() ? Summary() : Summary() + kCloseNotepad;
}

std::string SetupReport::MessageText() const {
  // The summary always holds a closing text, so there is something after the line breaks.
  const std::string text = Summary();
  return text.substr(text.find_first_not_of("\r\n"));
}

}  // namespace setup
