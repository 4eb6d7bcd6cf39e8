#include "bridge/thread_texts.h"

#include <windows.h>

namespace {

DWORD gSlot = TLS_OUT_OF_INDEXES;
CRITICAL_SECTION gLock;
ThreadTexts* gLive = nullptr;

void Unlink(ThreadTexts* block) {
  if (block->previous) block->previous->next = block->next;
  if (block->next) block->next->previous = block->previous;
  if (gLive == block) gLive = block->next;
}

}  // namespace

void AttachThreadTexts() {
  InitializeCriticalSection(&gLock);
  gSlot = TlsAlloc();
}

void DetachThreadTexts(bool processEnding) {
  if (!processEnding) {
    EnterCriticalSection(&gLock);
    while (gLive) {
      ThreadTexts* block = gLive;
      Unlink(block);
      HeapFree(GetProcessHeap(), 0, block);
    }
    LeaveCriticalSection(&gLock);
    DeleteCriticalSection(&gLock);
  }
  if (gSlot != TLS_OUT_OF_INDEXES) TlsFree(gSlot);
  gSlot = TLS_OUT_OF_INDEXES;
}

void ReleaseThreadTexts() {
  if (gSlot == TLS_OUT_OF_INDEXES) return;
  auto* block = static_cast<ThreadTexts*>(TlsGetValue(gSlot));
  if (!block) return;
  TlsSetValue(gSlot, nullptr);
  EnterCriticalSection(&gLock);
  Unlink(block);
  LeaveCriticalSection(&gLock);
  HeapFree(GetProcessHeap(), 0, block);
}

ThreadTexts* OwnThreadTexts() {
  if (gSlot == TLS_OUT_OF_INDEXES) return nullptr;
  if (auto* block = static_cast<ThreadTexts*>(TlsGetValue(gSlot))) return block;
  auto* block = static_cast<ThreadTexts*>(HeapAlloc(GetProcessHeap(), 0, sizeof(ThreadTexts)));
  if (!block) return nullptr;
  block->previous = nullptr;
  EnterCriticalSection(&gLock);
  block->next = gLive;
  if (gLive) gLive->previous = block;
  gLive = block;
  LeaveCriticalSection(&gLock);
  if (!TlsSetValue(gSlot, block)) {
    EnterCriticalSection(&gLock);
    Unlink(block);
    LeaveCriticalSection(&gLock);
    HeapFree(GetProcessHeap(), 0, block);
    return nullptr;
  }
  return block;
}
