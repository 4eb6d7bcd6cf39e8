// The outside archiver library the console unpacks update archives with: its file name, where
// the console fetches it from, the command it issues and what an extraction can give back.
#pragma once

inline constexpr char kUnlhaFileName[] = "UNLHA32.DLL";
inline constexpr char kUnlhaServerPath[] = "soft/download/UNLHA32.DLL";
// Unpack with folders; the switches go to the library as they stand.
inline constexpr char kExtractCommand[] = "x -+ -a2 -d1 -f0 -n1 -m1";

// The result of ExtractLzh: 0 success, any other value failure.
using ArchiverResult = int;
inline constexpr ArchiverResult kArchiveExtracted = 0;
inline constexpr ArchiverResult kArchiveMissing = -1;
inline constexpr ArchiverResult kArchiverUnavailable = 1;  // the library may give 1 as well
