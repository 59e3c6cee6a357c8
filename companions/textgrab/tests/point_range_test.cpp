#include "point_range.h"

#include <gtest/gtest.h>

namespace lexiton::textgrab {
namespace {

// A text pattern over a document string, scripted: paragraphs end at line feeds, lines wrap at
// a fixed width, and either unit may be refused, as providers do.
class ScriptedRange : public PointRange {
 public:
  ScriptedRange(std::u16string document, std::size_t point) : document_(std::move(document)), point_(point) {}

  bool paragraphs = true;
  bool lines = true;
  bool failBefore = false;
  std::size_t lineWidth = 10;
  int asked = 0;

  std::optional<std::u16string> enclosingText(TextUnit unit) override {
    ++asked;
    const auto span = enclosing(unit);
    if (!span) return std::nullopt;
    return document_.substr(span->first, span->second - span->first);
  }
  std::optional<std::u16string> textBeforePoint(TextUnit unit) override {
    const auto span = enclosing(unit);
    if (!span || failBefore) return std::nullopt;
    return document_.substr(span->first, point_ - span->first);
  }

 private:
  std::optional<std::pair<std::size_t, std::size_t>> enclosing(TextUnit unit) const {
    if (unit == TextUnit::paragraph && paragraphs) {
      std::size_t begin = document_.rfind(u'\n', point_ == 0 ? 0 : point_ - 1);
      begin = (begin == std::u16string::npos || point_ == 0) ? 0 : begin + 1;
      std::size_t end = document_.find(u'\n', point_);
      // A paragraph range holds its own break, as providers give it.
      end = end == std::u16string::npos ? document_.size() : end + 1;
      return std::pair{begin, end};
    }
    if (unit == TextUnit::line && lines) {
      const std::size_t begin = point_ - point_ % lineWidth;
      return std::pair{begin, std::min(document_.size(), begin + lineWidth)};
    }
    return std::nullopt;
  }

  std::u16string document_;
  std::size_t point_;
};

TEST(PointRange, TheParagraphAroundThePointWithTheCursorOnItsCharacter) {
  ScriptedRange range(u"First one.\nThe second paragraph here.\nThird.", 22);
  const auto text = readPointRange(range);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->text, u"The second paragraph here.\n");
  EXPECT_EQ(text->cursor, 11u);
  EXPECT_EQ(text->text.substr(text->cursor, 9), u"paragraph");
}

TEST(PointRange, WithoutParagraphsTheLine) {
  ScriptedRange range(u"abcdefghij0123456789klmnopqrst", 14);
  range.paragraphs = false;
  const auto text = readPointRange(range);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->text, u"0123456789");
  EXPECT_EQ(text->cursor, 4u);
}

TEST(PointRange, ABlankParagraphFallsToTheLineAndABlankLineIsNothing) {
  ScriptedRange range(u"a\n   \nb", 3);
  range.lineWidth = 2;
  // The paragraph is blank; the line at 3 is "  ", blank too.
  EXPECT_FALSE(readPointRange(range));
  EXPECT_EQ(range.asked, 2);
}

TEST(PointRange, APointAtTheEndOfTheTextStaysOnItsLastCharacter) {
  ScriptedRange range(u"end", 3);
  const auto text = readPointRange(range);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->cursor, 2u);
}

TEST(PointRange, WhenTheStartCannotBeMappedNothingIsGuessed) {
  ScriptedRange range(u"some words", 3);
  range.failBefore = true;
  EXPECT_FALSE(readPointRange(range));
}

TEST(PointRange, NoUnitAtAllIsNothing) {
  ScriptedRange range(u"text", 1);
  range.paragraphs = false;
  range.lines = false;
  EXPECT_FALSE(readPointRange(range));
}

}  // namespace
}  // namespace lexiton::textgrab
