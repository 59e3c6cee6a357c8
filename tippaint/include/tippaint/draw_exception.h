// Failures of the painter's own drawing objects; caught by the painter export.
#pragma once

#include <exception>

namespace tippaint {

class DrawException : public std::exception {
 public:
  static constexpr int kFont = 0;          // a painter font cannot be created
  static constexpr int kMemoryDc = 1;      // a memory context for a logo cannot be created
  static constexpr int kBrush = 2;         // the background brush cannot be created
  static constexpr int kSelectBitmap = 3;  // a logo bitmap cannot be selected

  explicit DrawException(int code) : code_(code) {}
  int code() const { return code_; }
  const char* what() const noexcept override { return "tippaint drawing failure"; }

 private:
  int code_;
};

}  // namespace tippaint
