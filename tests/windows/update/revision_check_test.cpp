// The expert revision check against the local server: the question and its three answers, the
// download to the desktop, the notes in Notepad and the recorded revision.
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "console/registry_value.h"
#include "tests/windows/update/lzh_writer.h"
#include "tests/windows/update/web_check_fixture.h"

namespace {

constexpr char kRevisionTxt[] = "soft/Attestation/VQuorvexStd/Revision.txt";
constexpr char kDefaultArchive[] = "soft/download/VQuorvexStd/RevUpEA_1.5.lzh";
constexpr char kDownloadFailed[] =
    "ＥＡファイルのダウンロードに失敗しました\n後日 Vendaro からのアップデートをお待ちください";
constexpr wchar_t kShellFolders[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Sets the user's Desktop value for one test and puts the old one back afterwards.
class DesktopValue {
 public:
  DesktopValue(const std::string& folder, DWORD type) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof saved_;
    had_ = RegQueryValueExW(key_, L"Desktop", nullptr, &savedType_, reinterpret_cast<BYTE*>(saved_),
                            &size) == ERROR_SUCCESS;
    savedSize_ = size;
    const std::wstring value = SjisToWide(folder);
    RegSetValueExW(key_, L"Desktop", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  ~DesktopValue() {
    if (had_)
      RegSetValueExW(key_, L"Desktop", 0, savedType_, reinterpret_cast<const BYTE*>(saved_),
                     savedSize_);
    else
      RegDeleteValueW(key_, L"Desktop");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  bool had_ = false;
  DWORD savedType_ = 0;
  DWORD savedSize_ = 0;
  wchar_t saved_[MAX_PATH] = {};
};

class RevisionTest : public WebCheckTest {
 protected:
  void SetUp() override {
    WebCheckTest::SetUp();
    conv->ReadIni();  // the recorded revision: none, so the console's own version counts
  }
  std::string Note(const std::string& folder) const { return folder + "ReadEAUpRev.txt"; }

  ScratchFolder desktop{"qxdesk"};
  DesktopValue desktopValue{desktop.path(), REG_SZ};
};

TEST_F(RevisionTest, YesDownloadsUnpacksShowsBothNotesAndRecords) {
  Serve(kRevisionTxt, "1.5\r\n");
  Serve(kDefaultArchive, StoredLzhArchive({{"ReadEAUpRev.txt", "read me first\r\n"},
                                           {"EA_Update\\ReadEAUpRev.txt", "new revision\r\n"},
                                           {"EA_Update\\Pelmora.ex4", "ex4"}}));
  answers = {IDYES};
  conv->tmrRevCheck.SetEnabled(true);
  Tick(*conv, conv->tmrRevCheck);

  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text,
            "「ＥＡ（ex4）」の新しいリビジョンが出ています\n自動ダウンロード出来ます！！\n"
            "ダウンロードしますか？");
  EXPECT_EQ(messages[0].flags, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(
      messages[1].text,
      "このＰＣのデスクトップ上(フォルダー名「EA_Update」)に\nＥＡファイルをダウンロードしました");
  EXPECT_EQ(conv->UpdateArchiveUrl, "");  // the self-update's address is not the revision's
  EXPECT_FALSE(FileExists(desktop.path() + "PlodaEA1.5.lzh"));
  EXPECT_TRUE(FileExists(desktop.path() + "EA_Update\\Pelmora.ex4"));
  // The desktop's note first, then the folder's, each deleted once Notepad is ready for input
  // and the moment has passed.
  const std::string notes[] = {Note(desktop.path()), Note(desktop.path() + "EA_Update\\")};
  ASSERT_EQ(started.size(), 2u);
  for (size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(started[k].path, windows.path() + "NOTEPAD.EXE");
    EXPECT_EQ(started[k].commandLine, " " + notes[k]);
    EXPECT_EQ(started[k].readyWithinMs, 10000u);
    EXPECT_FALSE(FileExists(notes[k]));
  }
  EXPECT_EQ(waits, (std::vector<DWORD>{1500, 1500}));
  EXPECT_NE(IniText().find("Revision=1.5\r\n"), std::string::npos);
  EXPECT_TRUE(conv->tmrRevCheck.Enabled());
}

// Notepad that could not be started, or never got ready, has read nothing: both notes stay.
TEST_F(RevisionTest, NotesNotepadDidNotTakeStay) {
  Serve(kRevisionTxt, "1.5\r\n");
  Serve(kDefaultArchive, StoredLzhArchive({{"ReadEAUpRev.txt", "read me first\r\n"},
                                           {"EA_Update\\ReadEAUpRev.txt", "new revision\r\n"}}));
  answers = {IDYES};
  startsAndGetsReady = false;
  conv->cmd_GetRevisionClick();
  EXPECT_EQ(started.size(), 2u);
  EXPECT_TRUE(FileExists(Note(desktop.path())));
  EXPECT_TRUE(FileExists(Note(desktop.path() + "EA_Update\\")));
  EXPECT_TRUE(waits.empty());
  EXPECT_NE(IniText().find("Revision=1.5\r\n"), std::string::npos);
}

TEST_F(RevisionTest, NoStopsTheChecksUntilTheSplashClosesAgain) {
  Serve(kRevisionTxt, "1.5\r\n");
  answers = {IDNO};
  conv->tmrRevCheck.SetEnabled(true);
  Tick(*conv, conv->tmrRevCheck);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(conv->RevisionDeclined);
  EXPECT_FALSE(conv->tmrRevCheck.Enabled());
  splash->Close();  // as the layout button does, also to a hidden splash
  EXPECT_TRUE(conv->tmrRevCheck.Enabled());
  EXPECT_EQ(IniText().find("Revision=1.5"), std::string::npos);
}

TEST_F(RevisionTest, CancelAndEqualRevisionChangeNothing) {
  Serve(kRevisionTxt, "1.5\r\nhttp://127.0.0.1:9/x.lzh\r\n");
  answers = {IDCANCEL};
  conv->tmrRevCheck.SetEnabled(true);
  Tick(*conv, conv->tmrRevCheck);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_FALSE(conv->RevisionDeclined);
  EXPECT_TRUE(conv->tmrRevCheck.Enabled());
  EXPECT_EQ(conv->UpdateArchiveUrl, "");  // never handed on to the self-update

  Serve(kRevisionTxt, "1.08");  // the console's own version stands for a missing record
  conv->cmd_GetRevisionClick();
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(RevisionTest, FailedDownloadIsReportedAndNotRecorded) {
  Serve(kRevisionTxt, "1.5\r\n");  // its archive is missing on the server
  answers = {IDYES};
  conv->cmd_GetRevisionClick();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, kDownloadFailed);
  EXPECT_TRUE(started.empty());
  EXPECT_EQ(IniText().find("Revision=1.5"), std::string::npos);
  // Offered again by the next check.
  answers = {IDNO};
  conv->cmd_GetRevisionClick();
  EXPECT_EQ(messages.size(), 3u);
}

// An address line that is not https is not fetched, nor is the default in its place.
TEST_F(RevisionTest, PlainHttpAddressIsNotFetched) {
  const std::string archive = StoredLzhArchive({{"EA_Update\\Pelmora.ex4", "ex4"}});
  Serve("soft/download/other.lzh", archive);
  Serve(kDefaultArchive, archive);
  Serve(kRevisionTxt, "1.5\r\n" + Url("soft/download/other.lzh") + "\r\n");
  answers = {IDYES};
  conv->cmd_GetRevisionClick();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, kDownloadFailed);
  EXPECT_EQ(EntriesIn(desktop.path()), 0);
  EXPECT_EQ(IniText().find("Revision=1.5"), std::string::npos);
}

// The version notice's address line, read by the splash without an update to act on, is the
// self-update's alone: the revision comes from its own default address.
TEST_F(RevisionTest, VersionNoticeAddressIsNotTheRevisions) {
  std::string secureRoot = Root();
  secureRoot.replace(0, 4, "https");
  Serve("soft/Attestation/VQuorvexStd/Version.txt",
        "1.08\r\n" + secureRoot + "soft/download/VQuorvexStd/ZqDL.lzh\r\n");
  splash->Show();
  splash->tmrVerCheck.SetEnabled(true);
  Tick(*splash, splash->tmrVerCheck);
  ASSERT_TRUE(messages.empty());  // up to date

  Serve(kRevisionTxt, "1.5\r\n");
  Serve(kDefaultArchive, StoredLzhArchive({{"EA_Update\\Pelmora.ex4", "ex4"}}));
  answers = {IDYES};
  conv->cmd_GetRevisionClick();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(
      messages[1].text,
      "このＰＣのデスクトップ上(フォルダー名「EA_Update」)に\nＥＡファイルをダウンロードしました");
  EXPECT_TRUE(FileExists(desktop.path() + "EA_Update\\Pelmora.ex4"));
}

// A revision downloaded in this run is not offered again; the next one comes from its own
// address, not from the one before it.
TEST_F(RevisionTest, EachRevisionOfTheRunOnceAndFromItsOwnAddress) {
  Serve(kRevisionTxt, "1.5\r\n");
  Serve(kDefaultArchive, StoredLzhArchive({{"EA_Update\\Pelmora15.ex4", "ex4"}}));
  answers = {IDYES};
  conv->cmd_GetRevisionClick();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_TRUE(FileExists(desktop.path() + "EA_Update\\Pelmora15.ex4"));

  conv->cmd_GetRevisionClick();
  EXPECT_EQ(messages.size(), 2u);  // no question

  Serve(kRevisionTxt, "1.6\r\n");
  Serve("soft/download/VQuorvexStd/RevUpEA_1.6.lzh",
        StoredLzhArchive({{"EA_Update\\Pelmora16.ex4", "ex4"}}));
  answers = {IDYES};
  conv->cmd_GetRevisionClick();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_TRUE(FileExists(desktop.path() + "EA_Update\\Pelmora16.ex4"));
  EXPECT_FALSE(FileExists(desktop.path() + "PlodaEA1.6.lzh"));
  EXPECT_NE(IniText().find("Revision=1.6\r\n"), std::string::npos);
}

TEST_F(RevisionTest, ExpandableDesktopValueUsesTheConsolesFolder) {
  DesktopValue expandable{"%USERPROFILE%\\Desktop", REG_EXPAND_SZ};
  Serve(kRevisionTxt, "1.5\r\n");
  Serve(kDefaultArchive, StoredLzhArchive({{"ReadEAUpRev.txt", "note\r\n"}}));
  answers = {IDYES};
  conv->cmd_GetRevisionClick();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, "このＰＣのデスクトップ上にＥＡファイルを\nダウンロードしました");
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].commandLine, " " + Note(program.path()));
  EXPECT_FALSE(FileExists(Note(program.path())));
  EXPECT_FALSE(FileExists(program.path() + "PlodaEA1.5.lzh"));
}

TEST_F(RevisionTest, ArchiveThatDoesNotUnpackStaysAndIsNamed) {
  Serve(kRevisionTxt, "1.5\r\n");
  Serve(kDefaultArchive, "damaged");
  answers = {IDYES};
  conv->cmd_GetRevisionClick();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text,
            "このＰＣのデスクトップ上にＥＡ(PlodaEA1.5.lzh)を\nダウンロードしました");
  EXPECT_TRUE(FileExists(desktop.path() + "PlodaEA1.5.lzh"));
  EXPECT_NE(IniText().find("Revision=1.5\r\n"), std::string::npos);
}

// A value written without its closing NUL and with a stray last byte is read to its last whole
// character and no further.
TEST(RegistryValueTest, ValueWithoutItsNulOrWithHalfACharacterEndsAtItsLastWholeCharacter) {
  constexpr wchar_t kKey[] = L"Software\\QuorvexTest";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const std::wstring folder = L"C:\\デスク";
  std::vector<BYTE> bytes(folder.size() * sizeof(wchar_t));
  memcpy(bytes.data(), folder.data(), bytes.size());
  for (BYTE stray : {BYTE{0x41}, BYTE{0}}) {
    std::vector<BYTE> value = bytes;
    value.push_back(stray);
    for (const std::vector<BYTE>& stored : {bytes, value}) {
      RegSetValueExW(key, L"Odd", 0, REG_SZ, stored.data(), static_cast<DWORD>(stored.size()));
      EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, "Software\\QuorvexTest", "Odd"),
                WideToSjis(folder));
    }
  }
  RegCloseKey(key);
  RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

}  // namespace
