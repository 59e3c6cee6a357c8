// The exception-table checker and repair over small PE images built here: sound tables, the
// entries the mingw linker leaves behind, order, unwind data, 32-bit images and damaged files.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "pe_unwind_table.h"

namespace lexiton::pe {
namespace {

constexpr uint32_t kText = 0x1000, kTextSize = 0x100;
constexpr uint32_t kPdata = 0x2000, kXdata = 0x3000;
constexpr std::size_t kPdataFile = 0x600, kXdataFile = 0x800, kFileSize = 0xa00;

void put16(std::vector<uint8_t>& b, std::size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void put32(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct Layout {
  uint16_t magic = 0x20b;
  uint16_t machine = 0x8664;
};

// An image with three sections: .text (code), .pdata holding ENTRIES, .xdata whose first bytes
// are unwind data of version XDATA_VERSION at 0x3000, 0x3004, ...
std::vector<uint8_t> image(const std::vector<UnwindEntry>& entries, uint8_t xdataVersion = 1,
                           Layout layout = {}) {
  std::vector<uint8_t> b(kFileSize, 0);
  b[0] = 'M', b[1] = 'Z';
  put32(b, 60, 0x40);
  b[0x40] = 'P', b[0x41] = 'E';
  const std::size_t file = 0x44, optional = file + 20;
  const bool is64 = layout.magic == 0x20b;
  const uint16_t optionalSize = is64 ? 240 : 224;
  put16(b, file, layout.machine);
  put16(b, file + 2, 3);
  put16(b, file + 16, optionalSize);
  put16(b, optional, layout.magic);
  put32(b, optional + 56, 0x4000);
  put32(b, optional + (is64 ? 108 : 92), 16);
  if (is64) {
    put32(b, optional + 112 + 3 * 8, kPdata);
    put32(b, optional + 112 + 3 * 8 + 4, static_cast<uint32_t>(entries.size() * 12));
  }
  struct S {
    const char* name;
    uint32_t address, size, fileOffset, flags;
  };
  const S sections[] = {{".text", kText, kTextSize, 0x400, 0x60000020},
                        {".pdata", kPdata, 0x200, kPdataFile, 0x40000040},
                        {".xdata", kXdata, 0x200, kXdataFile, 0x40000040}};
  std::size_t at = optional + optionalSize;
  for (const auto& s : sections) {
    for (std::size_t i = 0; s.name[i]; ++i) b[at + i] = static_cast<uint8_t>(s.name[i]);
    put32(b, at + 8, s.size);
    put32(b, at + 12, s.address);
    put32(b, at + 16, 0x200);
    put32(b, at + 20, s.fileOffset);
    put32(b, at + 36, s.flags);
    at += 40;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    put32(b, kPdataFile + i * 12, entries[i].begin);
    put32(b, kPdataFile + i * 12 + 4, entries[i].end);
    put32(b, kPdataFile + i * 12 + 8, entries[i].unwindData);
  }
  for (std::size_t i = 0; i < 0x200; i += 4) b[kXdataFile + i] = xdataVersion;
  return b;
}

const std::vector<UnwindEntry> kSound = {{kText, kText + 0x20, kXdata},
                                         {kText + 0x20, kText + 0x60, kXdata + 4},
                                         {kText + 0x60, kText + kTextSize, kXdata + 8}};

TEST(UnwindTable, ASoundTableHasNoFault) {
  const auto file = image(kSound);
  EXPECT_EQ(readImage(file).entries.size(), 3u);
  EXPECT_TRUE(unwindTableFaults(file).empty());
}

TEST(UnwindTable, EntriesOfDiscardedCodeAreFaultsAndTheRepairDropsThem) {
  // What the linker leaves: begin and end 0, sorted to the front, unwind data still in place.
  std::vector<UnwindEntry> entries = {{0, 0, kXdata + 12}, {0, 0, kXdata + 16}};
  entries.insert(entries.end(), kSound.begin(), kSound.end());
  auto file = image(entries);
  const auto faults = unwindTableFaults(file);
  ASSERT_EQ(faults.size(), 2u);
  EXPECT_NE(faults[0].find("entry 0 [0x0, 0x0) lies outside the code"), std::string::npos) << faults[0];

  EXPECT_EQ(dropEntriesOutsideCode(file), 2u);
  EXPECT_TRUE(unwindTableFaults(file).empty());
  const auto repaired = readImage(file);
  ASSERT_EQ(repaired.entries.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(repaired.entries[i].begin, kSound[i].begin);
    EXPECT_EQ(repaired.entries[i].unwindData, kSound[i].unwindData);
  }
  // The freed tail holds no stale entry, and a second repair finds nothing.
  for (std::size_t i = 3 * 12; i < 5 * 12; ++i) EXPECT_EQ(file[kPdataFile + i], 0) << i;
  EXPECT_EQ(dropEntriesOutsideCode(file), 0u);
}

TEST(UnwindTable, EntriesOutOfOrderOrOverlappingAreFaults) {
  EXPECT_EQ(unwindTableFaults(image({kSound[1], kSound[0], kSound[2]})).size(), 1u);
  EXPECT_EQ(
      unwindTableFaults(image({{kText, kText + 0x30, kXdata}, {kText + 0x20, kText + 0x40, kXdata}})).size(),
      1u);
}

TEST(UnwindTable, RangesMustLieWithinOneExecutableSection) {
  EXPECT_TRUE(unwindTableFaults(image({{kText, kText + kTextSize, kXdata}})).empty());
  EXPECT_EQ(unwindTableFaults(image({{kText, kText + kTextSize + 1, kXdata}})).size(), 1u);
  EXPECT_EQ(unwindTableFaults(image({{kXdata, kXdata + 4, kXdata}})).size(), 1u);    // data, not code
  EXPECT_EQ(unwindTableFaults(image({{kText + 8, kText + 8, kXdata}})).size(), 1u);  // empty range
}

TEST(UnwindTable, UnwindDataMustBeInTheImageAndOfAKnownVersion) {
  EXPECT_EQ(unwindTableFaults(image(kSound, 5)).size(), 3u);
  EXPECT_TRUE(unwindTableFaults(image(kSound, 2)).empty());
  EXPECT_EQ(unwindTableFaults(image({{kText, kText + 4, 0x9000}})).size(), 1u);
}

TEST(UnwindTable, ThirtyTwoBitImagesHaveNoTable) {
  const auto file = image({}, 1, {0x10b, 0x14c});
  EXPECT_FALSE(readImage(file).is64);
  EXPECT_TRUE(unwindTableFaults(file).empty());
}

TEST(UnwindTable, DamagedFilesAreFormatErrors) {
  EXPECT_THROW(readImage(std::vector<uint8_t>{'M'}), FormatError);
  auto notPe = image(kSound);
  notPe[0x40] = 'X';
  EXPECT_THROW(readImage(notPe), FormatError);
  auto oddSize = image(kSound);
  put32(oddSize, 0x44 + 20 + 112 + 3 * 8 + 4, 13);
  EXPECT_THROW(readImage(oddSize), FormatError);
  auto pastTheFile = image(kSound);
  put32(pastTheFile, 0x44 + 20 + 112 + 3 * 8 + 4, 0x300);  // more than the section's 0x200 bytes
  EXPECT_THROW(readImage(pastTheFile), FormatError);

  // Every prefix of a sound image reads or fails cleanly.
  const auto whole = image(kSound);
  for (std::size_t n = 0; n < whole.size(); n += 7) {
    const std::vector<uint8_t> prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
    try {
      unwindTableFaults(prefix);
    } catch (const FormatError&) {
    }
  }
}

}  // namespace
}  // namespace lexiton::pe
