// The terminal link through the main window: drops (folders, files, shortcuts, several items),
// the replacement question, the folder dialog, starting the terminal and closing it.
#include <shlobj.h>
#include <windows.h>

#include <cstring>

#include "common/win/codepage.h"
#include "tests/windows/config/config_fixture.h"

namespace {

constexpr char kWrongFolder[] = "そのフォルダーは正しくありません！！";

// What the shell hands to a window when files are dropped on it.
HGLOBAL MakeDropWide(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) list += name + L'\0';
  list += L'\0';
  const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

HGLOBAL MakeDrop(const std::vector<std::string>& names) {
  std::vector<std::wstring> wide;
  wide.reserve(names.size());
  for (const std::string& name : names) wide.push_back(SjisToWide(name));
  return MakeDropWide(wide);
}

bool MakeShortcut(const std::string& linkPath, const std::string& target) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* link = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link));
  if (SUCCEEDED(hr)) {
    link->SetPath(SjisToWide(target).c_str());
    IPersistFile* file = nullptr;
    hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) {
      hr = file->Save(SjisToWide(linkPath).c_str(), TRUE);
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return SUCCEEDED(hr);
}

class TerminalLinkTest : public ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    conv->ReadIni();
    terminal = program.File("MT4 端末\\terminal.exe");
    folder = terminal.substr(0, terminal.size() - std::strlen("\\terminal.exe"));
  }

  void Drop(const std::vector<std::string>& names) {
    SendMessageW(conv->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names)), 0);
  }

  bool Flashed() const {
    for (size_t i = 0; i + 1 < waits.size(); ++i)
      if (waits[i] == 400 && waits[i + 1] == 200) return true;
    return false;
  }

  std::string terminal;
  std::string folder;
};

TEST_F(TerminalLinkTest, DroppedFolderWithinFourLevelsSetsThePath) {
  Drop({folder});
  EXPECT_EQ(conv->Config.MT4Path, terminal);
  EXPECT_TRUE(Flashed());
  EXPECT_NE(IniText().find("MT4Path=" + terminal + "\r\n"), std::string::npos);
  EXPECT_TRUE(messages.empty());

  conv->Config.MT4Path.clear();
  Drop({program.Folder("MT4 端末\\MQL4\\Experts")});
  EXPECT_EQ(conv->Config.MT4Path, terminal);

  conv->Config.MT4Path.clear();
  Drop({program.Folder("MT4 端末\\a\\b\\c\\d\\e") + "\\"});
  EXPECT_EQ(conv->Config.MT4Path, "");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kWrongFolder);
}

TEST_F(ConfigTest, PathDroppedBeforeTheStartTimerIsKept) {
  const std::string terminal = program.File("MT4\\terminal.exe");
  program.File("FxQuorvex.ini", "ReadMe=1\r\nMT4Path=C:\\old\\terminal.exe\r\nDataPath=D:\\d\r\n");
  SendMessageW(conv->Handle(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({program.path() + "MT4"})), 0);
  EXPECT_EQ(conv->Config.MT4Path, terminal);
  conv->tmrStartTimer();
  EXPECT_EQ(conv->Config.MT4Path, terminal);
  EXPECT_EQ(conv->Config.DataPath, "D:\\d");
  EXPECT_NE(IniText().find("MT4Path=" + terminal + "\r\n"), std::string::npos);
  EXPECT_TRUE(messages.empty());  // neither the path prompt nor a question

  // Closed before the timer ran: the choice still reaches the file, the rest of it kept.
  auto next = NextRun();
  program.File("FxQuorvex.ini", "ReadMe=1\r\nMT4Path=C:\\old\\terminal.exe\r\nDataPath=D:\\d\r\n");
  dialogAnswer = program.path() + "MT4";
  next->mnuMT4FolderClick();
  next->Close();
  EXPECT_NE(IniText().find("MT4Path=" + terminal + "\r\n"), std::string::npos);
  EXPECT_NE(IniText().find("DataPath=D:\\d\r\n"), std::string::npos);
}

TEST_F(TerminalLinkTest, NameWithoutAShiftJisFormIsNoPath) {
  // Best fit would make "MT4¥x" the folder "MT4\x", another terminal's.
  program.File("MT4\\x\\terminal.exe");
  const std::wstring base = SjisToWide(program.path());
  for (const wchar_t* name : {L"MT4\u00A5x", L"MT4\u20ACx"}) {
    const std::wstring folder = base + name;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    CloseHandle(CreateFileW((folder + L"\\terminal.exe").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, 0, nullptr));
    messages.clear();
    SendMessageW(conv->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropWide({folder})), 0);
    EXPECT_EQ(conv->Config.MT4Path, "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kWrongFolder);
  }
}

TEST_F(TerminalLinkTest, DroppedFilesAndShortcuts) {
  Drop({program.File("MT4 端末\\config\\accounts.ini")});
  EXPECT_EQ(conv->Config.MT4Path, terminal);

  conv->Config.MT4Path.clear();
  Drop({terminal});
  EXPECT_EQ(conv->Config.MT4Path, terminal);

  conv->Config.MT4Path.clear();
  const std::string shortcut = program.path() + "デスクトップの MT4.LNK";
  ASSERT_TRUE(MakeShortcut(shortcut, terminal));
  Drop({shortcut});
  EXPECT_EQ(conv->Config.MT4Path, terminal);
  EXPECT_TRUE(messages.empty());
}

TEST_F(TerminalLinkTest, OnlyTheSecondOfTwoItemsLeadsToTheTerminal) {
  const std::string other = program.File("elsewhere\\note.txt");
  Drop({other, folder});
  EXPECT_EQ(conv->Config.MT4Path, terminal);
  EXPECT_TRUE(messages.empty());

  conv->Config.MT4Path.clear();
  Drop({program.path() + "gone", other});
  EXPECT_EQ(conv->Config.MT4Path, "");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kWrongFolder);
}

TEST_F(TerminalLinkTest, QuestionOnlyWhenTheStoredTerminalExistsAndDiffers) {
  const std::string second = program.File("second\\terminal.exe");
  conv->Config.MT4Path = terminal;
  Drop({folder});  // the same path: no question
  EXPECT_TRUE(messages.empty());

  answers = {IDNO};
  Drop({second});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "現在のMT4のパス設定を別のMT4のパスに変更しますか");
  EXPECT_EQ(messages[0].caption, "MT4パスを変更");
  EXPECT_EQ(messages[0].flags, static_cast<UINT>(MB_YESNO | MB_TOPMOST | MB_SYSTEMMODAL));
  EXPECT_EQ(conv->Config.MT4Path, terminal);
  EXPECT_NE(IniText().find("MT4Path=" + terminal + "\r\n"), std::string::npos);  // still written

  answers = {IDYES};
  Drop({second});
  EXPECT_EQ(conv->Config.MT4Path, second);

  // A stored terminal that no longer exists is replaced without a question.
  messages.clear();
  conv->Config.MT4Path = program.path() + "removed\\terminal.exe";
  Drop({folder});
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(conv->Config.MT4Path, terminal);
}

TEST_F(TerminalLinkTest, FolderDialogSearchesTheChosenFolder) {
  dialogAnswer = program.Folder("MT4 端末\\MQL4");
  conv->mnuMT4FolderClick();
  ASSERT_EQ(dialogTitles.size(), 1u);
  EXPECT_EQ(dialogTitles[0], "フォルダを選択してください");
  EXPECT_EQ(conv->Config.MT4Path, terminal);

  conv->Config.MT4Path.clear();
  dialogAnswer = program.Folder("empty");
  conv->mnuMT4FolderClick();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kWrongFolder);

  dialogAnswer = std::nullopt;  // cancelled
  conv->mnuMT4FolderClick();
  dialogAnswer = "";  // a choice without a file-system path
  conv->mnuMT4FolderClick();
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(conv->Config.MT4Path, "");
}

TEST_F(TerminalLinkTest, StartButtonStartsTheTerminalOrAsksForIt) {
  conv->Config.MT4Path = terminal;
  conv->cmdExecTerminal.Click();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].path, terminal);
  EXPECT_EQ(started[0].commandLine, "");

  // The stored terminal was deleted: the prompt, then the folder dialog.
  started.clear();
  conv->Config.MT4Path = program.path() + "removed\\terminal.exe";
  dialogAnswer = folder;
  conv->cmdExecTerminal.Click();
  EXPECT_TRUE(started.empty());
  ASSERT_GE(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "連携するMT4が設定されていません");
  EXPECT_EQ(messages[0].caption, "トレードQuorvex");
  EXPECT_EQ(dialogTitles.size(), 1u);
  EXPECT_EQ(conv->Config.MT4Path, terminal);
}

// A top-level window that notes the close request it gets.
class FakeTerminalWindow {
 public:
  explicit FakeTerminalWindow(const wchar_t* title) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QxFakeTerminal";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, L"QxFakeTerminal", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    closeRequests = 0;
  }
  ~FakeTerminalWindow() { DestroyWindow(hwnd_); }

  static inline int closeRequests = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
      ++closeRequests;
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  HWND hwnd_;
};

TEST_F(TerminalLinkTest, ShiftCtrlClosesTheTerminalWindow) {
  FakeTerminalWindow other(L"ただの窓");
  FakeTerminalWindow window(L"12345: Demo - MetaTrader 4 - [USDJPY,M5]");
  conv->Config.MT4Path = terminal;
  keysDown = {VK_SHIFT, VK_CONTROL};
  conv->cmdExecTerminal.Click();
  EXPECT_EQ(FakeTerminalWindow::closeRequests, 1);
  EXPECT_TRUE(started.empty());
  EXPECT_TRUE(messages.empty());
  EXPECT_GE(conv->ListBox1.ItemCount(), 2);
}

TEST_F(TerminalLinkTest, ShiftCtrlWithoutTerminalDoesNothing) {
  FakeTerminalWindow untitled(L"");
  conv->Config.MT4Path = terminal;
  keysDown = {VK_SHIFT, VK_CONTROL};
  conv->cmdExecTerminal.Click();
  EXPECT_EQ(FakeTerminalWindow::closeRequests, 0);
  EXPECT_TRUE(started.empty());
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(dialogTitles.empty());

  keysDown = {VK_SHIFT};  // Shift alone starts the terminal
  conv->cmdExecTerminal.Click();
  EXPECT_EQ(started.size(), 1u);
}

}  // namespace
