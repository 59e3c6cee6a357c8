// The base of the exceptions of the named system objects (named_mutex, shared_memory): a fixed
// text, the name of the object concerned and the system error code, when there was one.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace lexiton::host {

class named_object_exception : public std::exception {
 public:
  named_object_exception(std::string_view text, std::string name, uint32_t code = 0)
      : text_(text), name_(std::move(name)), code_(code) {}
  const char* what() const noexcept override { return text_.c_str(); }
  const std::string& name() const { return name_; }
  uint32_t code() const { return code_; }

 private:
  std::string text_;
  std::string name_;
  uint32_t code_;
};

}  // namespace lexiton::host
