// Owners for COM: one interface reference (lexiton/win/com_ptr.h), one VARIANT (VariantClear), and the
// apartment of the calling thread, entered for one reading and left again if this entered it.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <lexiton/win/com_ptr.h>

namespace lexiton::textgrab::win {

using lexiton::win::ComPtr;

class Variant {
 public:
  Variant() { VariantInit(&v_); }
  ~Variant() { VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  const VARIANT& get() const { return v_; }
  VARIANT* put() {
    VariantClear(&v_);
    return &v_;
  }

 private:
  VARIANT v_;
};

class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    // Only a successful call (S_OK or S_FALSE) is balanced; a thread already in another
    // apartment (RPC_E_CHANGED_MODE) is left as it was.
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

}  // namespace lexiton::textgrab::win
