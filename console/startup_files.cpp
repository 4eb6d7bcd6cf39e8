#include "console/startup_files.h"

#include <windows.h>

#include "common/win/codepage.h"
#include "common/win/text_file.h"

std::string RunMarkerPageText() {
  return "<html>\r\n<head>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n</body>\r\n</html>\r\n";
}

bool WriteRunMarkerPage(const std::string& path) {
  DeleteFileAt(path);
  return WriteTextFile(RunMarkerPageText(), path, true);
}
