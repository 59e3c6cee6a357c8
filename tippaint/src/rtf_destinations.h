// The RTF reader's group state and its destination readers. Each group names the reader that
// receives its text and control words; readers live as long as one parse.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tippaint/rich_document.h"
#include "tippaint/rtf_exception.h"
#include "tippaint/rtf_tokenizer.h"

namespace tippaint::rtf {

// Highest font number a font table may define; numbers beyond would only grow an empty table.
inline constexpr std::int32_t kMaxFontNumber = 4095;
// Most colour-table entries a document may define.
inline constexpr std::size_t kMaxColours = 4096;
// Most destination readers one parse may make (one per font entry and per collected font
// string); a real font table has a few dozen.
inline constexpr std::size_t kMaxReaders = 16384;

class DestinationReader;

struct GroupState {
  DestinationReader* destination = nullptr;
  std::int32_t skip_count = 0;    // fallback units of a \u still to drop
  std::int32_t unicode_skip = 1;  // \uc
  std::int32_t hidden = 0;        // \v
  SectionFormat section;
  ParaFormat paragraph;
  CharFormat character;
};

// How a control word treats its parameter.
enum class ParameterRule { kAny, kRequired, kNone };
// Throws kMissingParameter / kUnexpectedParameter when the word breaks its rule.
void check_parameter(ParameterRule rule, bool has_parameter);
// One of the destinations skipped as a whole when no reader knows them.
bool is_skipped_destination(const std::string& name);

class DestinationReader {
 public:
  explicit DestinationReader(RtfEventSink& sink) : tokenizer_(sink) {}
  virtual ~DestinationReader() = default;
  DestinationReader(const DestinationReader&) = delete;
  DestinationReader& operator=(const DestinationReader&) = delete;

  virtual void on_text(std::uint8_t byte, GroupState& state) {}
  virtual void on_binary(std::uint8_t byte, GroupState& state) {}
  virtual void on_symbol(char symbol, GroupState& state) {}
  // True when the word was handled.
  virtual bool on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                       GroupState& state) {
    return false;
  }
  // This destination's group has closed.
  virtual void on_finished(const GroupState& popped) {}
  // A control word in this group moved the group to another destination.
  virtual void on_switched_away(GroupState& state, DestinationReader* new_destination) {}
  // A group with another destination closed and this destination is current again.
  virtual void on_child_finished(GroupState& state, DestinationReader* child) {}
  virtual void on_group_closed() {}

  RtfTokenizer& tokenizer() { return tokenizer_; }

 private:
  RtfTokenizer tokenizer_;
};

// Makes readers that live until the end of the parse (one per font entry, per collected text).
class ReaderPool {
 public:
  explicit ReaderPool(RtfEventSink& sink) : sink_(sink) {}
  template <class Reader, class... Args>
  Reader* make(Args&&... args) {
    if (readers_.size() >= kMaxReaders) throw RTFException(RTFException::kTooLarge);
    auto reader = std::make_unique<Reader>(sink_, std::forward<Args>(args)...);
    Reader* raw = reader.get();
    readers_.push_back(std::move(reader));
    return raw;
  }
  RtfEventSink& sink() { return sink_; }

 private:
  RtfEventSink& sink_;
  std::vector<std::unique_ptr<DestinationReader>> readers_;
};

class SkipReader : public DestinationReader {
 public:
  using DestinationReader::DestinationReader;
};

// Appends every text byte to a string it is given access to.
class TextCollector : public DestinationReader {
 public:
  TextCollector(RtfEventSink& sink, std::function<std::string&()> target)
      : DestinationReader(sink), target_(std::move(target)) {}
  void on_text(std::uint8_t byte, GroupState& state) override;

 private:
  std::function<std::string&()> target_;
};

struct FontEntry {
  bool defined = false;
  std::int32_t family = 0;
  std::int32_t charset = 0;
  std::int32_t pitch = 0;
  std::string name;
  std::string alt_name;
  std::string panose;
  std::string real_name;
  std::int32_t bias = 0;
  std::int32_t code_page = 0;
};

struct ColorEntry {
  bool is_auto = true;
  std::int32_t red = 0, green = 0, blue = 0;
};

class FontTableReader : public DestinationReader {
 public:
  FontTableReader(RtfEventSink& sink, ReaderPool& pool, std::vector<FontEntry>& fonts)
      : DestinationReader(sink), pool_(pool), fonts_(fonts) {}
  bool on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
               GroupState& state) override;

 private:
  ReaderPool& pool_;
  std::vector<FontEntry>& fonts_;
};

class FontEntryReader : public DestinationReader {
 public:
  FontEntryReader(RtfEventSink& sink, ReaderPool& pool, std::vector<FontEntry>& fonts, std::size_t slot)
      : DestinationReader(sink), pool_(pool), fonts_(fonts), slot_(slot) {}
  void on_text(std::uint8_t byte, GroupState& state) override;
  bool on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
               GroupState& state) override;

 private:
  FontEntry& entry() { return fonts_[slot_]; }

  ReaderPool& pool_;
  std::vector<FontEntry>& fonts_;  // may grow while this reader lives: keep the slot number
  std::size_t slot_;
};

class ColorTableReader : public DestinationReader {
 public:
  ColorTableReader(RtfEventSink& sink, std::vector<ColorEntry>& colours)
      : DestinationReader(sink), colours_(colours) {}
  void on_text(std::uint8_t byte, GroupState& state) override;
  bool on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
               GroupState& state) override;

 private:
  std::vector<ColorEntry>& colours_;
  ColorEntry current_;
};

struct PictureBuilder {
  enum Kind : std::int32_t {
    kNone = 0,
    kEmf = 1,
    kPng = 2,
    kJpeg = 3,
    kMac = 4,
    kOs2 = 5,
    kWmf = 6,
    kDib = 7,
    kDdb = 8
  };

  void reset() { *this = PictureBuilder{}; }

  std::int32_t kind = kNone;
  PictureItem item;  // what the document receives when the kind is one we paint
  std::uint8_t half_byte = 0;
  bool have_half_byte = false;
};

class PictureReader : public DestinationReader {
 public:
  PictureReader(RtfEventSink& sink, PictureBuilder& picture, RichDocument& document)
      : DestinationReader(sink), picture_(picture), document_(document) {}
  void on_text(std::uint8_t byte, GroupState& state) override;
  void on_binary(std::uint8_t byte, GroupState& state) override;
  bool on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
               GroupState& state) override;
  void on_finished(const GroupState& popped) override;

 private:
  PictureBuilder& picture_;
  RichDocument& document_;
};

class ObjectReader : public DestinationReader {
 public:
  ObjectReader(RtfEventSink& sink, PictureBuilder& picture, PictureReader& picture_reader,
               SkipReader& skip_reader)
      : DestinationReader(sink),
        picture_(picture),
        picture_reader_(picture_reader),
        skip_reader_(skip_reader) {}
  bool on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
               GroupState& state) override;

 private:
  PictureBuilder& picture_;
  PictureReader& picture_reader_;
  SkipReader& skip_reader_;
};

// Document-level settings; only the default font and the page geometry reach the output.
struct DocumentSettings {
  std::int32_t version = 0;
  bool has_version = false;
  std::int32_t charset_kind = 0;  // \ansi 0, \mac 1, \pc 2, \pca 3
  std::int32_t code_page = 1252;
  std::int32_t default_font = 0;
  std::int32_t default_tab = 720;
  SectionFormat page;
  std::int32_t notabind = 0, wraptrsp = 0, noextrasprl = 0, truncex = 0;
};

class MainTextReader : public DestinationReader {
 public:
  MainTextReader(RtfEventSink& sink, RichDocument& document, ReaderPool& pool);

  void on_text(std::uint8_t byte, GroupState& state) override;
  void on_symbol(char symbol, GroupState& state) override;
  bool on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
               GroupState& state) override;
  void on_finished(const GroupState& popped) override;
  void on_switched_away(GroupState& state, DestinationReader* new_destination) override;
  void on_child_finished(GroupState& state, DestinationReader* child) override;
  void on_group_closed() override { format_may_have_changed_ = true; }

  SkipReader* skip_reader() const { return skip_reader_; }
  const DocumentSettings& settings() const { return settings_; }
  const std::vector<FontEntry>& fonts() const { return fonts_; }
  const std::vector<ColorEntry>& colours() const { return colours_; }

 private:
  bool handle_word(const std::string& name, bool has_parameter, std::int32_t parameter, GroupState& state);
  void text_byte(std::uint8_t byte, GroupState& state);
  void special_character(std::uint8_t byte, GroupState& state);
  void unicode_character(std::int32_t value, GroupState& state);
  void adopt_format(const CharFormat& format);
  void clear_wide(CharFormat& format);
  void flush();
  void end_paragraph(const GroupState& state);
  void apply_font(std::int32_t number, CharFormat& format) const;
  void apply_colour(std::int32_t number, bool background, CharFormat& format) const;

  RichDocument& document_;
  ReaderPool& pool_;
  DocumentSettings settings_;
  std::vector<FontEntry> fonts_;
  std::vector<ColorEntry> colours_;
  PictureBuilder picture_;
  SkipReader* skip_reader_;
  FontTableReader* font_table_reader_;
  ColorTableReader* colour_table_reader_;
  PictureReader* picture_reader_;
  ObjectReader* object_reader_;

  std::string pending_;  // 8-bit bytes, or UTF-16LE units when the format is wide
  CharFormat pending_format_;
  bool format_may_have_changed_ = true;
  bool section_format_waiting_ = true;
};

}  // namespace tippaint::rtf
