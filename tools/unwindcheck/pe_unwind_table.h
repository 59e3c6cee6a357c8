// The exception table of a 64-bit Windows program or library (its .pdata): one entry per
// function with unwind data, sorted by address, which the system's unwinder binary-searches for
// every frame an exception passes. An entry that points outside the code, or a table that is
// not sorted, sends that search to the wrong entry, and the exception never reaches its handler.
//
// The mingw-w64 toolchain can leave such entries behind: it emits the unwind data of an inline
// function's copies as separate "keep any one" sections, not tied to the copy's code, so when
// the linker keeps the code of one object file (a thunk compiled without unwind data) and the
// unwind data of another, the table holds an entry whose begin and end are 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexiton::pe {

class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Section {
  std::string name;
  uint32_t address = 0;  // relative to the image base
  uint32_t size = 0;     // in memory
  uint32_t fileOffset = 0;
  uint32_t fileSize = 0;
  bool executable = false;
};

struct UnwindEntry {
  uint32_t begin = 0;  // first byte of the function
  uint32_t end = 0;    // one past its last byte
  uint32_t unwindData = 0;
};

// What the checker reads of an image; throws FormatError when the headers do not fit the file.
struct Image {
  bool is64 = false;
  uint32_t imageSize = 0;
  std::vector<Section> sections;
  std::size_t tableFileOffset = 0;  // where the exception table's entries start in the file
  std::size_t tableDirectory = 0;   // file offset of the data directory entry that locates it
  std::vector<UnwindEntry> entries;
};

Image readImage(std::span<const uint8_t> file);

// One line per fault of the table: an entry outside the code, an empty or inverted range,
// entries out of order or overlapping, unwind data outside the image or of an unknown version.
// Empty when the table is sound (and for 32-bit images, which have none).
std::vector<std::string> unwindTableFaults(std::span<const uint8_t> file);

// Removes the entries whose range does not lie inside an executable section, moving the others
// up and shrinking the table's size in its data directory; returns how many it removed.
std::size_t dropEntriesOutsideCode(std::vector<uint8_t>& file);

}  // namespace lexiton::pe
