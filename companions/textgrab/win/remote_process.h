// The other program a window belongs to, opened for as long as one reading needs it, and
// memory allocated inside it for a message whose argument must live in the target's address
// space. Both owners release what they hold on every path.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>

namespace lexiton::textgrab::win {

class ProcessHandle {
 public:
  ProcessHandle() = default;
  ProcessHandle(DWORD processId, DWORD access) : handle_(OpenProcess(access, FALSE, processId)) {}
  ~ProcessHandle() {
    if (handle_) CloseHandle(handle_);
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  ProcessHandle(ProcessHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ProcessHandle& operator=(ProcessHandle&&) = delete;

  explicit operator bool() const { return handle_ != nullptr; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_ = nullptr;
};

// Committed read-write memory in another process (VirtualAllocEx), freed when the owner goes.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  explicit operator bool() const { return address_ != nullptr; }
  void* address() const { return address_; }
  bool write(const void* data, std::size_t size, std::size_t offset = 0) const {
    SIZE_T written = 0;
    return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &written) &&
           written == size;
  }
  bool read(void* data, std::size_t size, std::size_t offset = 0) const {
    SIZE_T got = 0;
    return ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &got) &&
           got == size;
  }

 private:
  HANDLE process_;
  void* address_;
};

// The program file of a process without its folder ("notepad.exe"); empty when it cannot be
// asked.
std::wstring programFileName(DWORD processId);

}  // namespace lexiton::textgrab::win
