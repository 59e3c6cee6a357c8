#include "pe_unwind_table.h"

#include <cstring>
#include <string_view>

namespace lexiton::pe {

namespace {

constexpr uint32_t kNewHeaderOffsetField = 60;
constexpr std::size_t kFileHeaderSize = 20;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kMagic32 = 0x10b;
constexpr uint16_t kMagic64 = 0x20b;
constexpr std::size_t kImageSizeField = 56;
constexpr std::size_t kDirectoryCountField32 = 92, kDirectoryCountField64 = 108;
constexpr std::size_t kDirectories32 = 96, kDirectories64 = 112;
constexpr uint32_t kExceptionDirectory = 3;
constexpr std::size_t kEntrySize = 12;
constexpr uint32_t kExecutable = 0x20000000, kContainsCode = 0x20;
// The unwind data's first byte holds its version in the low three bits; 1 and 2 exist.
constexpr uint8_t kVersionMask = 7;

class Reader {
 public:
  explicit Reader(std::span<const uint8_t> file) : file_(file) {}

  template <class Value>
  Value at(std::size_t offset, std::string_view what) const {
    if (offset > file_.size() || file_.size() - offset < sizeof(Value))
      throw FormatError(std::string(what) + " lies past the end of the file");
    Value value = 0;
    for (std::size_t i = 0; i < sizeof(Value); ++i) value |= static_cast<Value>(file_[offset + i]) << (8 * i);
    return value;
  }

  std::size_t size() const { return file_.size(); }

 private:
  std::span<const uint8_t> file_;
};

void writeLittle32(std::vector<uint8_t>& file, std::size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

const Section* sectionHolding(const Image& image, uint32_t address) {
  for (const auto& section : image.sections)
    if (address >= section.address && address - section.address < section.size) return &section;
  return nullptr;
}

// Both ends within one executable section; the end may be the section's last byte plus one.
bool insideCode(const Image& image, const UnwindEntry& entry) {
  if (entry.begin >= entry.end) return false;
  const Section* section = sectionHolding(image, entry.begin);
  return section && section->executable && entry.end - section->address <= section->size;
}

std::string hex(uint32_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "0x";
  bool started = false;
  for (int shift = 28; shift >= 0; shift -= 4) {
    const auto digit = (value >> shift) & 0xf;
    if (digit || started || shift == 0) text += kDigits[digit], started = true;
  }
  return text;
}

std::string describe(std::size_t index, const UnwindEntry& entry) {
  return "entry " + std::to_string(index) + " [" + hex(entry.begin) + ", " + hex(entry.end) + ")";
}

}  // namespace

Image readImage(std::span<const uint8_t> file) {
  const Reader in(file);
  if (in.at<uint16_t>(0, "the DOS header") != ('M' | 'Z' << 8))
    throw FormatError("not a Windows program (no MZ)");
  const uint32_t header = in.at<uint32_t>(kNewHeaderOffsetField, "the PE header's offset");
  if (in.at<uint32_t>(header, "the PE signature") != ('P' | 'E' << 8))
    throw FormatError("not a PE image (no PE signature)");
  const std::size_t fileHeader = std::size_t{header} + 4;
  const uint16_t machine = in.at<uint16_t>(fileHeader, "the machine field");
  const uint16_t sectionCount = in.at<uint16_t>(fileHeader + 2, "the section count");
  const uint16_t optionalSize = in.at<uint16_t>(fileHeader + 16, "the optional header's size");
  const std::size_t optional = fileHeader + kFileHeaderSize;
  const uint16_t magic = in.at<uint16_t>(optional, "the optional header");
  if (magic != kMagic32 && magic != kMagic64)
    throw FormatError("unknown optional header magic " + hex(magic));

  Image image;
  image.is64 = magic == kMagic64 && machine == kMachineAmd64;
  image.imageSize = in.at<uint32_t>(optional + kImageSizeField, "the image size");
  const std::size_t sections = optional + optionalSize;
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const std::size_t at = sections + i * kSectionHeaderSize;
    Section section;
    for (std::size_t c = 0; c < 8; ++c) {
      const auto ch = in.at<uint8_t>(at + c, "a section name");
      if (ch == 0) break;
      section.name += static_cast<char>(ch);
    }
    section.size = in.at<uint32_t>(at + 8, "a section size");
    section.address = in.at<uint32_t>(at + 12, "a section address");
    section.fileSize = in.at<uint32_t>(at + 16, "a section's file size");
    section.fileOffset = in.at<uint32_t>(at + 20, "a section's file offset");
    const uint32_t flags = in.at<uint32_t>(at + 36, "a section's flags");
    section.executable = (flags & (kExecutable | kContainsCode)) != 0;
    image.sections.push_back(section);
  }
  if (!image.is64) return image;

  const uint32_t directoryCount = in.at<uint32_t>(optional + kDirectoryCountField64, "the directory count");
  if (directoryCount <= kExceptionDirectory) return image;
  image.tableDirectory = optional + kDirectories64 + kExceptionDirectory * 8;
  const uint32_t tableAddress = in.at<uint32_t>(image.tableDirectory, "the exception directory");
  const uint32_t tableSize = in.at<uint32_t>(image.tableDirectory + 4, "the exception directory");
  if (tableSize == 0) return image;
  if (tableSize % kEntrySize != 0)
    throw FormatError("the exception table's size " + std::to_string(tableSize) +
                      " is no whole number of entries");
  const Section* holder = sectionHolding(image, tableAddress);
  const uint32_t within = holder ? tableAddress - holder->address : 0;
  if (!holder || within > holder->fileSize || holder->fileSize - within < tableSize)
    throw FormatError("the exception table lies outside the file's sections");
  image.tableFileOffset = std::size_t{holder->fileOffset} + within;
  for (uint32_t offset = 0; offset < tableSize; offset += kEntrySize) {
    const std::size_t at = image.tableFileOffset + offset;
    image.entries.push_back({in.at<uint32_t>(at, "an exception table entry"),
                             in.at<uint32_t>(at + 4, "an exception table entry"),
                             in.at<uint32_t>(at + 8, "an exception table entry")});
  }
  return image;
}

std::vector<std::string> unwindTableFaults(std::span<const uint8_t> file) {
  const Image image = readImage(file);
  const Reader in(file);
  std::vector<std::string> faults;
  const UnwindEntry* previous = nullptr;
  for (std::size_t i = 0; i < image.entries.size(); ++i) {
    const auto& entry = image.entries[i];
    if (!insideCode(image, entry)) {
      faults.push_back(describe(i, entry) + " lies outside the code");
      continue;
    }
    if (previous && entry.begin < previous->end)
      faults.push_back(describe(i, entry) + " is not after the entry before it [" + hex(previous->begin) +
                       ", " + hex(previous->end) + ")");
    previous = &entry;
    const Section* data = sectionHolding(image, entry.unwindData);
    const uint32_t within = data ? entry.unwindData - data->address : 0;
    if (!data || within >= data->fileSize) {
      faults.push_back(describe(i, entry) + " has its unwind data outside the image at " +
                       hex(entry.unwindData));
      continue;
    }
    const auto version = in.at<uint8_t>(std::size_t{data->fileOffset} + within, "unwind data") & kVersionMask;
    if (version != 1 && version != 2)
      faults.push_back(describe(i, entry) + " has unwind data of unknown version " + std::to_string(version));
  }
  return faults;
}

std::size_t dropEntriesOutsideCode(std::vector<uint8_t>& file) {
  const Image image = readImage(file);
  std::size_t kept = 0;
  for (const auto& entry : image.entries) {
    if (!insideCode(image, entry)) continue;
    const std::size_t at = image.tableFileOffset + kept * kEntrySize;
    writeLittle32(file, at, entry.begin);
    writeLittle32(file, at + 4, entry.end);
    writeLittle32(file, at + 8, entry.unwindData);
    ++kept;
  }
  const std::size_t removed = image.entries.size() - kept;
  if (removed == 0) return 0;
  const std::size_t tail = image.tableFileOffset + kept * kEntrySize;
  std::memset(file.data() + tail, 0, removed * kEntrySize);
  writeLittle32(file, image.tableDirectory + 4, static_cast<uint32_t>(kept * kEntrySize));
  return removed;
}

}  // namespace lexiton::pe
