#include "shared_memory/win/named_mutex.h"

namespace lexiton::host {

named_mutex::named_mutex(const std::string& name, bool initiallyOwned) : name_(name) {
  handle_ = CreateMutexA(nullptr, initiallyOwned ? TRUE : FALSE, name.c_str());
  const DWORD error = GetLastError();
  if (!handle_) throw creation_exception(name_, error);
  existed_ = error == ERROR_ALREADY_EXISTS;
}

named_mutex::~named_mutex() {
  if (handle_) CloseHandle(handle_);
}

void named_mutex::wait(DWORD milliseconds) {
  if (WaitForSingleObject(handle_, milliseconds) != WAIT_OBJECT_0) throw time_out_exception(name_);
}

void named_mutex::release() { ReleaseMutex(handle_); }

}  // namespace lexiton::host
