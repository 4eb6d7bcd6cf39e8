// START as the trader presses it: every stop with its message, and whole runs against a
// process named terminal.exe with the questions answered by script.
#include <algorithm>
#include <stdexcept>

#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "tests/windows/setup/setup_fixture.h"

namespace {

constexpr UINT kBoxFlags = MB_TOPMOST | MB_SYSTEMMODAL;

class InstallRunTest : public SetupTest {
 protected:
  std::string Install() const { return scratch.path() + "install"; }
  std::string ListFile() const { return Package() + "windows_setup_tests.csv"; }
  std::string Report() const { return Package() + "セットアップしたファイル.txt"; }

  // The expert's package: an expert, the library, an include file two levels down, a script
  // and an indicator (listed, not installed).
  void ShipPackage() {
    scratch.File("pkg\\PelmorarStd.ex4", "new expert");
    scratch.File("pkg\\PelmoraStd108.dll", "new library");
    scratch.File("pkg\\MQL4\\Include\\PelmorarLib.mqh", "new include");
    scratch.File("pkg\\period_converter_600all.mq4", "script");
    scratch.File("pkg\\Bands.ex4", "indicator");
  }

  // One press of START; the message boxes answer as answer says.
  void PressStart() {
    messages.clear();
    started.clear();
    form().cmdSTARTClick();
  }

  void ExpectStop(const std::string& caption) {
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().caption, caption);
    EXPECT_EQ(messages.back().flags, static_cast<UINT>(MB_OK | kBoxFlags));
    EXPECT_TRUE(form().cmdSTART.Enabled());
    EXPECT_TRUE(started.empty());
  }
};

TEST_F(InstallRunTest, PrerequisitesStopBeforeAnythingIsDone) {
  form().PsapiLoaded = false;
  PressStart();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].owner, form().Handle());
  EXPECT_EQ(
      messages[0].text,
      "このSetupを実行するには「psapi.dll」が必要です！\nネット上からダウンロードされて下さい");
  ExpectStop("「psapi.dll」が必要");
  form().PsapiLoaded = true;

  form().ReadWindowsVersion = [] { return std::nullopt; };
  PressStart();
  ExpectStop("Windowsのバージョン不明");
  form().ReadWindowsVersion = [] { return setup::WindowsVersion{2, 5, 1}; };
  PressStart();
  EXPECT_EQ(messages.back().text,
            "このバージョンの「Windows XP」にはセットアップは使用できません\n手動でセットアップ"
            "されて下さい");
  ExpectStop("セットアップ不可");

  // The real system's version passes the gate here.
  form().ReadWindowsVersion = [] { return setup::WindowsVersion{2, 6, 2}; };
  answer = [](const ShownMessage&) { return IDNO; };
  PressStart();
  ASSERT_EQ(messages.size(), 1u);  // the ready question, and nothing after its No
  EXPECT_EQ(messages[0].caption, "準備ＯＫ？");
  EXPECT_EQ(messages[0].flags, static_cast<UINT>(MB_YESNO | kBoxFlags));
  EXPECT_TRUE(form().cmdSTART.Enabled());

  answer = nullptr;
  PressStart();  // no terminal runs
  ExpectStop("「メタトレーダー4」が未起動");
  EXPECT_EQ(messages.back().text,
            "メタトレーダー４がまだ起動されていません！\n起動後再実行されて下さい");
}

TEST_F(InstallRunTest, ExceptionInTheRunLeavesStartForTheNextTry) {
  form().ReadWindowsVersion = []() -> std::optional<setup::WindowsVersion> {
    throw std::runtime_error("no memory");
  };
  EXPECT_THROW(form().cmdSTARTClick(), std::runtime_error);
  EXPECT_TRUE(form().cmdSTART.Enabled());
}

TEST_F(InstallRunTest, TerminalDataFolderAndPackageStops) {
  {
    FakeTerminal first(Install()), second(scratch.path() + "install2");
    ASSERT_TRUE(first.Running() && second.Running());
    PressStart();
    ExpectStop("「メタトレーダー4」が未起動");
    EXPECT_EQ(messages.back().text.substr(0, 20), "メタトレーダー４が＜");
  }
  FakeTerminal terminal(Install());
  PressStart();  // no data folder names it
  ExpectStop("セットアップ不可");
  EXPECT_EQ(messages.back().text, "データーパスを見つけられません\n手動でセットアップして下さい");
  EXPECT_EQ(form().TerminalExePath, Install() + "\\terminal.exe");
  EXPECT_NE(form().TerminalWindow, nullptr);

  MakeDataFolder(Install(), "A1");
  PressStart();  // nothing beside the program
  ExpectStop("セットアップ中止");
  EXPECT_EQ(messages.back().text, "コピーするEA（ex4、dllなど）がありません！");
  EXPECT_FALSE(FileExists(ListFile()));

  ShipPackage();
  answer = [](const ShownMessage& m) {
    return m.caption == "メタトレーダー４再起動？" ? IDNO : IDYES;
  };
  PressStart();
  ExpectStop("セットアップ中止");
  EXPECT_EQ(messages.back().text, "セットアップを中止しました！");
  EXPECT_TRUE(terminal.Running());
  EXPECT_EQ(ReadAll(ListFile()).substr(0, Package().size()), Package());
}

TEST_F(InstallRunTest, TerminalThatDoesNotEndStopsTheRunBeforeAnyCopy) {
  FakeTerminal terminal(Install(), true);
  const std::string data = MakeDataFolder(Install(), "S1");
  ShipPackage();
  form().TerminalCloseLimitMs = 1500;
  PressStart();
  ExpectStop("セットアップ中止");
  EXPECT_EQ(messages.back().text,
            "メタトレーダー４が終了しませんでした\nファイルはコピーしていません\nMT4を終了してから"
            "再実行されて下さい");
  EXPECT_TRUE(terminal.Running());
  EXPECT_FALSE(FileExists(data + "MQL4\\Experts\\PelmorarStd.ex4"));
  EXPECT_FALSE(FileExists(Report()));
}

TEST_F(InstallRunTest, TerminalWhosePathShiftJisCannotWriteIsNotClosed) {
  // 한 has no Shift-JIS form: the path would read "install ?", a file that cannot be started.
  const std::wstring install = SjisToWide(scratch.path()) + L"install \uD55C";
  FakeTerminal terminal(install);
  ASSERT_TRUE(terminal.Running());
  scratch.File("appdata\\MetaQuotes\\Terminal\\U1\\origin.txt", OriginBytes(install));
  const std::string data = MakeDataFolder(Install(), "U2");  // another terminal's
  ShipPackage();
  PressStart();
  ExpectStop("セットアップ不可");
  EXPECT_EQ(form().TerminalExePath, "");
  EXPECT_TRUE(terminal.Running());
  EXPECT_FALSE(FileExists(data + "MQL4\\Experts\\PelmorarStd.ex4"));
}

TEST_F(InstallRunTest, WholeRunClosesCopiesRestartsReportsAndEnds) {
  FakeTerminal terminal(Install());
  const std::string data = MakeDataFolder(Install(), "W1");
  ShipPackage();
  scratch.File("appdata\\MetaQuotes\\Terminal\\W1\\MQL4\\Experts\\PelmorarStd.ex4", "old expert");
  scratch.File("pkg\\EA,v2\\PelmorarComma.ex4", "comma expert");  // its line holds two commas
  bool startEnabledMeanwhile = false;
  answer = [&](const ShownMessage& m) {
    startEnabledMeanwhile = startEnabledMeanwhile || form().cmdSTART.Enabled();
    return (m.flags & MB_YESNO) == MB_YESNO ? IDYES : IDOK;
  };
  PressStart();
  EXPECT_FALSE(startEnabledMeanwhile);

  EXPECT_EQ(Captions(), (std::vector<std::string>{"準備ＯＫ？", "メタトレーダー４再起動？",
                                                  "上書きの確認！", "セットアップ終了しますか？"}));
  EXPECT_EQ(messages[2].text,
            "「PelmorarStd.ex4」コピー先に存在しています\n上書きしてもいいですか？");
  EXPECT_FALSE(terminal.Running());
  EXPECT_EQ(ReadAll(data + "MQL4\\Experts\\PelmorarStd.ex4"), "new expert");
  EXPECT_EQ(ReadAll(data + "MQL4\\Libraries\\PelmoraStd108.dll"), "new library");
  EXPECT_EQ(ReadAll(data + "MQL4\\Include\\PelmorarLib.mqh"), "new include");
  EXPECT_EQ(ReadAll(data + "MQL4\\Experts\\PelmorarComma.ex4"), "comma expert");
  EXPECT_FALSE(FileExists(data + "MQL4\\Experts\\Bands.ex4"));
  EXPECT_FALSE(FileExists(data + "MQL4\\Experts\\period_converter_600all.mq4"));

  const std::string list = ReadAll(ListFile());
  for (const char* line :
       {"PelmorarStd.ex4,Experts\r\n", "Bands.ex4,Indicators\r\n",
        "period_converter_600all.mq4,Scripts\r\n", "PelmoraStd108.dll,Libraries\r\n",
        "MQL4\\Include\\PelmorarLib.mqh,Include\r\n"})
    EXPECT_NE(list.find(Package() + line), std::string::npos) << line;
  const std::string report = ReadAll(Report());
  EXPECT_NE(report.find("PelmorarStd.ex4\r\n"), std::string::npos);
  EXPECT_NE(report.find("PelmoraStd108.dll\r\n"), std::string::npos);
  EXPECT_NE(report.find("PelmorarLib.mqh\r\n"), std::string::npos);
  EXPECT_NE(report.find("以上のファイルがセットアップされコピーされした！"), std::string::npos);

  // The terminal again, without arguments, then Notepad with the report.
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[0].path, Install() + "\\terminal.exe");
  EXPECT_EQ(started[0].commandLine, "");
  EXPECT_EQ(common::LowerAscii(started[1].path),
            common::LowerAscii(form().WindowsFolder + "NOTEPAD.EXE"));
  EXPECT_EQ(started[1].commandLine, " " + Report());
  // Yes to the last question closes the window; START stays disabled.
  EXPECT_FALSE(form().Visible());
  EXPECT_FALSE(form().cmdSTART.Enabled());
}

TEST_F(InstallRunTest, RefusedHeldReadOnlyAndFolderlessFilesKeepTheOldAndAreReported) {
  FakeTerminal terminal(Install());
  const std::string data = MakeDataFolder(Install(), "F1", false);
  ShipPackage();
  scratch.File("pkg\\Pelmorar2.ex4", "new second");
  const std::string refused =
      scratch.File("appdata\\MetaQuotes\\Terminal\\F1\\MQL4\\Experts\\Pelmorar2.ex4", "old second");
  const std::string readOnly = scratch.File(
      "appdata\\MetaQuotes\\Terminal\\F1\\MQL4\\Experts\\PelmorarStd.ex4", "old expert");
  SetFileAttributesW(SjisToWide(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
  const std::string held = scratch.File(
      "appdata\\MetaQuotes\\Terminal\\F1\\MQL4\\Libraries\\PelmoraStd108.dll", "old library");
  HANDLE holder = CreateFileW(SjisToWide(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  answer = [](const ShownMessage& m) {
    if (m.text.find("Pelmorar2.ex4") != std::string::npos) return IDNO;
    return m.caption == "セットアップ終了しますか？" ? IDNO : IDYES;
  };
  PressStart();
  CloseHandle(holder);

  EXPECT_EQ(ReadAll(refused), "old second");
  EXPECT_EQ(ReadAll(readOnly), "old expert");
  EXPECT_EQ(ReadAll(held), "old library");
  EXPECT_FALSE(FolderExists(data + "MQL4\\Include"));  // never created
  const std::string report = ReadAll(Report());
  EXPECT_EQ(report.find("Pelmorar2.ex4"), std::string::npos);  // the trader said No
  EXPECT_NE(report.find("PelmorarStd.ex4  ＜コピーできませんでした＞\r\n"), std::string::npos);
  EXPECT_NE(report.find("PelmoraStd108.dll  ＜コピーできませんでした＞\r\n"), std::string::npos);
  EXPECT_NE(report.find("PelmorarLib.mqh  ＜コピーできませんでした＞\r\n"), std::string::npos);
  EXPECT_EQ(report.find("セットアップされコピーされした"), std::string::npos);
  // No to the last question: the window stays and START can run again.
  EXPECT_TRUE(form().cmdSTART.Enabled());
  EXPECT_EQ(started.size(), 2u);
}

TEST_F(InstallRunTest, ReportThatCannotBeWrittenComesInABoxInsteadOfTheOldFile) {
  FakeTerminal terminal(Install());
  MakeDataFolder(Install(), "R1", false);  // no Include folder: the include file is not copied
  ShipPackage();
  const std::string stale = scratch.File("pkg\\セットアップしたファイル.txt", "an earlier run");
  HANDLE holder = CreateFileW(SjisToWide(stale).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  PressStart();
  CloseHandle(holder);
  EXPECT_EQ(ReadAll(stale), "an earlier run");
  ASSERT_EQ(started.size(), 1u);  // the terminal again, but no Notepad
  EXPECT_EQ(started[0].path, Install() + "\\terminal.exe");

  // The report's lines in a box of the run's kind, just before the closing question.
  ASSERT_GE(messages.size(), 2u);
  const ShownMessage& box = messages[messages.size() - 2];
  EXPECT_EQ(box.caption, "セットアップしたファイル");
  EXPECT_EQ(box.owner, form().Handle());
  EXPECT_EQ(box.flags, static_cast<UINT>(MB_OK | kBoxFlags));
  for (const char* line : {"PelmorarStd.ex4\r\n", "PelmoraStd108.dll\r\n",
                           "PelmorarLib.mqh  ＜コピーできませんでした＞\r\n",
                           "  コピーできなかったファイルがあります！"})
    EXPECT_NE(box.text.find(line), std::string::npos) << line;
  EXPECT_EQ(box.text.find("メモ帳"), std::string::npos);  // there is none to close
  EXPECT_EQ(messages.back().caption, "セットアップ終了しますか？");
}

TEST_F(InstallRunTest, TerminalThatDoesNotStartAgainIsReportedAndNoSuccessClaimed) {
  const std::string data = MakeDataFolder(Install(), "T1");
  ShipPackage();
  scratch.File("appdata\\MetaQuotes\\Terminal\\T1\\MQL4\\Experts\\PelmorarStd.ex4", "old expert");
  const std::string exe = Install() + "\\terminal.exe";
  // The terminal is really started again, from a program file that by then may be no program.
  start = [&](const StartedProgram& p) {
    return p.path == exe ? RealSeams().startProgram(p.path, p.commandLine, 0) : true;
  };
  // The overwrite question comes after the terminal has ended: its program file is changed then.
  const auto runChangingTheProgramFile = [&](const std::function<void()>& change) {
    FakeTerminal terminal(Install());
    ASSERT_TRUE(terminal.Running());
    answer = [&](const ShownMessage& m) {
      if (m.caption == "上書きの確認！" && !terminal.Running()) change();
      return (m.flags & MB_YESNO) == MB_YESNO ? IDYES : IDOK;
    };
    PressStart();
    answer = nullptr;
  };
  const auto expectReported = [&] {
    const std::string report = ReadAll(Report());
    EXPECT_NE(report.find("\r\n\r\n  メタトレーダー４「" + exe + "」を再起動できませんでした！"),
              std::string::npos)
        << report;
    EXPECT_EQ(ReadAll(data + "MQL4\\Experts\\PelmorarStd.ex4"),
              "new expert");  // copied all the same
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().caption, "セットアップ終了しますか？");
    EXPECT_EQ(messages.back().text.find("セットアップは終了しました"), std::string::npos);
    EXPECT_NE(messages.back().text.find("手動でMT4を起動して下さい"), std::string::npos);
  };

  runChangingTheProgramFile([&] { scratch.File("install\\terminal.exe", "not a program"); });
  expectReported();
  runChangingTheProgramFile([&] { DeleteFileAt(exe); });
  expectReported();
}

TEST_F(InstallRunTest, ReadOnlySourceIsInstalledWritableAndReplacedByTheNextRun) {
  const std::string data = MakeDataFolder(Install(), "O1");
  ShipPackage();
  const std::wstring source = SjisToWide(Package() + "PelmoraStd108.dll");
  SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_READONLY);
  const std::string target = data + "MQL4\\Libraries\\PelmoraStd108.dll";
  {
    FakeTerminal terminal(Install());
    PressStart();
  }
  EXPECT_EQ(ReadAll(target), "new library");
  EXPECT_EQ(GetFileAttributesW(SjisToWide(target).c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

  SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_NORMAL);
  scratch.File("pkg\\PelmoraStd108.dll", "newer library");
  SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    FakeTerminal terminal(Install());
    PressStart();
  }
  EXPECT_EQ(ReadAll(target), "newer library");
  EXPECT_NE(ReadAll(Report()).find("PelmoraStd108.dll\r\n"), std::string::npos);
  EXPECT_EQ(ReadAll(Report()).find("＜コピーできませんでした＞"), std::string::npos);
}

TEST_F(InstallRunTest, ConfigurationAskedOnlyWhenTheConsoleNamesAnotherTerminal) {
  ShipPackage();
  MakeDataFolder(Install(), "C1");
  const std::string proIni = Package() + "TradeQuorvexPro.ini";
  const auto run = [&] {
    FakeTerminal terminal(Install());
    PressStart();
    std::vector<std::string> captions = Captions();
    return std::find(captions.begin(), captions.end(), "QuorvexProの設定ファイル") !=
           captions.end();
  };
  EXPECT_FALSE(run());  // no "FxQuorvex.ini"
  EXPECT_FALSE(FileExists(proIni));

  const std::string exe = Install() + "\\terminal.exe";
  scratch.File("pkg\\FxQuorvex.ini", "ReadMe=1\r\nMT4Path=" + exe + "\r\ncmbSetName=攻め\r\n");
  EXPECT_FALSE(run());  // it names this terminal
  EXPECT_FALSE(FileExists(proIni));

  scratch.File("pkg\\FxQuorvex.ini",
               "ReadMe=1\r\nMT4Path=" + common::LowerAscii(exe) + "\r\ncmbSetName= 攻め\r\n");
  answer = [](const ShownMessage& m) {
    return m.caption == "QuorvexProの設定ファイル" ? IDNO : IDYES;
  };
  EXPECT_TRUE(run());  // another letter case is another path
  EXPECT_FALSE(FileExists(proIni));
  answer = nullptr;
  EXPECT_TRUE(run());
  EXPECT_EQ(ReadAll(proIni),
            "ReadMe=1\r\nRevision=\r\nNewision=\r\nflgNotNews=\r\nTrackBar1=\r\n"
            "MT4Path=" +
                exe + "\r\ncmbSetName= 攻め\r\ncmbIndName=\r\ncmbClzName=\r\n");
  const auto question = std::find_if(messages.begin(), messages.end(), [](const ShownMessage& m) {
    return m.caption == "QuorvexProの設定ファイル";
  });
  EXPECT_EQ(question->text,
            "「QuorvexPro」の設定ファイル「TradeQuorvexPro.ini」に\nこのMT4を使用するファルダーに"
            "設定しますか？");
  EXPECT_EQ(ReadAll(Package() + "FxQuorvex.ini").substr(0, 8), "ReadMe=1");  // never changed
}

}  // namespace
