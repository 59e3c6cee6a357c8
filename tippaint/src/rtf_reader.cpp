// The RTF reader's driving loop: one group stack, every byte given to the tokenizer of the
// current group's destination, events routed to that destination.
#include "tippaint/rtf_reader.h"

#include <vector>

#include "rtf_destinations.h"

namespace tippaint {
namespace {

using rtf::DestinationReader;
using rtf::GroupState;

class Parser : public RtfEventSink {
 public:
  explicit Parser(RichDocument& document) : pool_(*this), main_(*this, document, pool_) {
    stack_.reserve(16);
    GroupState base;
    base.destination = &main_;
    stack_.push_back(base);
  }

  void run(const std::uint8_t*& position, const std::uint8_t* end) {
    bool first = true;
    while (stack_.size() > 1 || first) {
      if (position >= end) throw RTFException(RTFException::kEndOfInput);
      if (top().destination->tokenizer().feed(*position)) {
        ++position;
        first = false;
      }
    }
  }

  void on_text(std::uint8_t byte) override { top().destination->on_text(byte, top()); }
  void on_binary(std::uint8_t byte) override { top().destination->on_binary(byte, top()); }
  void on_symbol(char symbol) override { top().destination->on_symbol(symbol, top()); }

  void on_word(const std::string& name, bool has_parameter, std::int32_t parameter, bool ignorable) override {
    GroupState& state = top();
    DestinationReader* before = state.destination;
    if (before->on_word(name, has_parameter, parameter, state)) {
      if (state.destination != before) before->on_switched_away(state, state.destination);
    } else if (ignorable || rtf::is_skipped_destination(name)) {
      state.destination = main_.skip_reader();
    }
  }

  void on_group_open() override {
    if (stack_.size() > static_cast<std::size_t>(kMaxGroupDepth))
      throw RTFException(RTFException::kGroupsTooDeep);
    stack_.push_back(top());
  }

  void on_group_close() override {
    // A stray "}" before any group opened would take the base state away; nothing to close.
    if (stack_.size() == 1) return;
    const GroupState closing = top();
    stack_.pop_back();
    DestinationReader* old_destination = closing.destination;
    DestinationReader* new_destination = top().destination;
    if (old_destination != new_destination || stack_.size() == 1) {
      old_destination->on_finished(closing);
      new_destination->on_child_finished(top(), old_destination);
    }
    new_destination->on_group_closed();
  }

 private:
  GroupState& top() { return stack_.back(); }

  rtf::ReaderPool pool_;
  rtf::MainTextReader main_;
  std::vector<GroupState> stack_;
};

}  // namespace

void parse_document(const std::uint8_t*& position, const std::uint8_t* end, RichDocument& document) {
  Parser parser(document);
  parser.run(position, end);
}

std::size_t parse_document(std::string_view rtf, RichDocument& document) {
  const auto* begin = reinterpret_cast<const std::uint8_t*>(rtf.data());
  const std::uint8_t* position = begin;
  parse_document(position, begin + rtf.size(), document);
  return static_cast<std::size_t>(position - begin);
}

}  // namespace tippaint
