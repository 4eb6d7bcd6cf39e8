// What the maker's web server publishes for the console, and how the console reads it: the
// latest console version, the expert's latest revision, the news list, and the addresses of
// the archives and news pages. Server paths are relative to the site root.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace console {

inline constexpr char kVersionNoticePath[] = "soft/Attestation/VQuorvexStd/Version.txt";
inline constexpr char kRevisionNoticePath[] = "soft/Attestation/VQuorvexStd/Revision.txt";
inline constexpr char kNewsIndexPath[] = "soft/Attestation/VQuorvexStd/News.txt";
inline constexpr char kNewsPageFolder[] = "soft/Attestation/PlodaQuorvex/News/";
// The console's own update archive, when the version notice names none.
inline constexpr char kUpdateArchivePath[] = "soft/download/VQuorvexStd/ZqDL.lzh";

// The expert's archive for a revision, when the revision notice names none.
std::string RevisionArchivePath(const std::string& revision);
// The news page of an id.
std::string NewsPagePath(const std::string& id);

// The two lines the console reads of a version or revision notice. The first is the text
// before the first CR LF (the whole text without one); the second counts only when a CR LF
// ends it, so a last line cut short is never taken for an address.
struct NoticeLines {
  std::string first;
  std::optional<std::string> second;
};
NoticeLines SplitNotice(const std::string& text);

// Where a download for a notice goes: the notice's address line when it names one, else the
// default. Nothing when the line names an address that is not https: whoever stands between
// the console and that host could hand it a program to run or files for the desktop.
std::optional<std::string> ArchiveAddress(const std::optional<std::string>& addressLine,
                                          const std::string& defaultUrl);

// A version notice's first line without the line ends and blanks after it, as a notice saved
// with a bare LF or a trailing blank leaves them.
std::string VersionText(const std::string& firstLine);

// The latest version of a version text: 0 when it is empty or longer than 6 bytes or holding a
// quote, a path or a control character or a byte of 0x80 or above, else its digits and points
// converted strictly (ConversionError when they do not form a number, as "1..2" or ".").
float LatestVersionNumber(const std::string& line);
// The revision of a revision notice's first line: 0 when the line is empty, longer than 7
// bytes or holding a quote, a path or a control character, else its digits and points read
// tolerantly.
float RevisionNumber(const std::string& line);

// The news list: one id per CR LF line, the newest first.
struct NewsList {
  std::vector<std::string> lines;  // in file order, empty lines too
  std::string newest;              // the first non-empty line
  // A line over 20 bytes marks the list as holding no news; lines holds what came before it.
  bool noNews = false;
};
NewsList ReadNewsList(const std::string& text);
// An id as a number: 0 when it is empty or longer than 7 bytes.
float NewsIdNumber(const std::string& id);

// The splash's version label: 1.0800005 gives "Ver. 1.08", 1.2340005 gives "Ver. 1.234".
std::string VersionLabelText(float ownVersion);

}  // namespace console
