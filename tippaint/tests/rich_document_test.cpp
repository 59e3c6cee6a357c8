// The document model's building operations on their own: what opens lazily, which format
// each node takes, and that spans keep pointing at the stored items.
#include "tippaint/rich_document.h"

#include <gtest/gtest.h>

#include "rtf_test_support.h"

namespace tippaint {
namespace {

CharFormat bold() {
  CharFormat f;
  f.set(CharFormat::kBold, true);
  return f;
}

TEST(RichDocument, ContentOpensSectionParagraphAndSpanLazily) {
  RichDocument doc;
  EXPECT_TRUE(doc.section_pending());
  EXPECT_TRUE(doc.sections().empty());
  EXPECT_TRUE(doc.paragraph_pending());  // opens the first section
  ASSERT_EQ(doc.sections().size(), 1u);
  EXPECT_TRUE(doc.sections()[0].paragraphs.empty());

  doc.add_text_run(CharFormat{}, "a");
  doc.add_text_run(bold(), "b");
  EXPECT_FALSE(doc.paragraph_pending());
  doc.end_span(bold());
  doc.add_wide_text_run(CharFormat{}, u"c");
  ParaFormat centred;
  centred.alignment = ParaFormat::kCentred;
  doc.end_paragraph(centred);
  EXPECT_TRUE(doc.paragraph_pending());
  EXPECT_EQ(testing::dump(doc), "a+b/w(0063)");
  const Paragraph& p = doc.sections()[0].paragraphs[0];
  EXPECT_EQ(p.format.alignment, ParaFormat::kCentred);
  EXPECT_TRUE(p.spans[0].format.bold());
  EXPECT_FALSE(p.spans[1].format.bold());  // a span keeps the defaults until it ends
}

TEST(RichDocument, EndingWithoutContentMakesEmptyNodes) {
  RichDocument doc;
  doc.end_span(bold());
  doc.end_paragraph(ParaFormat{});
  doc.end_paragraph(ParaFormat{});
  const Section& s = doc.sections()[0];
  ASSERT_EQ(s.paragraphs.size(), 2u);
  EXPECT_EQ(s.paragraphs[0].spans.size(), 1u);
  EXPECT_TRUE(s.paragraphs[1].spans.empty());  // ended without a span
}

TEST(RichDocument, SectionsTakeTheirFormatWhenSet) {
  RichDocument doc;
  doc.add_text_run(CharFormat{}, "a");
  doc.request_new_section();
  SectionFormat narrow;
  narrow.page_width = 3000;
  doc.set_section_format(narrow);  // opens and formats the second section
  ASSERT_EQ(doc.sections().size(), 2u);
  EXPECT_EQ(doc.sections()[0].format, SectionFormat{});
  EXPECT_EQ(doc.sections()[1].format.page_width, 3000);
  doc.request_new_section();
  doc.request_new_section();  // the empty section between is kept
  EXPECT_EQ(doc.sections().size(), 3u);
}

TEST(RichDocument, SpansPointIntoStableStores) {
  RichDocument doc;
  for (int i = 0; i < 5000; ++i) {
    doc.add_text_run(i % 2 ? bold() : CharFormat{}, std::to_string(i));
    PictureItem picture;
    picture.goal_width = i;
    doc.add_picture(std::move(picture));
  }
  const Span& span = doc.sections()[0].paragraphs[0].spans[0];
  ASSERT_EQ(span.items.size(), 10000u);
  EXPECT_EQ(doc.text_runs().size(), 5000u);
  EXPECT_EQ(doc.pictures().size(), 5000u);
  EXPECT_EQ(span.items[0], &doc.text_runs()[0]);
  EXPECT_EQ(dynamic_cast<const TextRun*>(span.items[9998])->text, "4999");
  EXPECT_EQ(dynamic_cast<const PictureItem*>(span.items[9999])->goal_width, 4999);
}

TEST(RichDocument, FormatsCompareFieldByField) {
  CharFormat a, b;
  EXPECT_EQ(a, b);
  b.set_face("Arial");
  EXPECT_NE(a, b);
  a.set_face("Arial");
  EXPECT_EQ(a, b);
  a.set(CharFormat::kWideText, true);
  EXPECT_NE(a, b);
  EXPECT_TRUE(CharFormat{}.has(CharFormat::kBackgroundAuto | CharFormat::kForegroundAuto));
  EXPECT_EQ(CharFormat{}.size, 24);
  EXPECT_EQ(ParaFormat{}.line_spacing, 1000);
  EXPECT_EQ(SectionFormat{}.margin_top, 1440);
}

}  // namespace
}  // namespace tippaint
