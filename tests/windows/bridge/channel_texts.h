// Texts the console side and the library exchange in the concurrency test: each is
// recognisable as a whole, so a copy that mixed two of them would show.
#pragma once

#include <string>

namespace channel_texts {

inline const std::string kCommands[] = {"Buy_1.0", "SellStop_10.0=1.23450#12$-7"};
inline const std::string kSettings[] = {"SetName=表ソ設定\r\n" + std::string(1500, 'a'),
                                        "SetName=ﾊﾞｰ\r\n" + std::string(300, 'b')};

constexpr int kThreads = 8;

// Thread t's report: the header, its count, and a tail whose length and letter are t's own.
inline std::string Report(int t) {
  return "PelmorarInfo\r\nHitCount=" + std::to_string(t) + "\r\n" +
         std::string(60 * t + 1, static_cast<char>('a' + t));
}

inline double Price(int t) {
  return 1.5 + 1.25 * t;
}

}  // namespace channel_texts
