// named_mutex: one system-wide named mutex (CreateMutexA), its handle closed on destruction.
#pragma once

#include <windows.h>

#include <lexiton/fixed_texts.h>

#include <string>

#include "shared_memory/named_object_exception.h"

namespace lexiton::host {

class named_mutex {
 public:
  class creation_exception : public named_object_exception {
   public:
    creation_exception(std::string name, uint32_t code)
        : named_object_exception(fixed_texts::kMutexCreation, std::move(name), code) {}
  };
  class time_out_exception : public named_object_exception {
   public:
    explicit time_out_exception(std::string name)
        : named_object_exception(fixed_texts::kMutexTimeOut, std::move(name)) {}
  };

  // Creates or opens the mutex; throws creation_exception.
  named_mutex(const std::string& name, bool initiallyOwned);
  ~named_mutex();
  named_mutex(const named_mutex&) = delete;
  named_mutex& operator=(const named_mutex&) = delete;

  // Whether the mutex existed before this object opened it.
  bool existed() const { return existed_; }
  // Anything but acquiring it (time-out, abandoned, failure) throws time_out_exception.
  void wait(DWORD milliseconds);
  void release();

 private:
  HANDLE handle_ = nullptr;
  std::string name_;
  bool existed_ = false;
};

}  // namespace lexiton::host
