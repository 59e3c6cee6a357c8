// Owners for COM as the readers use them: one interface reference (lexiton/win/com_ptr.h), one
// VARIANT (VariantClear), and the calling thread's apartment (lexiton/win/com_apartment.h),
// entered for one reading.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <lexiton/win/com_apartment.h>
#include <lexiton/win/com_ptr.h>

namespace lexiton::textgrab::win {

using lexiton::win::ComApartment;
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

}  // namespace lexiton::textgrab::win
