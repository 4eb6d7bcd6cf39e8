// The console's own update: download the archive with the downloader into the program's
// folder, unpack it, start the downloader with the latest version and close, so that it can
// replace the program's files.
#include <optional>

#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/core/server_notices.h"
#include "console/startup_files.h"
#include "console/web_fetch.h"
#include "ui/app.h"

namespace {

constexpr char kUpdateArchiveName[] = "ZqDL.lzh";
constexpr char kUpdateFailedText[] =
    "「トレードQuorvex」のダウンロードに失敗しました\n次回の起動時にもう一度お試しください";

// Each argument is the version text between double quotes.
std::string DownloaderArguments(const std::string& version) {
  const std::string quoted = "\"" + version + "\"";
  return " " + quoted + " " + quoted;
}

}  // namespace

void Tconv::cmd_GetFileClick() {
  const std::string archive = ExeFolder + kUpdateArchiveName;
  // An address that is not https is not fetched: the update then fails as a download does.
  const std::optional<std::string> url =
      console::ArchiveAddress(UpdateArchiveUrl, SiteRoot() + console::kUpdateArchivePath);
  bool started = false;
  if (url && DownloadFile(archive, *url) == 0) {
    EnsureUnlha();
    const ArchiverResult extracted = ExtractLzh(archive, ExeFolder);
    const std::string downloader = ExeFolder + kDownloaderFileName;
    if (extracted == kArchiveExtracted && FileExists(downloader)) {
      started = StartProgram(downloader, DownloaderArguments(LatestVersionText));
      ui::ProcessMessages();
    }
  }
  if (FileExists(archive)) DeleteFileAt(archive);
  // Only a started downloader replaces the console: without it, closing would leave the
  // trader without the console for nothing. The trader asked for the update and is told that
  // it did not happen.
  if (started)
    Close();
  else
    ShowPlainMessage(Handle(), kUpdateFailedText);
}
