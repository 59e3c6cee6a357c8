// Helpers shared by the reader and layout tests: parsing from strings and a compact dump of
// a document's tree.
#pragma once

#include <cstdio>
#include <string>

#include "tippaint/rich_document.h"
#include "tippaint/rtf_reader.h"

namespace tippaint::testing {

// Sections joined by "||", paragraphs by "|", spans by "/", items by "+"; UTF-16 runs as
// w(<hex units>), pictures as pic(<bytes>).
inline std::string dump(const RichDocument& doc) {
  std::string out;
  for (std::size_t s = 0; s < doc.sections().size(); ++s) {
    if (s) out += "||";
    const Section& section = doc.sections()[s];
    for (std::size_t p = 0; p < section.paragraphs.size(); ++p) {
      if (p) out += "|";
      const Paragraph& paragraph = section.paragraphs[p];
      for (std::size_t n = 0; n < paragraph.spans.size(); ++n) {
        if (n) out += "/";
        const Span& span = paragraph.spans[n];
        for (std::size_t i = 0; i < span.items.size(); ++i) {
          if (i) out += "+";
          const LayoutItem* item = span.items[i];
          if (auto* t = dynamic_cast<const TextRun*>(item)) {
            out += t->text;
          } else if (auto* w = dynamic_cast<const WideTextRun*>(item)) {
            out += "w(";
            for (std::size_t k = 0; k < w->text.size(); ++k) {
              char hex[8];
              std::snprintf(hex, sizeof hex, "%s%04x", k ? " " : "", static_cast<unsigned>(w->text[k]));
              out += hex;
            }
            out += ")";
          } else if (auto* pic = dynamic_cast<const PictureItem*>(item)) {
            out += "pic(" + std::to_string(pic->data.size()) + ")";
          }
        }
      }
    }
  }
  return out;
}

inline std::string parse_dump(const std::string& rtf) {
  RichDocument doc;
  parse_document(rtf, doc);
  return dump(doc);
}

// The RTFException code, or -1 when the document reads cleanly.
inline int error_of(const std::string& rtf) {
  try {
    RichDocument doc;
    parse_document(rtf, doc);
  } catch (const RTFException& e) {
    return e.code();
  }
  return -1;
}

// The n-th text run of a document in reading order (all kinds of item counted).
inline const LayoutItem* item_at(const RichDocument& doc, std::size_t n) {
  for (const Section& s : doc.sections())
    for (const Paragraph& p : s.paragraphs)
      for (const Span& sp : p.spans)
        for (const LayoutItem* item : sp.items)
          if (n-- == 0) return item;
  return nullptr;
}

inline const CharFormat& format_at(const RichDocument& doc, std::size_t n) {
  const LayoutItem* item = item_at(doc, n);
  if (auto* t = dynamic_cast<const TextRun*>(item)) return t->format;
  return dynamic_cast<const WideTextRun*>(item)->format;
}

}  // namespace tippaint::testing
