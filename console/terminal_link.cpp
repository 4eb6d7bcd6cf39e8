// The console's link to the trader's terminal: learning the path of its "terminal.exe" from a
// drop or the folder dialog, starting it, and asking it to close.
#include "common/win/codepage.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/core/terminal_search.h"
#include "console/folder_dialog.h"
#include "console/shell_shortcut.h"
#include "console/window_titles.h"
#include "ui/app.h"
#include "ui/flash_control.h"

namespace {

constexpr char kWrongFolderText[] = "そのフォルダーは正しくありません！！";
constexpr char kNoTerminalText[] = "連携するMT4が設定されていません";
constexpr char kChooseFolderTitle[] = "フォルダを選択してください";
constexpr char kReplacePathText[] = "現在のMT4のパス設定を別のMT4のパスに変更しますか";
constexpr char kReplacePathCaption[] = "MT4パスを変更";
constexpr COLORREF kFoundColour = 0x00FFFF;  // yellow

console::FileSystemProbe SystemProbe() {
  console::FileSystemProbe probe;
  probe.fileExists = FileExists;
  probe.folderExists = FolderExists;
  probe.readShortcut = [](const std::string& path) -> std::optional<std::string> {
    std::string target, arguments, iconFile;
    int iconIndex = 0;
    if (!ReadShortcut(path, &target, &arguments, &iconFile, &iconIndex)) return std::nullopt;
    return target;
  };
  return probe;
}

// The whole name of a dropped item, in Shift-JIS; nothing when it cannot be written so (the
// item then fails: a "?" or a look-alike would name another path).
std::optional<std::string> DroppedName(HDROP drop, UINT index) {
  const UINT length = DragQueryFileW(drop, index, nullptr, 0);
  std::wstring name(length + 1, L'\0');
  DragQueryFileW(drop, index, name.data(), length + 1);
  name.resize(length);
  return WideToSjisExact(name);
}

// Gives the drop's memory back to the system on every way out, an exception included.
class DropFinisher {
 public:
  explicit DropFinisher(HDROP drop) : drop_(drop) {}
  ~DropFinisher() { DragFinish(drop_); }
  DropFinisher(const DropFinisher&) = delete;
  DropFinisher& operator=(const DropFinisher&) = delete;

 private:
  HDROP drop_;
};

}  // namespace

void Tconv::OnDropFiles(HDROP drop) {
  UINT count = 0;
  std::optional<std::string> found;
  {
    // The drop is given back before any question or message is shown.
    const DropFinisher finisher(drop);
    SetForegroundWindow(Handle());
    count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    const console::FileSystemProbe probe = SystemProbe();
    for (UINT i = 0; i < count && !found; ++i)
      if (const std::optional<std::string> name = DroppedName(drop, i))
        found = console::ResolveDroppedItem(*name, probe);
  }
  if (count == 0) return;
  if (found)
    AdoptTerminalPath(*found);
  else
    ShowPlainMessage(Handle(), kWrongFolderText);
}

void Tconv::mnuMT4FolderClick() {
  const std::optional<std::string> chosen = BrowseForFolder(Handle(), kChooseFolderTitle);
  if (!chosen || chosen->empty()) return;
  std::optional<std::string> found;
  if (FolderExists(*chosen)) found = console::SearchTerminalFromFolder(*chosen, SystemProbe());
  if (found)
    AdoptTerminalPath(*found);
  else
    ShowPlainMessage(Handle(), kWrongFolderText);
}

void Tconv::AdoptTerminalPath(const std::string& found) {
  if (FileExists(Config.MT4Path) && Config.MT4Path != found) {
    if (ShowMessageBox(Handle(), kReplacePathText, kReplacePathCaption,
                       MB_YESNO | MB_TOPMOST | MB_SYSTEMMODAL) == IDYES)
      Config.MT4Path = found;
  } else {
    Config.MT4Path = found;
  }
  if (!iniRead_) adoptedBeforeRead_ = Config.MT4Path;
  ui::FlashControl(kFoundColour, *this);
  WriteIni();
}

void Tconv::cmdExecTerminalClick() {
  if (IsKeyDown(VK_SHIFT) && IsKeyDown(VK_CONTROL)) {
    ListBox1.ClearItems();
    EnumWindows(CollectWindowTitles, reinterpret_cast<LPARAM>(ListBox1.Handle()));
    ui::ProcessMessages();
    WaitMilliseconds(100);
    // Without a terminal title there is nothing to look for: an empty title would match some
    // untitled window.
    const std::string title = FirstTerminalTitle(ListBox1.Handle());
    HWND terminal = title.empty() ? nullptr : FindWindowW(nullptr, SjisToWide(title).c_str());
    if (!terminal) return;
    ui::ProcessMessages();
    SetForegroundWindow(terminal);
    BringWindowToTop(terminal);
    PostMessageW(terminal, WM_CLOSE, 0, 0);
    ui::ProcessMessages();
    return;
  }
  if (FileExists(Config.MT4Path)) {
    StartProgram(Config.MT4Path, "");
    ui::ProcessMessages();
    return;
  }
  ShowPlainMessage(Handle(), kNoTerminalText);
  mnuMT4FolderClick();
}
