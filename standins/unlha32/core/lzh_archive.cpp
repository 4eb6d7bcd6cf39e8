#include "standins/unlha32/core/lzh_archive.h"

#include <cctype>
#include <string_view>

#include "common/text.h"

namespace lzh {

namespace {

constexpr uint8_t kFolderSeparator = 0xFF;  // between folder names in extended headers
constexpr uint8_t kNameExtension = 0x01;
constexpr uint8_t kFolderExtension = 0x02;

uint32_t Le16(const uint8_t* p) {
  return static_cast<uint32_t>(p[0] | (p[1] << 8));
}

uint32_t Le32(const uint8_t* p) {
  return Le16(p) | (Le16(p + 2) << 16);
}

// Code page 932 as the system converts it: lead bytes 0x81-0x9F and 0xE0-0xFC.
bool IsLeadByte(uint8_t b) {
  return common::IsSjisLeadByte(b) || (b >= 0xF0 && b <= 0xFC);
}

bool IsSeparator(uint8_t b) {
  return b == '\\' || b == '/' || b == kFolderSeparator;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool IsDeviceName(const std::string& piece) {
  std::string base = Upper(piece.substr(0, piece.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" ||
      base == "CONOUT$")
    return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

// A piece the system would keep exactly as it stands, inside the folder it is made in.
bool IsSafePiece(const std::string& piece) {
  if (piece == ".." || piece.back() == '.' || piece.back() == ' ') return false;
  for (size_t i = 0; i < piece.size(); ++i) {
    const uint8_t b = static_cast<uint8_t>(piece[i]);
    if (IsLeadByte(b)) {
      ++i;  // its trail byte was checked when the name was split
      continue;
    }
    if (b < 0x20 || b == 0x7F ||
        std::string_view("<>:\"|?*").find(static_cast<char>(b)) != std::string_view::npos)
      return false;
  }
  return !IsDeviceName(piece);
}

// The name and folder that extended headers carry; both replace what the base header said.
struct ExtendedNames {
  bool hasName = false;
  std::string name;
  std::string folder;
};

// Walks the chain of extended headers from `at`, each giving the size of the next in its last
// two bytes, within [at, end). Returns the offset after the chain, 0 when it runs past end.
size_t ReadExtensions(const uint8_t* archive, size_t at, size_t end, uint32_t nextSize,
                      ExtendedNames& names) {
  while (nextSize != 0) {
    if (nextSize < 3 || nextSize > end - at) return 0;
    const uint8_t* ext = archive + at;
    const std::string data(reinterpret_cast<const char*>(ext + 1), nextSize - 3);
    if (ext[0] == kNameExtension) {
      names.hasName = true;
      names.name = data;
    } else if (ext[0] == kFolderExtension) {
      names.folder = data;
    }
    at += nextSize;
    nextSize = Le16(archive + at - 2);
  }
  return at;
}

struct Header {
  std::string methodId;
  std::string name;
  size_t dataOffset = 0;
  uint64_t packedSize = 0;
};

// One header at `at`; the member's data follows at header.dataOffset.
ReadResult ReadHeader(const uint8_t* archive, size_t size, size_t at, Header& header,
                      Member& member) {
  constexpr size_t kCommonPart = 22;  // up to and with the level byte and one more
  if (size - at < kCommonPart) return ReadResult::Damaged;
  const uint8_t* h = archive + at;
  const size_t left = size - at;
  const int level = h[20];
  header.methodId.assign(reinterpret_cast<const char*>(h + 2), 5);
  // Every method id reads "-xxx-": anything else is no header at all.
  if (header.methodId.front() != '-' || header.methodId.back() != '-') return ReadResult::Damaged;
  header.packedSize = Le32(h + 7);
  member.originalSize = Le32(h + 11);
  ExtendedNames names;
  if (level == 0 || level == 1) {
    const size_t headerSize = size_t{h[0]} + 2;
    const size_t nameLength = h[21];
    const size_t fixed = kCommonPart + nameLength + (level == 0 ? 2 : 5);
    if (headerSize > left || fixed > headerSize) return ReadResult::Damaged;
    uint8_t sum = 0;
    for (size_t i = 2; i < headerSize; ++i) sum = static_cast<uint8_t>(sum + h[i]);
    if (sum != h[1]) return ReadResult::Damaged;
    header.name.assign(reinterpret_cast<const char*>(h + kCommonPart), nameLength);
    member.crc = static_cast<uint16_t>(Le16(h + kCommonPart + nameLength));
    header.dataOffset = at + headerSize;
    if (level == 1) {
      // The packed size of level 1 counts the extended headers that follow the base header.
      const size_t end =
          ReadExtensions(archive, at + headerSize, size, Le16(h + headerSize - 2), names);
      if (end == 0 || end - header.dataOffset > header.packedSize) return ReadResult::Damaged;
      header.packedSize -= end - header.dataOffset;
      header.dataOffset = end;
    }
  } else if (level == 2) {
    constexpr size_t kBase = 26;
    const size_t headerSize = Le16(h);
    if (headerSize < kBase || headerSize > left) return ReadResult::Damaged;
    member.crc = static_cast<uint16_t>(Le16(h + 21));
    if (ReadExtensions(archive, at + kBase, at + headerSize, Le16(h + 24), names) == 0)
      return ReadResult::Damaged;
    header.dataOffset = at + headerSize;
  } else {
    return ReadResult::UnknownMethod;
  }
  if (names.hasName) header.name = names.name;
  if (!names.folder.empty())
    header.name = names.folder + static_cast<char>(kFolderSeparator) + header.name;
  if (header.packedSize > size - header.dataOffset) return ReadResult::Damaged;
  return ReadResult::Ok;
}

}  // namespace

bool SplitMemberName(const std::string& name, std::vector<std::string>& pieces) {
  pieces.clear();
  if (!name.empty() && IsSeparator(static_cast<uint8_t>(name[0]))) return false;
  std::string piece;
  auto endPiece = [&] {
    if (piece.empty() || piece == ".") {
      piece.clear();
      return true;
    }
    if (!IsSafePiece(piece)) return false;
    pieces.push_back(piece);
    piece.clear();
    return true;
  };
  for (size_t i = 0; i < name.size(); ++i) {
    const uint8_t b = static_cast<uint8_t>(name[i]);
    if (IsLeadByte(b)) {
      if (i + 1 >= name.size() || !common::IsSjisTrailByte(static_cast<uint8_t>(name[i + 1])))
        return false;
      piece += name.substr(i, 2);
      ++i;
    } else if (IsSeparator(b)) {
      if (!endPiece()) return false;
    } else if (b == 0x80 || b == 0xA0 || b >= 0xFD) {
      return false;  // no character of code page 932
    } else {
      piece += static_cast<char>(b);
    }
  }
  return endPiece();
}

ReadResult ReadMembers(const uint8_t* archive, size_t size, std::vector<Member>& members) {
  members.clear();
  size_t at = 0;
  while (at < size && archive[at] != 0) {
    Header header;
    Member member;
    const ReadResult read = ReadHeader(archive, size, at, header, member);
    if (read != ReadResult::Ok) return read;
    if (!MethodOf(header.methodId, member.method)) return ReadResult::UnknownMethod;
    if (!SplitMemberName(header.name, member.path)) return ReadResult::UnsafeName;
    if (member.path.empty() && member.method != Method::Folder) return ReadResult::UnsafeName;
    member.dataOffset = header.dataOffset;
    member.packedSize = static_cast<size_t>(header.packedSize);
    members.push_back(member);
    at = header.dataOffset + member.packedSize;
  }
  return ReadResult::Ok;
}

}  // namespace lzh
