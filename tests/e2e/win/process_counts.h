// What another process holds, for the memory and handle figures of the latency benchmark: its
// private memory, and its GDI and user objects counted two ways. GetGuiResources is what
// Windows offers; wine 8 answers it with 0 for every process (a stub), so the objects are also
// counted from what the process itself holds: GDI objects in its GDI handle table (the table its
// PEB names, one entry per live object), and its windows (top-level, child and message-only),
// the user objects the program makes. Private memory is the process's commit charge as
// GetProcessMemoryInfo gives it (PagefileUsage: wine leaves PrivateUsage at 0 and fills this one
// from Linux's count of the process's anonymous memory, resident and swapped).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace lexiton::e2e {

struct ProcessCounts {
  uint64_t privateBytes = 0;             // PROCESS_MEMORY_COUNTERS::PagefileUsage
  DWORD guiGdiObjects = 0;               // GetGuiResources(GR_GDIOBJECTS)
  DWORD guiUserObjects = 0;              // GetGuiResources(GR_USEROBJECTS)
  std::optional<DWORD> gdiTableObjects;  // live entries of the GDI handle table, stock objects aside
  DWORD windows = 0;
};

// `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
ProcessCounts countsOf(HANDLE process, DWORD processId);

}  // namespace lexiton::e2e
