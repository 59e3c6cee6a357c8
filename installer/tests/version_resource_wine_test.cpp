// The version resources of what ships, read back through Windows' own version API from the
// installer's stage (the stripped files the installer packs), and the installer's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::vector<std::string> shippedBinaries() {
  std::vector<std::string> names;
  std::stringstream list(LEXITON_SHIPPED_BINARIES);
  for (std::string name; std::getline(list, name, ',');) names.push_back(name);
  return names;
}

class VersionInfo {
 public:
  explicit VersionInfo(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data_.data())) data_.clear();
  }
  bool present() const { return !data_.empty(); }

  const VS_FIXEDFILEINFO* fixed() const {
    void* value = nullptr;
    UINT size = 0;
    if (!present() || !VerQueryValueA(data_.data(), "\\", &value, &size) || size < sizeof(VS_FIXEDFILEINFO))
      return nullptr;
    return static_cast<const VS_FIXEDFILEINFO*>(value);
  }

  // The first translation's language and code page, as the block name "040904B0".
  std::string block() const {
    void* value = nullptr;
    UINT size = 0;
    if (!present() || !VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", &value, &size) || size < 4)
      return {};
    const WORD* pair = static_cast<const WORD*>(value);
    char name[9];
    std::snprintf(name, sizeof name, "%04X%04X", pair[0], pair[1]);
    return name;
  }

  std::optional<std::string> text(const std::string& key) const {
    void* value = nullptr;
    UINT size = 0;
    const std::string path = "\\StringFileInfo\\" + block() + "\\" + key;
    if (!present() || !VerQueryValueA(data_.data(), path.c_str(), &value, &size)) return std::nullopt;
    return std::string(static_cast<const char*>(value));
  }

 private:
  mutable std::vector<char> data_;
};

// The four numbers of the project's version ("0.1.0" gives 0, 1, 0, 0).
std::vector<WORD> versionNumbers() {
  std::vector<WORD> numbers;
  std::stringstream version(LEXITON_VERSION);
  for (std::string part; std::getline(version, part, '.');) numbers.push_back(WORD(std::atoi(part.c_str())));
  numbers.resize(4, 0);
  return numbers;
}

// Whether the PE file still has what strip removes: COFF symbols, or a debug section. A stripped
// i686 file keeps its string table (PointerToSymbolTable is set) for the long names of the
// sections it keeps ("/4" is ".eh_frame"), so the names are read through it.
bool hasSymbolTable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(0x3c);
  uint32_t pe = 0;
  in.read(reinterpret_cast<char*>(&pe), 4);
  IMAGE_FILE_HEADER header{};
  in.seekg(pe + 4);
  in.read(reinterpret_cast<char*>(&header), sizeof header);
  if (!in || header.NumberOfSymbols != 0) return true;
  const std::streamoff sections =
      std::streamoff(pe) + 4 + std::streamoff(sizeof header) + header.SizeOfOptionalHeader;
  for (WORD i = 0; i < header.NumberOfSections; ++i) {
    IMAGE_SECTION_HEADER section{};
    in.seekg(sections + std::streamoff(i) * std::streamoff(sizeof section));
    in.read(reinterpret_cast<char*>(&section), sizeof section);
    std::string name(reinterpret_cast<const char*>(section.Name),
                     strnlen(reinterpret_cast<const char*>(section.Name), 8));
    if (!name.empty() && name[0] == '/' &&
        header.PointerToSymbolTable != 0) {  // an offset into the string table
      char longName[64] = {};
      in.seekg(std::streamoff(header.PointerToSymbolTable) + std::stol(name.substr(1)));
      in.read(longName, sizeof longName - 1);
      in.clear();
      name = longName;
    }
    if (!in || name.rfind(".debug", 0) == 0) return true;
  }
  return false;
}

TEST(VersionResources, EveryShippedBinaryCarriesTheProductsVersionAndItsOwnName) {
  const std::string stage = environment("LEXITON_STAGE");
  ASSERT_FALSE(stage.empty()) << "LEXITON_STAGE names the installer's stage";
  const std::vector<WORD> numbers = versionNumbers();
  const auto names = shippedBinaries();
  ASSERT_GE(names.size(), 11u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string path = stage + "\\" + name;
    ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path << " is not staged";
    const VersionInfo info(path);
    ASSERT_TRUE(info.present()) << "no version resource";
    const VS_FIXEDFILEINFO* fixed = info.fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), numbers[0]);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), numbers[1]);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), numbers[2]);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), numbers[3]);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    const bool program = name.size() > 4 && name.substr(name.size() - 4) == ".exe";
    EXPECT_EQ(fixed->dwFileType, program ? DWORD(VFT_APP) : DWORD(VFT_DLL));
    EXPECT_EQ(info.block(), "080904B0");
    EXPECT_EQ(info.text("ProductName"), "Lexiton");
    EXPECT_EQ(info.text("CompanyName"), "Veltrix");
    EXPECT_EQ(info.text("ProductVersion"), LEXITON_VERSION);
    EXPECT_EQ(info.text("FileVersion"), LEXITON_VERSION);
    EXPECT_EQ(info.text("OriginalFilename"), name);
    const auto description = info.text("FileDescription");
    ASSERT_TRUE(description);
    EXPECT_EQ(description->rfind("Lexiton", 0), 0u) << *description;
    EXPECT_FALSE(hasSymbolTable(path)) << "not stripped";
  }
}

TEST(VersionResources, TheInstallerNamesTheProductItInstalls) {
  const std::string setup = environment("LEXITON_SETUP");
  ASSERT_FALSE(setup.empty()) << "LEXITON_SETUP names the installer";
  const VersionInfo info(setup);
  ASSERT_TRUE(info.present()) << setup;
  EXPECT_EQ(info.text("ProductName"), "Lexiton");
  EXPECT_EQ(info.text("CompanyName"), "Veltrix");
  EXPECT_EQ(info.text("ProductVersion"), LEXITON_VERSION);
}

}  // namespace
