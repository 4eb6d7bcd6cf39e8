#include "setup/core/setup_messages.h"

namespace setup {

SetupMessage VersionRefused(const std::string& versionName) {
  return {"このバージョンの「" + versionName +
              "」にはセットアップは使用できません\n手動でセットアップされて下さい",
          kCannotSetUpCaption};
}

SetupMessage ReportMessage(const std::string& reportText) {
  return {reportText, "セットアップしたファイル"};
}

SetupMessage OverwriteQuestion(const std::string& fileName) {
  return {"「" + fileName + "」コピー先に存在しています\n上書きしてもいいですか？",
          "上書きの確認！"};
}

}  // namespace setup
