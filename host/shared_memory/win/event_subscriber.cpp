#include "shared_memory/win/event_subscriber.h"

#include <lexiton/fixed_texts.h>

#include <new>

#include "shared_memory/subscriber_record.h"

namespace lexiton::host {

bool EventSubscriber::create(const std::string& shortName, HWND window, uint32_t firstValue,
                             uint32_t secondValue) {
  try {
    bool created = false;
    auto memory = std::make_unique<shared_memory>(static_cast<unsigned>(SubscriberRecord::kSize), shortName,
                                                  true, created);
    if (!created) throw shared_memory::creation_exception(shortName, kAlreadyExistsCode);
    SubscriberRecord record;
    // Window handles fit in 32 bits on every Windows; the record keeps that value.
    record.window = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(window));
    record.firstValue = firstValue;
    record.secondValue = secondValue;
    record.processId = GetCurrentProcessId();
    record.threadId = GetCurrentThreadId();
    record.enabled = 0;
    const auto bytes = record.bytes();
    memory->lock_wait(kSharedBlockWaitMs);
    memory->write(bytes.data(), static_cast<unsigned>(bytes.size()), 0);
    memory->lock_release();
    memory_ = std::move(memory);
    return true;
  } catch (const named_object_exception& e) {
    error_ = e.what();
  } catch (const std::bad_alloc&) {
    error_ = std::string(fixed_texts::kBadAllocation);
  }
  return false;
}

bool EventSubscriber::setEnabled(bool enabled) {
  if (!memory_) return false;
  try {
    memory_->lock_wait(kSharedBlockWaitMs);
    std::array<uint8_t, SubscriberRecord::kSize> bytes{};
    bool ok = memory_->read(bytes.data(), static_cast<unsigned>(bytes.size()), 0);
    if (ok) {
      SubscriberRecord record = SubscriberRecord::fromBytes(bytes);
      record.enabled = enabled ? 1 : 0;
      bytes = record.bytes();
      ok = memory_->write(bytes.data(), static_cast<unsigned>(bytes.size()), 0);
    }
    memory_->lock_release();
    return ok;
  } catch (const named_object_exception& e) {
    error_ = e.what();
  }
  return false;
}

}  // namespace lexiton::host
