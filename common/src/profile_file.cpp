// The portable settings file: the private-profile rules on a plain text file.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "lexiton/profile.h"

namespace lexiton {

namespace {
// Files larger than this are not read: settings files are a few KB. A write to a larger file
// fails rather than cutting the file short.
constexpr std::size_t kMaxFileBytes = 1u << 20;
// The system reads a number from at most this many characters of the value.
constexpr std::size_t kIntTextLimit = 29;

std::string_view trim(std::string_view s) {
  const char* blanks = " \t\r";
  auto b = s.find_first_not_of(blanks);
  if (b == std::string_view::npos) return {};
  auto e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The section name of a "[name]" line, or false. A "[" without a closing "]" is no section
// header, and the name runs to the last "]".
bool sectionOf(std::string_view line, std::string_view& name) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return false;
  auto close = line.rfind(']');
  if (close == std::string_view::npos) return false;
  name = trim(line.substr(1, close - 1));
  return true;
}

bool keyOf(std::string_view line, std::string_view& key, std::string_view& value) {
  auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = trim(line.substr(0, eq));
  value = trim(line.substr(eq + 1));
  return true;
}

// One pair of matching quotes around a value is not part of it.
std::string unquoted(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

// The system's number reading: blanks, one sign, an optional 0x/0o/0b base prefix, then digits
// of that base; the total wraps like a 32-bit unsigned value.
int leadingNumber(std::string_view text) {
  text = text.substr(0, kIntTextLimit);
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    const char prefix = text[i + 1];  // the system knows only lower-case prefixes
    if (prefix == 'x')
      base = 16;
    else if (prefix == 'o')
      base = 8;
    else if (prefix == 'b')
      base = 2;
    if (base != 10) i += 2;
  }
  std::uint32_t total = 0;
  for (; i < text.size(); ++i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else
      break;
    if (digit >= base) break;
    total = total * base + digit;
  }
  if (negative) total = 0u - total;
  return static_cast<int>(total);
}

class FileProfile final : public Profile {
 public:
  explicit FileProfile(std::string path) : path_(std::move(path)) {}

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override {
    std::string value;
    if (!find(section, key, value)) {
      // The system drops trailing blanks from the caller's fallback too.
      const auto end = fallback.find_last_not_of(' ');
      value = std::string(fallback.substr(0, end == std::string_view::npos ? 0 : end + 1));
    }
    value = unquoted(std::move(value));
    if (value.size() > kValueLimit) value.resize(kValueLimit);
    return value;
  }

  int readInt(std::string_view section, std::string_view key, int fallback) const override {
    std::string value;
    if (!find(section, key, value)) return fallback;
    value = unquoted(std::move(value));
    if (value.empty()) return fallback;
    return leadingNumber(value);
  }

  bool writeString(std::string_view section, std::string_view key, std::string_view value) override {
    section = trim(section);
    key = trim(key);
    const auto firstValueChar = value.find_first_not_of(" \t");
    value = firstValueChar == std::string_view::npos ? std::string_view() : value.substr(firstValueChar);
    std::vector<std::string> lines;
    if (!readLines(lines)) return false;
    bool inSection = false, done = false;
    std::size_t sectionEnd = std::string::npos;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
      std::string_view name, k, v;
      if (sectionOf(lines[i], name)) {
        if (inSection) break;  // only the first section of that name counts
        inSection = sameName(name, section);
        if (inSection) sectionEnd = i + 1;
        continue;
      }
      if (!inSection) continue;
      if (keyOf(lines[i], k, v) && sameName(k, key)) {
        // The key keeps the spelling it has in the file.
        lines[i] = std::string(k) + "=" + std::string(value);
        done = true;
      } else if (!trim(lines[i]).empty()) {
        sectionEnd = i + 1;
      }
    }
    if (!done) {
      const std::string entry = std::string(key) + "=" + std::string(value);
      if (sectionEnd == std::string::npos) {
        // (Appended rather than "[" + ... + "]", which GCC 12 warns about wrongly: -Wrestrict.)
        lines.push_back(std::string("[").append(section).append("]"));
        lines.push_back(entry);
      } else {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
      }
    }
    const std::string temp = path_ + ".tmp";
    {
      std::ofstream out(temp, std::ios::binary | std::ios::trunc);
      if (!out) return false;
      for (const auto& l : lines) out << l << "\r\n";
      if (!out.flush()) return false;
    }
    std::remove(path_.c_str());  // rename does not replace on every platform
    return std::rename(temp.c_str(), path_.c_str()) == 0;
  }

  const std::string& path() const override { return path_; }

 private:
  // The file's lines without their line ends; false when the file is larger than the limit
  // (then only the lines within the limit are returned). A missing file has no lines.
  bool readLines(std::vector<std::string>& lines) const {
    lines.clear();
    std::ifstream in(path_, std::ios::binary);
    std::string line;
    std::size_t total = 0;
    while (std::getline(in, line)) {
      total += line.size() + 1;
      if (total > kMaxFileBytes) return false;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return true;
  }

  // The value of `key` in the first section named `section` (names compared without case and
  // surrounding blanks), or false.
  bool find(std::string_view section, std::string_view key, std::string& value) const {
    section = trim(section);
    key = trim(key);
    std::vector<std::string> lines;
    readLines(lines);
    bool inSection = false, seen = false;
    for (const auto& line : lines) {
      std::string_view name, k, v;
      if (sectionOf(line, name)) {
        if (seen) return false;
        inSection = seen = sameName(name, section);
      } else if (inSection && keyOf(line, k, v) && sameName(k, key)) {
        value = std::string(v);
        return true;
      }
    }
    return false;
  }

  std::string path_;
};
}  // namespace

std::unique_ptr<Profile> openPortableProfile(const std::string& path) {
  return std::make_unique<FileProfile>(path);
}

}  // namespace lexiton
