#include "standins/unlha32/core/lzh_extract.h"

#include "standins/unlha32/core/lzh_archive.h"
#include "standins/unlha32/core/lzh_decoder.h"

namespace lzh {

namespace {

ExtractResult FromRead(ReadResult read) {
  switch (read) {
    case ReadResult::Ok:
      return ExtractResult::Ok;
    case ReadResult::Damaged:
      return ExtractResult::Damaged;
    case ReadResult::UnsafeName:
      return ExtractResult::UnsafeName;
    case ReadResult::UnknownMethod:
      return ExtractResult::UnknownMethod;
  }
  return ExtractResult::Damaged;
}

// The folders above a member, so that a file comes with its folder chain.
bool MakeParents(const Member& member, Sink& sink) {
  for (size_t depth = 1; depth < member.path.size(); ++depth) {
    const std::vector<std::string> parent(member.path.begin(), member.path.begin() + depth);
    if (!sink.MakeFolder(parent)) return false;
  }
  return true;
}

ExtractResult Unpack(const uint8_t* archive, const Member& member, Sink& sink) {
  if (!MakeParents(member, sink)) return ExtractResult::CannotWrite;
  if (member.method == Method::Folder)
    return member.path.empty() || sink.MakeFolder(member.path) ? ExtractResult::Ok
                                                               : ExtractResult::CannotWrite;
  if (!sink.BeginFile(member.path)) return ExtractResult::CannotWrite;
  uint16_t crc = 0;
  const DecodeResult decoded = Decode(member.method, archive + member.dataOffset, member.packedSize,
                                      member.originalSize, [&](const uint8_t* data, size_t size) {
                                        crc = Crc16(crc, data, size);
                                        return sink.Write(data, size);
                                      });
  ExtractResult result = ExtractResult::Ok;
  if (decoded == DecodeResult::Damaged)
    result = ExtractResult::Damaged;
  else if (decoded == DecodeResult::OutputFailed)
    result = ExtractResult::CannotWrite;
  else if (crc != member.crc)
    result = ExtractResult::CrcMismatch;
  if (result != ExtractResult::Ok) {
    sink.DropFile();
    return result;
  }
  return sink.KeepFile() ? ExtractResult::Ok : ExtractResult::CannotWrite;
}

}  // namespace

ExtractResult ExtractArchive(const uint8_t* archive, size_t size, Sink& sink) {
  std::vector<Member> members;
  const ExtractResult read = FromRead(ReadMembers(archive, size, members));
  if (read != ExtractResult::Ok) return read;
  // Nothing to unpack is no archive the caller could have meant (an empty or foreign file).
  if (members.empty()) return ExtractResult::Damaged;
  // Each size is below 4 GiB and the members are fewer than the archive's bytes: no overflow.
  uint64_t claimed = 0;
  for (const Member& member : members) claimed += member.originalSize;
  if (claimed > kMaxUnpackedSize || claimed > sink.FreeSpace()) return ExtractResult::TooLarge;
  for (const Member& member : members) {
    const ExtractResult unpacked = Unpack(archive, member, sink);
    if (unpacked != ExtractResult::Ok) return unpacked;
  }
  return ExtractResult::Ok;
}

}  // namespace lzh
