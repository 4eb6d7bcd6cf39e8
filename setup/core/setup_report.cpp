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

std::string SetupReport::Text() const {
  if (lines_.empty()) return kNothingCopied;
  return lines_ + (notCopied_ > 0 ? kSomeNotCopied : kAllCopied) + kCloseNotepad;
}

}  // namespace setup
