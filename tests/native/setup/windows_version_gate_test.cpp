#include "setup/core/windows_version_gate.h"

#include <gtest/gtest.h>

using namespace setup;

namespace setup {
namespace {

TEST(WindowsVersionGate, OldVersionsRefusedByName) {
  const struct {
    WindowsVersion version;
    const char* name;
  } refused[] = {
      {{1, 4, 0}, "Windows 95"},        {{1, 4, 10}, "Windows 98"},   {{1, 4, 90}, "Windows Me"},
      {{1, 4, 3}, "Windows 95 family"}, {{2, 3, 51}, "Windows NT 3"}, {{2, 4, 0}, "Windows NT 4"},
      {{2, 5, 0}, "Windows 2000"},      {{2, 5, 1}, "Windows XP"},
  };
  for (const auto& r : refused) {
    const VersionVerdict v = CheckWindowsVersion(r.version);
    EXPECT_FALSE(v.allowed) << r.name;
    EXPECT_EQ(v.name, r.name);
  }
}

TEST(WindowsVersionGate, NtFrom52OnAllowed) {
  for (const WindowsVersion v : {WindowsVersion{2, 5, 2},
                                 {2, 6, 0},
                                 {2, 6, 1},
                                 {2, 6, 2},
                                 {2, 6, 3},
                                 {2, 6, 4},
                                 {2, 10, 0},
                                 {2, 2, 0}})
    EXPECT_TRUE(CheckWindowsVersion(v).allowed) << v.major << "." << v.minor;
}

TEST(WindowsVersionGate, UnknownPlatformRefusedWithItsId) {
  const VersionVerdict v = CheckWindowsVersion({3, 10, 0});
  EXPECT_FALSE(v.allowed);
  EXPECT_EQ(v.name, "Windows (platform 3)");
  EXPECT_FALSE(CheckWindowsVersion({0, 6, 1}).allowed);
}

}  // namespace
}  // namespace setup
