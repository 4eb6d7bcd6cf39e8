// The files and folders the main window sets up beside the program when it starts: the
// hidden marker page whose removal stops a running console, and the program's and Windows'
// folders.
#pragma once

#include <string>

#include "common/win/folders.h"

inline constexpr char kRunMarkerPageName[] = "TradeQuorvex.htm";
inline constexpr char kFolderNotShiftJisText[] =
    "プログラムのフォルダーのパスに日本語の文字コード（Shift-JIS）で表せない文字が"
    "含まれているため起動できません。\n"
    "フォルダー名を変更してから起動してください。";
// The downloader a self-update leaves behind; removed when the main window is shown.
inline constexpr char kDownloaderFileName[] = "ZqDL.exe";

// The six lines of the marker page, each ended by CR LF.
std::string RunMarkerPageText();
// Replaces the marker page by a fresh, hidden one; true when the new page is in place.
bool WriteRunMarkerPage(const std::string& path);
