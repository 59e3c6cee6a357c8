// The calling thread's COM apartment, entered for the owner's lifetime: the text reader enters a
// single-threaded one for each reading, the speech library a multithreaded one on its speaking
// thread.
#pragma once

#include <windows.h>

#include <objbase.h>

namespace lexiton::win {

class ComApartment {
 public:
  // COINIT_APARTMENTTHREADED or COINIT_MULTITHREADED.
  explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED) : result_(CoInitializeEx(nullptr, model)) {}
  ~ComApartment() {
    // Only a successful call (S_OK or S_FALSE) is balanced; a thread already in another
    // apartment (RPC_E_CHANGED_MODE) is left as it was.
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace lexiton::win
