#include "process_counts.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace lexiton::e2e {

namespace {

// Where the process environment block names the GDI handle table, and the table's entries as
// wine lays them out: the object's address (8 bytes), its owner (4), a byte whose top bit marks
// a stock object and a generation byte, the object's type (0 for a free entry), flags, and a
// user-mode pointer (8).
constexpr std::size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr std::size_t kGdiTableEntries = 0x10000;
constexpr std::size_t kGdiEntrySize = 24;
constexpr std::size_t kGdiEntryStockByte = 12;
constexpr std::size_t kGdiEntryTypeByte = 14;
constexpr uint8_t kStockFlag = 0x80;

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);

std::optional<DWORD> gdiTableObjects(HANDLE process) {
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
      !basic.PebBaseAddress)
    return std::nullopt;
  void* table = nullptr;
  if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTableOffset,
                         &table, sizeof table, nullptr) ||
      !table)
    return std::nullopt;
  std::vector<uint8_t> entries(kGdiTableEntries * kGdiEntrySize);
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &read) || read != entries.size())
    return std::nullopt;
  DWORD live = 0;
  for (std::size_t i = 0; i < kGdiTableEntries; ++i) {
    const uint8_t* entry = entries.data() + i * kGdiEntrySize;
    if (entry[kGdiEntryTypeByte] != 0 && !(entry[kGdiEntryStockByte] & kStockFlag)) ++live;
  }
  return live;
}

struct WindowCount {
  DWORD processId;
  DWORD count = 0;
};

BOOL CALLBACK countWindow(HWND window, LPARAM into) {
  auto* counted = reinterpret_cast<WindowCount*>(into);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == counted->processId) ++counted->count;
  return TRUE;
}

BOOL CALLBACK countWithChildren(HWND window, LPARAM into) {
  countWindow(window, into);
  EnumChildWindows(window, &countWindow, into);
  return TRUE;
}

DWORD windowsOf(DWORD processId) {
  WindowCount counted{processId};
  EnumWindows(&countWithChildren, reinterpret_cast<LPARAM>(&counted));
  // Message-only windows are on no desktop's list.
  for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr))
    countWithChildren(window, reinterpret_cast<LPARAM>(&counted));
  return counted.count;
}

}  // namespace

ProcessCounts countsOf(HANDLE process, DWORD processId) {
  ProcessCounts counts;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, &memory, sizeof memory)) counts.privateBytes = memory.PagefileUsage;
  counts.guiGdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  counts.guiUserObjects = GetGuiResources(process, GR_USEROBJECTS);
  counts.gdiTableObjects = gdiTableObjects(process);
  counts.windows = windowsOf(processId);
  return counts;
}

}  // namespace lexiton::e2e
