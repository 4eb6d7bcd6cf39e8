#include "standins/unlha32/core/lzh_extract.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/native/unlha32/lzh_test_archives.h"

namespace {

using lzh::ExtractResult;
using lzh_test::Extract;
using lzh_test::Level0;
using lzh_test::Level0Claiming;
using lzh_test::Level2;
using lzh_test::MemorySink;
using lzh_test::ReadFixture;
using lzh_test::SpaceBlocks;

// Made by fixtures/make-fixtures.sh: one tree, each method and header level.
const char* const kFixtures[] = {
    "lh5-level0.lzh", "lh5-level1.lzh", "lh5-level2.lzh", "lh6-level0.lzh", "lh6-level1.lzh",
    "lh6-level2.lzh", "lh7-level0.lzh", "lh7-level1.lzh", "lh7-level2.lzh",
};
const char kTextPath[] = "sub/deeper/text.txt";
// "表ソ": both characters end in the byte of "\", which must not part the name.
const char kJapaneseFolder[] = "表ソ";
const char kJapaneseFile[] = "表ソ/日本語ファイル.txt";

// What another archiver unpacks of the member, when it is installed here.
bool OtherArchiverUnpacks(const std::string& archive, const std::string& member,
                          std::string& bytes) {
#ifdef _WIN32
  (void)archive, (void)member, (void)bytes;
  return false;
#else
  if (std::FILE* probe = std::fopen("/usr/bin/lhasa", "rb")) {
    std::fclose(probe);
  } else {
    return false;
  }
  const std::string command =
      "/usr/bin/lhasa pq '" + lzh_test::FixturePath(archive) + "' " + member;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return false;
  char chunk[4096];
  bytes.clear();
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) bytes.append(chunk, n);
  return pclose(pipe) == 0;
#endif
}

TEST(LzhFixtures, EveryMethodAndHeaderLevelUnpacksTheSameTree) {
  std::string firstText;
  for (const char* name : kFixtures) {
    SCOPED_TRACE(name);
    const std::string archive = ReadFixture(name);
    ASSERT_FALSE(archive.empty());
    MemorySink sink;
    ASSERT_EQ(Extract(archive, sink), ExtractResult::Ok);
    EXPECT_EQ(sink.folders, (std::set<std::string>{"sub", "sub/deeper", kJapaneseFolder}));
    ASSERT_EQ(sink.files.size(), 4u);
    EXPECT_EQ(sink.files["a.txt"], "hello world\n");
    EXPECT_EQ(sink.files["empty.txt"], "");
    EXPECT_EQ(sink.files[kJapaneseFile], "ja\n");
    const std::string& text = sink.files[kTextPath];
    // A 3200-byte block repeated 16000 and 51200 bytes in: reachable by -lh7- only.
    ASSERT_EQ(text.size(), 54404u);
    EXPECT_EQ(text.substr(16000, 3200), text.substr(0, 3200));
    EXPECT_EQ(text.substr(51200, 3200), text.substr(0, 3200));
    if (firstText.empty()) firstText = text;
    EXPECT_EQ(text, firstText);
    std::string other;
    if (OtherArchiverUnpacks(name, kTextPath, other)) {
      EXPECT_EQ(text, other);
    }
    EXPECT_EQ(sink.dropped, 0);
  }
}

TEST(LzhFixtures, AFileOfSeveralHuffmanBlocks) {
  MemorySink sink;
  ASSERT_EQ(Extract(ReadFixture("lh5-blocks.lzh"), sink), ExtractResult::Ok);
  const std::string& text = sink.files["blocks.txt"];
  ASSERT_EQ(text.size(), 40000u);
  EXPECT_EQ(text.find_first_not_of("ACGT"), std::string::npos);
  std::string other;
  if (OtherArchiverUnpacks("lh5-blocks.lzh", "blocks.txt", other)) {
    EXPECT_EQ(text, other);
  }
}

TEST(LzhRefusals, NamesThatLeaveTheTargetFolderWriteNothing) {
  const std::string good = Level0("good.txt", "fine");
  for (const std::string bad :
       {"/etc/passwd", "\\evil.txt", "C:evil.txt", "c:\\evil.txt", "..\\evil.txt",
        "a/../../evil.txt", "sub\\..\\..\\evil.txt", "..", "CON", "nul.txt", "a\\LPT1", "evil.",
        "evil ", "a|b", "bad\x01name", "\x95"}) {
    SCOPED_TRACE(bad);
    MemorySink sink;
    EXPECT_EQ(Extract(good + Level0(bad, "x"), sink), ExtractResult::UnsafeName);
    EXPECT_TRUE(sink.files.empty());
    EXPECT_TRUE(sink.folders.empty());
  }
  // Folders of extended headers climb as well.
  MemorySink sink;
  EXPECT_EQ(Extract(Level2("sub\xFF..\xFF..", "evil.txt", "x"), sink), ExtractResult::UnsafeName);
  EXPECT_EQ(Extract(Level2("\xFFroot", "evil.txt", "x"), sink), ExtractResult::UnsafeName);
  EXPECT_TRUE(sink.files.empty());
}

TEST(LzhRefusals, HeadersAndDataPastTheEnd) {
  const std::string archive = ReadFixture("lh5-level1.lzh");
  ASSERT_GT(archive.size(), 1000u);
  for (size_t cut : {size_t{1}, size_t{10}, size_t{30}, archive.size() / 2, archive.size() - 40}) {
    SCOPED_TRACE(cut);
    MemorySink sink;
    EXPECT_EQ(Extract(archive.substr(0, cut), sink), ExtractResult::Damaged);
    EXPECT_TRUE(sink.files.empty());
  }
  MemorySink sink;
  EXPECT_EQ(Extract("", sink), ExtractResult::Damaged);
  EXPECT_EQ(Extract("<html><body>404 Not Found</body></html>", sink), ExtractResult::Damaged);
  // A level-0 header whose checksum does not add up.
  std::string badSum = Level0("a.txt", "abc");
  badSum[1] = static_cast<char>(badSum[1] + 1);
  EXPECT_EQ(Extract(badSum, sink), ExtractResult::Damaged);
}

TEST(LzhRefusals, UnknownMethodsAndLevels) {
  MemorySink sink;
  EXPECT_EQ(Extract(Level0("a.txt", "abc", "-lh9-"), sink), ExtractResult::UnknownMethod);
  EXPECT_EQ(Extract(Level0("a.txt", "abc", "-lzs-"), sink), ExtractResult::UnknownMethod);
  std::string level3 = Level2("", "a.txt", "abc");
  level3[20] = 3;
  EXPECT_EQ(Extract(level3, sink), ExtractResult::UnknownMethod);
  EXPECT_TRUE(sink.files.empty());
}

TEST(LzhRefusals, AFileFailingItsCrcIsNotKept) {
  // The stored CRC of a stored member, and a packed byte of a compressed one.
  std::string stored = Level2("", "a.txt", "abc");
  stored[21] = static_cast<char>(stored[21] ^ 0x01);
  MemorySink sink;
  EXPECT_EQ(Extract(Level0("first.txt", "1") + stored, sink), ExtractResult::CrcMismatch);
  EXPECT_EQ(sink.files.count("a.txt"), 0u);
  EXPECT_EQ(sink.dropped, 1);

  std::string packed = ReadFixture("lh6-level2.lzh");
  const size_t text = packed.find("text.txt");
  ASSERT_NE(text, std::string::npos);
  packed[text + 600] = static_cast<char>(packed[text + 600] ^ 0x10);
  MemorySink flipped;
  const ExtractResult result = Extract(packed, flipped);
  EXPECT_TRUE(result == ExtractResult::CrcMismatch || result == ExtractResult::Damaged);
  EXPECT_EQ(flipped.files.count(kTextPath), 0u);
  EXPECT_EQ(flipped.dropped, 1);
}

TEST(LzhRefusals, ArchivesClaimingMoreThanTheBoundOrTheRoomWriteNothing) {
  // 1.7 KB that unpack to 4 GiB of spaces; a sink taking 1 MiB stops it should it be unpacked.
  const std::string bomb = Level0Claiming("bomb.txt", "-lh5-", SpaceBlocks(257), 0xFFFFFFFF, 0);
  EXPECT_LT(bomb.size(), 1800u);
  const std::string halfGiB = Level0Claiming("half.txt", "-lh5-", SpaceBlocks(32), 1u << 29, 0);
  for (const std::string& archive :
       {bomb, Level0("first.txt", "1") + bomb, halfGiB + halfGiB + Level0("one.txt", "1")}) {
    MemorySink sink;
    sink.writeLimit = 1 << 20;
    EXPECT_EQ(Extract(archive, sink), ExtractResult::TooLarge);
    EXPECT_EQ(sink.begun, 0);
    EXPECT_TRUE(sink.folders.empty());
  }

  // The tree claims 54419 bytes in all: it fits a target with that much room, and no less.
  const std::string tree = ReadFixture("lh5-level0.lzh");
  MemorySink exact;
  exact.freeSpace = 54419;
  EXPECT_EQ(Extract(tree, exact), ExtractResult::Ok);
  MemorySink small;
  small.freeSpace = 54418;
  EXPECT_EQ(Extract(tree, small), ExtractResult::TooLarge);
  EXPECT_EQ(small.begun, 0);
  EXPECT_TRUE(small.folders.empty());
}

TEST(LzhRefusals, DataThatUnpackToMoreThanTheClaimedSizeAreDamaged) {
  const std::string block = SpaceBlocks(1);
  auto spaces = [](uint64_t n) { return std::string(static_cast<size_t>(n), ' '); };
  MemorySink whole;
  ASSERT_EQ(Extract(Level0Claiming("all.txt", "-lh5-", block,
                                   static_cast<uint32_t>(lzh_test::kSpaceBlockSize),
                                   lzh_test::CrcOf(spaces(lzh_test::kSpaceBlockSize))),
                    whole),
            ExtractResult::Ok);
  EXPECT_EQ(whole.files["all.txt"].size(), lzh_test::kSpaceBlockSize);

  // Cut in the middle of a match, and after a whole match with the block's other symbols left:
  // the CRC of what was claimed matches, yet nothing is kept.
  for (uint32_t claimed : {1000u, 1024u}) {
    SCOPED_TRACE(claimed);
    MemorySink sink;
    EXPECT_EQ(Extract(Level0Claiming("cut.txt", "-lh5-", block, claimed,
                                     lzh_test::CrcOf(spaces(claimed))),
                      sink),
              ExtractResult::Damaged);
    EXPECT_TRUE(sink.files.empty());
    EXPECT_EQ(sink.dropped, 1);
  }
}

TEST(LzhExtract, ShiftJisNamesAndSinkFailures) {
  MemorySink sink;
  // 0x5C as the second byte of a character is part of the name; as a byte of its own it parts.
  ASSERT_EQ(Extract(Level0("表\\ソ.txt", "x") + Level2("表\xFFソ", "b.txt", "y"), sink),
            ExtractResult::Ok);
  EXPECT_EQ(sink.files["表/ソ.txt"], "x");
  EXPECT_EQ(sink.files["表/ソ/b.txt"], "y");
  // A sink that cannot take the output stops the run.
  MemorySink full;
  full.writeLimit = 1000;
  EXPECT_EQ(Extract(ReadFixture("lh7-level0.lzh"), full), ExtractResult::CannotWrite);
  EXPECT_EQ(full.files.count(kTextPath), 0u);
}

}  // namespace
