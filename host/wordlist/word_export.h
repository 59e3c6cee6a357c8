// The word list written out for other programs, the same bytes from the window and from the
// command-line exporter:
// - CSV for spreadsheets: UTF-8 with a byte-order mark (so the accents read right), a header
//   row, CRLF line ends, fields quoted as RFC 4180 says (a field with a comma, a quote or a line
//   break is quoted, its quotes doubled);
// - tab-separated flash cards for Anki's text import: a "#separator:tab" and an "#html:true"
//   line, then one card per line. Its front is the sentence with the word in <b>; its back the
//   dictionary form (where it differs from the word), the Hungarian senses and the sentence's
//   translation, with <br> between lines. No field holds a tab or a line break, and the text is
//   HTML-escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/word_list_entry.h"

namespace lexiton::host {

enum class ExportFormat { csv, flashCards };

// Appends the whole export of `rows`, in their order.
void appendExport(std::string& out, const std::vector<WordRow>& rows, ExportFormat format);

// The parts of the export, for the exporter's tests and fuzzer.
std::string csvField(std::string_view text);
std::string htmlText(std::string_view text);  // escaped, every tab and line break a blank
std::string flashCardFront(const WordListEntry& entry);
std::string flashCardBack(const WordListEntry& entry);

// A moment as the exports and the window show it: local time, "2026-12-10 16:37".
std::string formatSeen(int64_t seen);

}  // namespace lexiton::host
