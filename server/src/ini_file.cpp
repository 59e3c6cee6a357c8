#include "lexiton/server/ini_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lexiton::server {
namespace {

std::string trim(const std::string& s) {
    auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

void setIniValues(const std::string& path, const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::string> lines;
    {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    std::vector<bool> done(values.size(), false);
    std::vector<std::string> out;
    bool inSection = false, sawSection = false;
    auto flushMissing = [&] {
        for (std::size_t k = 0; k < values.size(); ++k)
            if (!done[k]) { out.push_back(values[k].first + "=" + values[k].second); done[k] = true; }
    };
    for (const auto& line : lines) {
        std::string t = trim(line);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
            if (inSection) flushMissing();
            inSection = sameName(trim(t.substr(1, t.size() - 2)), section);
            sawSection = sawSection || inSection;
            out.push_back(line);
            continue;
        }
        if (inSection) {
            auto eq = t.find('=');
            if (eq != std::string::npos && t[0] != ';') {
                std::string key = trim(t.substr(0, eq));
                bool replaced = false;
                for (std::size_t k = 0; k < values.size(); ++k) {
                    if (sameName(key, values[k].first)) {
                        if (!done[k]) out.push_back(values[k].first + "=" + values[k].second);
                        done[k] = true;
                        replaced = true;
                        break;
                    }
                }
                if (replaced) continue;
            }
        }
        out.push_back(line);
    }
    if (inSection) flushMissing();
    if (!sawSection) {
        out.push_back("[" + section + "]");
        flushMissing();
    }
    std::string tmp = path + ".tmp";
    {
        std::ofstream o(tmp, std::ios::binary | std::ios::trunc);
        for (const auto& l : out) o << l << "\r\n";
        if (!o) throw std::runtime_error("cannot write " + tmp);
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot replace " + path);
}

}  // namespace lexiton::server
