// What the stand-in's expert does with the console's commands: a signed count of open
// positions (positive for buys, negative for sells), the state report it publishes, and the
// price it makes up.
#pragma once

#include <string>

// Carries one command out on the count: a buy adds one, a sell takes one away, averaging
// adds one on the side that is open, closes flatten their side; pending orders and deletions
// change nothing that is open.
int ApplyCommand(int positions, const std::wstring& command);

// "PelmorarInfo", CR LF, "HitCount=" count, CR LF.
std::wstring InfoReport(int positions);

// A price that wanders around 150.25 with the tick number.
double MadeUpPrice(unsigned tick);
