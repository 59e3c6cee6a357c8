// Building a rich-text document: content opens sections, paragraphs and spans lazily, and
// formats are assigned when a span, paragraph or section ends.
#include "tippaint/rich_document.h"

namespace tippaint {

void RichDocument::count_node() {
  if (++nodes_ > kMaxNodes) throw RTFException(RTFException::kTooLarge);
}

Section& RichDocument::ensure_section() {
  if (section_pending_) {
    count_node();
    sections_.emplace_back();
    section_pending_ = false;
  }
  return sections_.back();
}

Paragraph& RichDocument::ensure_paragraph() {
  Section& section = ensure_section();
  if (section.paragraph_pending) {
    count_node();
    section.paragraphs.emplace_back();
    section.paragraph_pending = false;
  }
  return section.paragraphs.back();
}

Span& RichDocument::ensure_span() {
  Paragraph& paragraph = ensure_paragraph();
  if (paragraph.span_pending) {
    count_node();
    paragraph.spans.emplace_back();
    paragraph.span_pending = false;
  }
  return paragraph.spans.back();
}

void RichDocument::add_text_run(const CharFormat& format, std::string text) {
  ensure_section();
  count_node();
  const LayoutItem* item = &text_runs_.emplace_back(format, std::move(text));
  ensure_span().items.push_back(item);
}

void RichDocument::add_wide_text_run(const CharFormat& format, std::u16string text) {
  ensure_section();
  count_node();
  const LayoutItem* item = &wide_text_runs_.emplace_back(format, std::move(text));
  ensure_span().items.push_back(item);
}

void RichDocument::add_picture(PictureItem picture) {
  ensure_section();
  count_node();
  const LayoutItem* item = &pictures_.emplace_back(std::move(picture));
  ensure_span().items.push_back(item);
}

void RichDocument::end_span(const CharFormat& format) {
  ensure_span().format = format;
  sections_.back().paragraphs.back().span_pending = true;
}

void RichDocument::end_paragraph(const ParaFormat& format) {
  ensure_paragraph().format = format;
  sections_.back().paragraph_pending = true;
}

void RichDocument::set_section_format(const SectionFormat& format) { ensure_section().format = format; }

bool RichDocument::paragraph_pending() { return ensure_section().paragraph_pending; }

void RichDocument::request_new_section() {
  ensure_section();
  section_pending_ = true;
}

}  // namespace tippaint
