// Writes small LZH archives for the tests: every entry stored as it is (method -lh0-) under a
// level-0 header, which is the header, the bytes and their CRC-16; a zero byte ends the archive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LzhEntry {
  std::string name;  // Shift-JIS, folders separated by "\"
  std::string bytes;
};

inline uint16_t LzhCrc16(const std::string& bytes) {
  uint16_t crc = 0;
  for (unsigned char b : bytes) {
    crc ^= b;
    for (int k = 0; k < 8; ++k)
      crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
  return crc;
}

inline std::string StoredLzhArchive(const std::vector<LzhEntry>& entries) {
  auto put = [](std::string& out, uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) out += static_cast<char>((value >> (8 * k)) & 0xFF);
  };
  std::string archive;
  for (const LzhEntry& e : entries) {
    std::string body = "-lh0-";
    const auto size = static_cast<uint32_t>(e.bytes.size());
    put(body, size, 4);             // packed size
    put(body, size, 4);             // original size
    put(body, (0x5A21u << 16), 4);  // 2025-01-01 00:00, MS-DOS form
    body += '\x20';                 // archive attribute
    body += '\x00';                 // header level 0
    body += static_cast<char>(e.name.size());
    body += e.name;
    put(body, LzhCrc16(e.bytes), 2);
    unsigned sum = 0;
    for (unsigned char b : body) sum += b;
    archive += static_cast<char>(body.size());
    archive += static_cast<char>(sum & 0xFF);
    archive += body + e.bytes;
  }
  return archive + '\0';
}
