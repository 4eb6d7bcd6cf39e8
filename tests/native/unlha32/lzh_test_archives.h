// Archives for the extraction tests: the committed fixtures, hand-made headers of each level
// (for hostile members), and a sink that keeps what it is given in memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "standins/unlha32/core/lzh_decoder.h"
#include "standins/unlha32/core/lzh_extract.h"

namespace lzh_test {

inline std::string FixturePath(const std::string& name) {
  return std::string(LZH_FIXTURES) + "/" + name;
}

inline std::string ReadFixture(const std::string& name) {
  std::string bytes;
  if (FILE* f = std::fopen(FixturePath(name).c_str(), "rb")) {
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
    std::fclose(f);
  }
  return bytes;
}

inline void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline uint16_t CrcOf(const std::string& data) {
  return lzh::Crc16(0, reinterpret_cast<const uint8_t*>(data.data()), data.size());
}

// A member with a level 0 header that claims what it is given: packed data of the method, the
// size they unpack to and the CRC of those bytes.
inline std::string Level0Claiming(const std::string& name, const std::string& method,
                                  const std::string& packed, uint32_t originalSize, uint16_t crc) {
  std::string h = method;
  PutLe(h, static_cast<uint32_t>(packed.size()), 4);
  PutLe(h, originalSize, 4);
  PutLe(h, 0, 4);  // time
  h += '\x20';     // attribute
  h += '\0';       // level
  h += static_cast<char>(name.size());
  h += name;
  PutLe(h, crc, 2);
  uint8_t sum = 0;
  for (char c : h) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
  return std::string(1, static_cast<char>(h.size())) + static_cast<char>(sum) + h + packed;
}

// A stored or folder member with a level 0 header; name as it is to be stored. wrongCrc stores
// a CRC that does not match the data (in a header whose checksum is right).
inline std::string Level0(const std::string& name, const std::string& data,
                          const std::string& method = "-lh0-", bool wrongCrc = false) {
  return Level0Claiming(name, method, data, static_cast<uint32_t>(data.size()),
                        static_cast<uint16_t>(CrcOf(data) ^ (wrongCrc ? 1 : 0)));
}

// What one block of SpaceBlocks unpacks to.
inline constexpr uint64_t kSpaceBlockSize = uint64_t{65535} * 256;

// -lh5- data of `blocks` blocks, each of 65535 matches of 256 bytes one byte back, with every
// code of one symbol and read in no bits. The window starts full of spaces, so each block of
// under 7 bytes unpacks to 16 MiB of spaces.
inline std::string SpaceBlocks(int blocks) {
  std::string out;
  uint32_t pending = 0;
  int count = 0;
  auto put = [&](uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      pending = (pending << 1) | ((value >> i) & 1);
      if (++count == 8) {
        out += static_cast<char>(pending);
        pending = 0;
        count = 0;
      }
    }
  };
  for (int b = 0; b < blocks; ++b) {
    put(65535, 16);          // symbols in the block
    put(0, 5), put(0, 5);    // the code of the literal code's lengths: unused
    put(0, 9), put(509, 9);  // the literal code: only the match of 256 bytes
    put(0, 4), put(0, 4);    // the position code: only one byte back
  }
  if (count > 0) out += static_cast<char>(pending << (8 - count));
  return out;
}

// A stored member with a level 2 header: folder (0xFF between names) and name in extensions.
inline std::string Level2(const std::string& folder, const std::string& name,
                          const std::string& data) {
  std::string ext;
  for (auto [type, text] : {std::pair{'\x01', name}, std::pair{'\x02', folder}}) {
    if (type == '\x02' && folder.empty()) continue;
    PutLe(ext, static_cast<uint32_t>(text.size() + 3), 2);
    ext += type;
    ext += text;
  }
  std::string h;
  PutLe(h, 0, 2);  // total size, set below
  h += "-lh0-";
  PutLe(h, static_cast<uint32_t>(data.size()), 4);
  PutLe(h, static_cast<uint32_t>(data.size()), 4);
  PutLe(h, 0, 4);
  h += '\x20';
  h += '\x02';
  PutLe(h, CrcOf(data), 2);
  h += 'M';  // system
  // The chain: each extension's size sits in the two bytes before it.
  h += ext;
  PutLe(h, 0, 2);
  h[0] = static_cast<char>(h.size() & 0xFF);
  h[1] = static_cast<char>(h.size() >> 8);
  return h + data;
}

// Keeps folders and kept files; counts files begun and dropped.
class MemorySink : public lzh::Sink {
 public:
  uint64_t FreeSpace() override { return freeSpace; }
  bool MakeFolder(const std::vector<std::string>& path) override {
    folders.insert(Join(path));
    return true;
  }
  bool BeginFile(const std::vector<std::string>& path) override {
    current_ = Join(path);
    content_.clear();
    ++begun;
    return true;
  }
  bool Write(const uint8_t* data, size_t size) override {
    content_.append(reinterpret_cast<const char*>(data), size);
    return content_.size() <= writeLimit;
  }
  bool KeepFile() override {
    files[current_] = content_;
    return true;
  }
  void DropFile() override { ++dropped; }

  static std::string Join(const std::vector<std::string>& path) {
    std::string joined;
    for (const std::string& piece : path) joined += (joined.empty() ? "" : "/") + piece;
    return joined;
  }

  std::set<std::string> folders;
  std::map<std::string, std::string> files;
  int begun = 0;
  int dropped = 0;
  size_t writeLimit = SIZE_MAX;
  uint64_t freeSpace = UINT64_MAX;

 private:
  std::string current_;
  std::string content_;
};

inline lzh::ExtractResult Extract(const std::string& archive, MemorySink& sink) {
  return lzh::ExtractArchive(reinterpret_cast<const uint8_t*>(archive.data()), archive.size(),
                             sink);
}

}  // namespace lzh_test
