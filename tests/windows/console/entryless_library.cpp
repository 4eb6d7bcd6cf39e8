// A library that loads but lacks the archiver library's entry, served under its name.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI NotUnlha() {
  return 0;
}
