// The check for a new revision of the expert, every ten minutes after the splash closed: the
// archive goes to the trader's desktop, is unpacked there, and its notes are shown in Notepad.
#include <optional>

#include "common/text.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/core/server_notices.h"
#include "console/registry_value.h"
#include "console/web_fetch.h"
#include "ui/app.h"

namespace {

constexpr char kNewRevisionQuestion[] =
    "「ＥＡ（ex4）」の新しいリビジョンが出ています\n"
    "自動ダウンロード出来ます！！\n"
    "ダウンロードしますか？";
constexpr char kDownloadFailedText[] =
    "ＥＡファイルのダウンロードに失敗しました\n後日 Vendaro からのアップデートをお待ちください";
constexpr char kUnpackedInFolderText[] =
    "このＰＣのデスクトップ上(フォルダー名「EA_Update」)に\nＥＡファイルをダウンロードしました";
constexpr char kUnpackedText[] = "このＰＣのデスクトップ上にＥＡファイルを\nダウンロードしました";
constexpr char kShellFoldersKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kUpdateFolderName[] = "EA_Update";
constexpr char kNoteName[] = "ReadEAUpRev.txt";
constexpr DWORD kNoteShowMs = 1500;
constexpr DWORD kNoteReadyMs = 10000;  // a busy machine; Notepad that never gets ready

// The trader's desktop as the shell records it, else the console's own folder; ends in "\".
std::string DesktopFolder(const std::string& exeFolder) {
  std::string desktop = ReadRegistryValue(HKEY_CURRENT_USER, kShellFoldersKey, "Desktop");
  if (desktop.empty()) desktop = exeFolder;
  if (common::RightText(1, desktop) != "\\") desktop += "\\";
  return desktop;
}

std::string FileNameOf(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
}

// Shows a note in Notepad and removes it once Notepad has read it in: when Notepad is ready
// for input (within a bound) and a moment more. A note Notepad did not take stays on the
// desktop for the trader to read.
void ShowNote(const std::string& notepad, const std::string& note) {
  if (!FileExists(note)) return;
  const bool shown = StartProgram(notepad, " " + note, kNoteReadyMs);
  ui::ProcessMessages();
  if (!shown) return;
  WaitMilliseconds(kNoteShowMs);
  ui::ProcessMessages();
  DeleteFileAt(note);
}

}  // namespace

void Tconv::tmrRevCheckTimer() {
  tmrRevCheck.SetEnabled(false);
  revisionCheck_.Start();
}

void Tconv::TimedRevisionCheck() {
  cmd_GetRevisionClick();
  // After a No the check rests until the splash closes again.
  if (!RevisionDeclined) tmrRevCheck.SetEnabled(true);
}

void Tconv::cmd_GetRevisionClick() {
  if (!IsSiteReachable()) return;
  const console::NoticeLines notice = console::SplitNotice(
      HttpGetText(SiteRoot() + console::kRevisionNoticePath, kServerListAgent));
  const std::string& revision = notice.first;
  if (!(console::RevisionNumber(revision) > Config.RevisionValue)) return;

  const int answer = AskConfirmation(Handle(), kNewRevisionQuestion, MB_YESNOCANCEL);
  if (answer == IDNO) RevisionDeclined = true;
  if (answer != IDYES) return;

  const std::string desktop = DesktopFolder(ExeFolder);
  const std::string archive = desktop + "PlodaEA" + revision + ".lzh";
  // This notice's address line alone, never the update's or an earlier notice's; one that is
  // not https is not fetched.
  const std::optional<std::string> url =
      console::ArchiveAddress(notice.second, SiteRoot() + console::RevisionArchivePath(revision));
  // A revision whose download failed is not recorded, so the next check offers it again.
  if (!url || DownloadFile(archive, *url) != 0) {
    ShowPlainMessage(Handle(), kDownloadFailedText);
    return;
  }
  EnsureUnlha();
  if (ExtractLzh(archive, desktop) == kArchiveExtracted) {
    if (FileExists(archive)) DeleteFileAt(archive);
    ui::ProcessMessages();
    ShowPlainMessage(Handle(), FolderExists(desktop + kUpdateFolderName) ? kUnpackedInFolderText
                                                                         : kUnpackedText);
  } else {
    ShowPlainMessage(Handle(), "このＰＣのデスクトップ上にＥＡ(" + FileNameOf(archive) +
                                   ")を\nダウンロードしました");
  }
  const std::string notepad = WindowsFolder + "NOTEPAD.EXE";
  if (FileExists(notepad)) {
    ShowNote(notepad, desktop + kNoteName);
    ShowNote(notepad, desktop + kUpdateFolderName + "\\" + kNoteName);
  }
  // What is recorded counts for the rest of the run too: the same revision is not offered again.
  Config.Revision = revision;
  Config.RevisionValue = console::RevisionNumber(revision);
  WriteIni();
}
