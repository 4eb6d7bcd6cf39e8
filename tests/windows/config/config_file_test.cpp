// "FxQuorvex.ini" through the main window: reading, writing, the start timer's branches.
#include <numeric>

#include "settings/Setting1.h"
#include "tests/windows/config/config_fixture.h"

namespace {

constexpr char kPrompt[] =
    "通常使用する「MT4」のパスが設定されていません\n「MT4のパス」登録方法は「Quorvex」のメイン画面"
    "に\n"
    "通常使用する「MT4」のフォルダーでも、\nショートカットでも何でもいいので\nDrag＆Dropしてくださ"
    "い";

TEST_F(ConfigTest, ReadIniTakesWhatTheFileSaysAndWriteIniKeepsOnlyKnownKeys) {
  program.File("FxQuorvex.ini",
               std::string("ReadMe 1\r\nUnknown=zz\r\nMT4PathX=C:\\x\r\nMT4Path=C:\\a\r\n"
                           "MT4Path=C:\\b\r\nTrackBar1=150\r\nRevision=0.5\r\nNewision=abc\r\n"
                           "cmbSetName=攻め\r\nflgNotNews=1\r\n") +
                   std::string(1, '\0') + "DataPath=D:\\after-nul\r\n");
  conv->ReadIni();
  EXPECT_EQ(conv->Config.ReadMe, "1");
  EXPECT_EQ(conv->Config.MT4Path, "C:\\b");
  EXPECT_EQ(conv->TrackBar1.Position(), 100);
  EXPECT_EQ(conv->Config.Revision, "0.5");
  EXPECT_FLOAT_EQ(conv->Config.RevisionValue, conv->OwnVersion);
  EXPECT_FLOAT_EQ(conv->Config.NewisionValue, conv->OwnVersion);
  EXPECT_EQ(conv->Config.LastSetName, "攻め");
  EXPECT_EQ(conv->Config.DataPath, "");  // after the NUL byte nothing counts

  conv->TrackBar1.SetPosition(30);
  conv->WriteIni();
  EXPECT_EQ(IniText(),
            "ReadMe=1\r\nRevision=0.5\r\nNewision=abc\r\nflgNotNews=1\r\nTrackBar1=30\r\n"
            "MT4Path=C:\\b\r\nDataPath=\r\ncmbSetName=攻め\r\n");
}

TEST_F(ConfigTest, SetNameTravelsThroughTheSettingsWindow) {
  auto settings = std::make_unique<TSetting>(conv->Session.ForSettingsWindow());
  Setting = settings.get();
  program.File("FxQuorvex.ini", "ReadMe=1\r\ncmbSetName=攻め\r\n");
  conv->ReadIni();
  EXPECT_EQ(Setting->cmbSetName.Text(), "攻め");
  Setting->cmbSetName.SetText("守り");  // chosen while the window is open
  conv->WriteIni();
  EXPECT_NE(IniText().find("cmbSetName=守り\r\n"), std::string::npos);
  Setting = nullptr;
}

TEST_F(ConfigTest, MissingFileLeavesTheDefaults) {
  conv->ReadIni();
  EXPECT_EQ(conv->TrackBar1.Position(), 50);
  EXPECT_EQ(conv->Config.ReadMe, "");
  EXPECT_FLOAT_EQ(conv->Config.RevisionValue, conv->OwnVersion);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigTest, NothingIsWrittenBeforeTheFileWasRead) {
  // A console closed before its start timer ran must not wipe the trader's settings.
  const std::string before = "ReadMe=1\r\nMT4Path=C:\\MT4\\terminal.exe\r\nDataPath=D:\\d\r\n";
  program.File("FxQuorvex.ini", before);
  conv->Close();
  EXPECT_EQ(IniText(), before);
}

TEST_F(ConfigTest, HeldFileIsTriedAgainAndNeverReplacedByTheDefaults) {
  const std::string before = "ReadMe=1\r\nMT4Path=C:\\MT4\\terminal.exe\r\ncmbSetName=守り\r\n";
  program.File("FxQuorvex.ini", before);
  const auto hold = [this] {
    return CreateFileW(SjisToWide(IniPath()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  // Held for a moment, let go during the second pause: the file is read.
  HANDLE holder = hold();
  Seams seams = CurrentSeams();
  seams.sleep = [&](DWORD ms) {
    waits.push_back(ms);
    if (waits.size() == 2) CloseHandle(holder);
  };
  {
    SeamOverride releasing(seams);
    conv->ReadIni();
  }
  EXPECT_EQ(conv->Config.MT4Path, "C:\\MT4\\terminal.exe");
  EXPECT_TRUE(messages.empty());

  // Held for the whole start, about a second: the box and the defaults, and neither a new
  // terminal nor the close writes over the file.
  holder = hold();
  auto next = NextRun();
  waits.clear();
  next->tmrStartTimer();
  CloseHandle(holder);
  EXPECT_LE(std::accumulate(waits.begin(), waits.end(), DWORD{0}), 1500u);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages[0].text, kFileErrorText);
  next->Config.MT4Path = "C:\\Other\\terminal.exe";
  next->Close();
  EXPECT_EQ(IniText(), before);
}

TEST_F(ConfigTest, SecondRunFindsWhatTheFirstWrote) {
  conv->ReadIni();
  conv->Config.MT4Path = "C:\\表\\terminal.exe";
  conv->Config.DataPath = "D:\\data";
  conv->Config.Revision = "2.1";
  conv->Config.LastSetName = "守り";
  conv->TrackBar1.SetPosition(64);
  conv->Close();  // closing writes the file

  auto next = NextRun();
  EXPECT_EQ(next->TrackBar1.Position(), 50);
  next->ReadIni();
  EXPECT_EQ(next->Config.MT4Path, "C:\\表\\terminal.exe");
  EXPECT_EQ(next->Config.DataPath, "D:\\data");
  EXPECT_EQ(next->Config.Revision, "2.1");
  EXPECT_FLOAT_EQ(next->Config.RevisionValue, 2.1f);
  EXPECT_EQ(next->Config.LastSetName, "守り");
  EXPECT_EQ(next->TrackBar1.Position(), 64);
}

TEST_F(ConfigTest, FirstUseShowsTheReadMeAndKeepsTheResetMarker) {
  const std::string readMe = program.File("ReadMe.txt");
  program.File("IniReset.info");
  conv->tmrStartTimer();
  EXPECT_FALSE(conv->tmrStart.Enabled());
  EXPECT_EQ(conv->Config.ReadMe, "1");
  EXPECT_EQ(conv->Config.flgNotNews, "");
  EXPECT_NE(IniText().find("ReadMe=1\r\n"), std::string::npos);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].path, windows.path() + "NOTEPAD.EXE");
  EXPECT_EQ(started[0].commandLine, " " + readMe);
  EXPECT_TRUE(FileExists(program.path() + "IniReset.info"));

  ASSERT_EQ(messages.size(), 1u);  // no terminal yet
  EXPECT_EQ(messages[0].text, kPrompt);
  EXPECT_EQ(messages[0].caption, "トレードQuorvex");
  EXPECT_EQ(messages[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
}

TEST_F(ConfigTest, ResetMarkerIsConsumedOnceTheReadMeWasShown) {
  const std::string terminal = program.File("MT4\\terminal.exe");
  program.File("FxQuorvex.ini", "ReadMe=1\r\nflgNotNews=1\r\nMT4Path=" + terminal + "\r\n");
  const std::string readMe = program.File("使用説明書\\ReadMe.txt");
  program.File("IniReset.info");
  conv->tmrStartTimer();
  EXPECT_FALSE(FileExists(program.path() + "IniReset.info"));
  EXPECT_EQ(conv->Config.flgNotNews, "0");
  EXPECT_NE(IniText().find("flgNotNews=0\r\n"), std::string::npos);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].commandLine, " " + readMe);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConfigTest, LaterStartsOnlyReadTheFile) {
  const std::string terminal = program.File("MT4\\terminal.exe");
  const std::string before =
      "ReadMe=1\r\nOld=kept until the next write\r\nMT4Path=" + terminal + "\r\n";
  program.File("FxQuorvex.ini", before);
  program.File("ReadMe.txt");
  conv->tmrStartTimer();
  EXPECT_EQ(IniText(), before);
  EXPECT_TRUE(started.empty());
  EXPECT_TRUE(messages.empty());

  // A later start without a terminal path asks for it.
  program.File("FxQuorvex.ini", "ReadMe=1\r\n");
  auto next = NextRun();
  next->tmrStartTimer();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kPrompt);
  EXPECT_TRUE(started.empty());
}

}  // namespace
