// Until the dictionary-backed translator is linked in, a small built-in glossary answers,
// word by word, so the wire protocol can be exercised end to end.
#include "lexiton/server/handler.h"

#include <cctype>
#include <map>

namespace lexiton::server {

TranslateFn defaultTranslator() {
    return [](const std::string& text) {
        static const std::map<std::string, std::string> glossary = {
            {"the", "a"}, {"houses", "h\xE1zak"}, {"house", "h\xE1z"}, {"are", "vannak"},
            {"is", "van"}, {"big", "nagyok"}, {"small", "kicsi"}};
        std::string out, word;
        auto flush = [&] {
            if (word.empty()) return;
            std::string lower;
            for (char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            auto it = glossary.find(lower);
            out += it == glossary.end() ? word : it->second;
            word.clear();
        };
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 10, "&kvopoint;") == 0) { flush(); i += 9; continue; }
            char c = text[i];
            if (std::isalpha(static_cast<unsigned char>(c))) word += c;
            else { flush(); out += c; }
        }
        flush();
        return TranslateResult{0, out};
    };
}

}  // namespace lexiton::server
