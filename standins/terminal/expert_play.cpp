#include "standins/terminal/expert_play.h"

#include <cmath>

namespace {

// The word before the first "_", or the whole command.
std::wstring CommandWord(const std::wstring& command) {
  return command.substr(0, command.find(L'_'));
}

}  // namespace

int ApplyCommand(int positions, const std::wstring& command) {
  const std::wstring word = CommandWord(command);
  if (word == L"Buy") return positions + 1;
  if (word == L"Sell") return positions - 1;
  if (word == L"Nanpin") return positions > 0 ? positions + 1 : positions < 0 ? positions - 1 : 0;
  if (word == L"CloseAll") return 0;
  if (word == L"CloseBuy") return positions > 0 ? 0 : positions;
  if (word == L"CloseSell") return positions < 0 ? 0 : positions;
  return positions;
}

std::wstring InfoReport(int positions) {
  return L"PelmorarInfo\r\nHitCount=" + std::to_wstring(positions) + L"\r\n";
}

double MadeUpPrice(unsigned tick) {
  return 150.25 + 0.08 * std::sin(tick * 0.05) + 0.01 * std::sin(tick * 0.7);
}
