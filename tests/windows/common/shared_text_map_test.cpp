#include "common/win/shared_text_map.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/channel_names.h"

using namespace common;

namespace {

// Unique names per test run, so a map left by another test never leaks in.
std::string MapName(const char* base) {
  return std::string(base) + "_test_" + std::to_string(GetCurrentProcessId());
}

TEST(SharedTextMap, FirstSideCreatesZeroFilledLaterSideKeepsTheText) {
  SharedTextMap console, bridge;
  const std::string name = MapName(kCommandMapName);
  ASSERT_TRUE(console.Open(name, kConsoleMapSize, kConsoleMapSize));
  EXPECT_TRUE(console.Created());
  EXPECT_EQ(console.Size(), kConsoleMapSize);
  for (size_t i = 0; i < console.Size(); ++i) ASSERT_EQ(console.View()[i], 0);
  console.WriteText("Buy_1.0");

  // The bridge asks for 2048 bytes of a map the console created with 1024.
  ASSERT_TRUE(bridge.Open(name, kBridgeMapSize, kBridgeMapSize));
  EXPECT_FALSE(bridge.Created());
  EXPECT_GE(bridge.Size(), kConsoleMapSize);
  EXPECT_LE(bridge.Size(), kBridgeMapSize);
  EXPECT_EQ(bridge.ReadText(bridge.Size()), "Buy_1.0");
}

TEST(SharedTextMap, WriteReplacesWholeTextAndReadsStopAtTheLimits) {
  SharedTextMap map;
  ASSERT_TRUE(map.Open(MapName(kPriceMapName), kConsoleMapSize, kConsoleMapSize));
  map.WriteText("BuyLimit_20.0=150.300#15$-10");
  map.WriteText("Nanpin");
  EXPECT_EQ(map.ReadText(kConsoleTextMax), "Nanpin");
  for (size_t i = 6; i < map.Size(); ++i) ASSERT_EQ(map.View()[i], 0) << i;

  map.WriteText("1.23456001");
  EXPECT_EQ(ReadPriceText(map), "1.23456");
  map.WriteText("1.2");
  EXPECT_EQ(ReadPriceText(map), "1.2");

  // A text longer than the view keeps its NUL inside the view.
  map.WriteText(std::string(5000, 'x'));
  EXPECT_EQ(map.View()[map.Size() - 1], 0);
  EXPECT_EQ(map.ReadText(kConsoleTextMax), std::string(kConsoleTextMax, 'x'));
}

TEST(SharedTextMap, ClosedMapReadsEmptyAndIgnoresWrites) {
  SharedTextMap map;
  EXPECT_FALSE(map.IsOpen());
  map.WriteText("x");
  EXPECT_EQ(map.ReadText(100), "");
  ASSERT_TRUE(map.Open(MapName(kInfoMapName), kConsoleMapSize, kConsoleMapSize));
  map.Close();
  EXPECT_FALSE(map.IsOpen());
  EXPECT_EQ(map.ReadText(100), "");
}

// Writers and readers on several threads (as the console and the expert's threads) never see
// a mix of two texts: every copy happens under the map's lock.
TEST(SharedTextMap, ConcurrentCopiesAreWhole) {
  const std::string name = MapName(kSettingMapName);
  SharedTextMap writerSide, readerSide;
  ASSERT_TRUE(writerSide.Open(name, kSettingMapSize, kSettingMapSize));
  ASSERT_TRUE(readerSide.Open(name, kBridgeMapSize, kBridgeMapSize));
  const std::string a(1500, 'a'), b(700, 'b');
  std::atomic<bool> torn{false};
  std::thread writer([&] {
    for (int i = 0; i < 2000; ++i) writerSide.WriteText(i % 2 ? a : b);
  });
  std::thread reader([&] {
    for (int i = 0; i < 2000; ++i) {
      const std::string t = readerSide.ReadText(readerSide.Size());
      if (!t.empty() && t != a && t != b) torn = true;
    }
  });
  writer.join();
  reader.join();
  EXPECT_FALSE(torn);
}

}  // namespace
