// The portable settings file: the private-profile rules on a plain text file.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "lexiton/profile.h"

namespace lexiton {

namespace {
// Files larger than this are read only up to the limit; settings files are a few KB.
constexpr std::size_t kMaxFileBytes = 1u << 20;

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

// The section name of a "[name]" line, or false.
bool sectionOf(std::string_view line, std::string_view& name) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return false;
  auto close = line.find(']');
  name = trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  return true;
}

bool keyOf(std::string_view line, std::string_view& key, std::string_view& value) {
  auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = trim(line.substr(0, eq));
  value = trim(line.substr(eq + 1));
  return true;
}

class FileProfile final : public Profile {
 public:
  explicit FileProfile(std::string path) : path_(std::move(path)) {}

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override {
    std::string value;
    if (!find(section, key, value)) value = std::string(fallback);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    if (value.size() > kValueLimit) value.resize(kValueLimit);
    return value;
  }

  int readInt(std::string_view section, std::string_view key, int fallback) const override {
    std::string value;
    if (!find(section, key, value)) return fallback;
    long long n = 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i)
      if (n < (1LL << 40)) n = n * 10 + (value[i] - '0');
    return static_cast<int>(negative ? -n : n);
  }

  bool writeString(std::string_view section, std::string_view key, std::string_view value) override {
    std::vector<std::string> lines = readLines();
    std::string entry = std::string(key) + "=" + std::string(value);
    bool inSection = false, done = false;
    std::size_t sectionEnd = std::string::npos;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
      std::string_view name, k, v;
      if (sectionOf(lines[i], name)) {
        if (inSection) break;
        inSection = sameName(name, section);
        if (inSection) sectionEnd = i + 1;
        continue;
      }
      if (!inSection) continue;
      if (keyOf(lines[i], k, v) && sameName(k, key)) {
        lines[i] = entry;
        done = true;
      } else if (!trim(lines[i]).empty()) {
        sectionEnd = i + 1;
      }
    }
    if (!done) {
      if (sectionEnd == std::string::npos) {
        lines.push_back("[" + std::string(section) + "]");
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
  std::vector<std::string> readLines() const {
    std::vector<std::string> lines;
    std::ifstream in(path_, std::ios::binary);
    std::string line;
    std::size_t total = 0;
    while (total < kMaxFileBytes && std::getline(in, line)) {
      total += line.size() + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  bool find(std::string_view section, std::string_view key, std::string& value) const {
    bool inSection = false;
    for (const auto& line : readLines()) {
      std::string_view name, k, v;
      if (sectionOf(line, name)) {
        inSection = sameName(name, section);
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
