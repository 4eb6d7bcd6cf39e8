#include "console/core/server_notices.h"

#include <string_view>

#include "common/number_text.h"
#include "common/text.h"
#include "console/core/url_parts.h"

namespace console {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr size_t kVersionLineMax = 6;
constexpr size_t kRevisionLineMax = 7;
constexpr size_t kNewsIdMax = 7;
constexpr size_t kNewsLineMax = 20;

// Cuts the next line off text; nullopt when no CR LF ends it (text is then left as it was).
std::optional<std::string> CutEndedLine(std::string& text) {
  if (common::PosMbcs(kLineEnd, text) == 0) return std::nullopt;
  return common::CutBefore(kLineEnd, text);
}

// The version goes between double quotes on the downloader's command line and the revision
// into a file name on the desktop and a line of the configuration file: a line holding a
// quote, a path character or a control character would change their meaning, so it names no
// version or revision at all.
bool FitsCommandLineAndFileName(const std::string& line) {
  constexpr std::string_view kBreaking = "\"\\/:*?<>|";
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || kBreaking.find(c) != std::string_view::npos) return false;
  }
  return true;
}

// On the command line a lead byte takes the byte after it as its second half, which may be the
// closing quote: a version is plain single-byte text.
bool IsSingleByteText(const std::string& line) {
  for (const char c : line)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

float TolerantNumber(const std::string& text, size_t maxBytes) {
  if (text.empty() || text.size() > maxBytes) return 0;
  return common::SafeStrToFloat(common::KeepNumber(text));
}

}  // namespace

std::string RevisionArchivePath(const std::string& revision) {
  return "soft/download/VQuorvexStd/RevUpEA_" + revision + ".lzh";
}

std::string NewsPagePath(const std::string& id) {
  return kNewsPageFolder + id + ".htm";
}

NoticeLines SplitNotice(const std::string& text) {
  std::string rest = text;
  NoticeLines lines;
  lines.first = common::CutBefore(kLineEnd, rest);
  lines.second = CutEndedLine(rest);
  return lines;
}

std::optional<std::string> ArchiveAddress(const std::optional<std::string>& addressLine,
                                          const std::string& defaultUrl) {
  if (!addressLine || addressLine->empty()) return defaultUrl;
  if (!IsSecureUrl(*addressLine)) return std::nullopt;
  return *addressLine;
}

std::string VersionText(const std::string& firstLine) {
  // No trail byte is a blank or a line end, so cutting them never splits a character.
  const size_t end = firstLine.find_last_not_of(" \t\r\n");
  return end == std::string::npos ? std::string() : firstLine.substr(0, end + 1);
}

float LatestVersionNumber(const std::string& line) {
  if (line.empty() || line.size() > kVersionLineMax || !FitsCommandLineAndFileName(line) ||
      !IsSingleByteText(line))
    return 0;
  return static_cast<float>(common::TextToFloat(common::KeepNumber(line)));
}

float RevisionNumber(const std::string& line) {
  if (!FitsCommandLineAndFileName(line)) return 0;
  return TolerantNumber(line, kRevisionLineMax);
}

NewsList ReadNewsList(const std::string& text) {
  NewsList list;
  std::string rest = text;
  while (!rest.empty()) {
    std::string line = common::CutBefore(kLineEnd, rest);
    if (line.size() > kNewsLineMax) {
      list.noNews = true;
      break;
    }
    if (list.newest.empty()) list.newest = line;
    list.lines.push_back(std::move(line));
  }
  return list;
}

float NewsIdNumber(const std::string& id) {
  return TolerantNumber(id, kNewsIdMax);
}

std::string VersionLabelText(float ownVersion) {
  const std::string v = common::FloatToText(ownVersion);
  const std::string t = common::FormatPrice("##.###", v);
  if (t.size() > 3) {
    const bool fifthIsZero = t.size() > 4 && t[4] == '0';
    return "Ver. " + (fifthIsZero ? common::FormatPrice("##.##", v) : t);
  }
  return "Ver. " + common::FormatPrice("##.#", v) + "0";
}

}  // namespace console
