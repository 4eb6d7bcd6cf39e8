// The expert's files shipped beside the set-up program, sorted by the terminal's categories.
#include "common/text.h"
#include "common/win/text_file.h"
#include "setup/Setup1.h"
#include "setup/core/setup_files.h"
#include "setup/folder_entries.h"
#include "ui/app.h"

namespace {

// The start folder and three levels of folders below it.
constexpr int kListDepth = 3;

}  // namespace

void TForm1::CollectSetupFiles(std::string folder) {
  std::vector<std::string> subfolders;
  for (const FolderEntry& entry : EnterWalkFolder(folder)) {
    if (entry.isFolder) {
      subfolders.push_back(entry.name);
      continue;
    }
    const std::string category = setup::SetupFileCategory(entry.name);
    if (!category.empty()) SetupFileList += setup::SetupListLine(folder, entry.name, category);
  }
  if (WalkDepth <= kListDepth)
    for (const std::string& sub : subfolders) CollectSetupFiles(folder + "\\" + sub);
  --WalkDepth;
}

void TForm1::WriteSetupFileList() {
  // A list that cannot be written is not worth stopping for: the run goes on from memory.
  static_cast<void>(
      WriteTextFile(SetupFileList, ExeFolder + setup::SetupListFileName(ProgramFileName)));
}

std::vector<FolderEntry> TForm1::EnterWalkFolder(std::string& folder) {
  ++WalkDepth;
  if (!folder.empty() && common::LastBackslash(folder) == folder.size() - 1) folder.pop_back();
  ui::ProcessMessages();
  return ListFolder(folder);
}
