#include "settings/core/set_files.h"

#include "common/text.h"

namespace settings {

namespace {

constexpr char kBadFileChars[] = "\\/:*?\"<>|";

}  // namespace

const char kBadFileCharMessage[] = "設定ファイル名に使用できない文字\n\\/:*?\"<>|　が\n在ります";
const char kMissingSetMessage[] = "読込ファイル名が違っています！";
const char kSetQuestionCaption[] = "「案内」";

std::string SettingsFolderPath(const std::string& exeFolder) {
  return exeFolder + kSettingsFolderName;
}

std::string SetFilePath(const std::string& settingsFolder, const std::string& setName) {
  return settingsFolder + "\\" + setName + kSetFileExtension;
}

bool HasBadFileChar(const std::string& setName) {
  for (size_t i = 0; i < setName.size();) {
    const bool doubleByte = i + 1 < setName.size() &&
                            common::IsSjisLeadByte(static_cast<unsigned char>(setName[i])) &&
                            common::IsSjisTrailByte(static_cast<unsigned char>(setName[i + 1]));
    const size_t length = doubleByte ? 2 : 1;
    if (common::PosMbcs(setName.substr(i, length), kBadFileChars) > 0) return true;
    i += length;
  }
  return false;
}

bool SetNameOfFile(const std::string& fileName, std::string* setName) {
  const size_t point = fileName.rfind('.');
  if (point == std::string::npos) return false;
  std::string extension = fileName.substr(point);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (extension != kSetFileExtension) return false;
  if (setName) *setName = fileName.substr(0, point);
  return true;
}

std::string OverwriteQuestion(const std::string& setName) {
  return "この「設定名（" + setName + "）」を\n上書きしますか？\n";
}

std::string NotSavedMessage(const std::string& setName) {
  return "この「設定名（" + setName + "）」を\n保存できませんでした\n";
}

std::string DeleteQuestion(const std::string& setName) {
  return "この「設定名（" + setName + "）」を\n削除しますか？\n";
}

}  // namespace settings
