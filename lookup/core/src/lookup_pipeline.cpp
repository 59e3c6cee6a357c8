// The body of Lookup. The reply is consumed from the front as alternatives are taken out of
// it; every working text is local to the call, so overlapping look-ups share nothing but the
// read-only style sheet, the backend (which locks itself) and the speech entries.
#include "lexiton/lookup/lookup_pipeline.h"

#include <lexiton/alert.h>
#include <lexiton/chunk_tags.h>
#include <lexiton/fixed_texts.h>
#include <lexiton/protocol/pipe_format.h>
#include <lexiton/protocol/result_codes.h>
#include <lexiton/protocol/query_text.h>
#include <lexiton/protocol/reply_markup.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "lexiton/lookup/dialogs.h"
#include "lexiton/lookup/layout.h"
#include "lexiton/lookup/message_table.h"
#include "lexiton/lookup/query_backend.h"
#include "lexiton/lookup/speech.h"

namespace lexiton::lookup {

namespace markup = protocol::markup;

namespace {

using chunk_tags::kDocuments;
using chunk_tags::kPlainText;
constexpr std::string_view kDocumentSeparator = "-";
constexpr std::string_view kPlainLineBreak = "%0D%0A";
constexpr std::string_view kAlternativeSpoken = "Vagy?";
// Message boxes are formatted into a buffer of this many characters.
constexpr std::size_t kAlertBufferSize = 512;

constexpr int kResultOk = 0;

// The caller's reserved block is full: the look-up cannot be completed.
class result_overflow : public std::runtime_error {
 public:
  result_overflow() : std::runtime_error("look-up result does not fit the reserved array") {}
};

void add(ChunkList& result, std::string_view tag, std::string_view bytes) {
  if (!result.add(tag, bytes)) throw result_overflow();
}

void makeEmpty(ChunkList& result) {
  if (!result.clear()) throw result_overflow();
}

// Takes the text between the tag's opening and the first closing after it out of the front of
// `reply`; the reply then starts after the closing. Nothing changes when either is missing.
bool takeOut(std::string_view& reply, const markup::Tag& tag, std::string& out) {
  const std::size_t start = reply.find(tag.open);
  if (start == std::string_view::npos) return false;
  const std::size_t from = start + tag.open.size();
  const std::size_t end = reply.find(tag.close, from);
  if (end == std::string_view::npos) return false;
  out.assign(reply.substr(from, end - from));
  reply.remove_prefix(end + tag.close.size());
  return true;
}

// Removes every `tag` from `text` and returns how many there were.
std::size_t removeAll(std::string& text, std::string_view tag) {
  std::size_t count = 0;
  std::size_t write = 0;
  std::size_t read = 0;
  while (read < text.size()) {
    const std::size_t at = text.find(tag, read);
    const std::size_t stop = at == std::string::npos ? text.size() : at;
    std::copy(text.begin() + read, text.begin() + stop, text.begin() + write);
    write += stop - read;
    if (at == std::string::npos) break;
    ++count;
    read = at + tag.size();
  }
  text.resize(write);
  return count;
}

// Removes each span from the tag's opening through the next closing; an unclosed one stays.
void removeSpans(std::string& text, const markup::Tag& tag) {
  std::size_t from = 0;
  while ((from = text.find(tag.open, from)) != std::string::npos) {
    const std::size_t end = text.find(tag.close, from + tag.open.size());
    if (end == std::string::npos) return;
    text.erase(from, end + tag.close.size() - from);
  }
}

std::string formatAlert(const char* format, auto... values) {
  char buffer[kAlertBufferSize];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

struct Notes {
  std::vector<int> numbers;
  void add(int number) {
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) numbers.push_back(number);
  }
};

struct Working {
  int status = 0;  // 1 reply usable, 0 nothing found or no request, -1 error
  std::string reply;
  std::string errorText;
};

// Sends the query; the outcome lands in `w`. Returns false when the look-up ends here (the
// upgrade notice was shown).
bool sendQuery(const LookupContext& context, const LookupRequest& request, Working& w,
               LookupOutcome& outcome) {
  try {
    const std::string query = protocol::markedQueryText(request.text, request.pointer);
    const int code = context.backend->query(request.sourceName, query, context.mode + 1, w.reply);
    if (code == kResultOk) {
      w.status = 1;
      return true;
    }
    w.status = -1;
    switch (code) {
      case protocol::number(protocol::ResultCode::Failed): {  // an error record from the server
        w.errorText = lookupMessage(protocol::leadingInt(w.reply), context.language);
        const std::size_t space = w.reply.find(' ');
        w.reply.erase(0, space == std::string::npos ? w.reply.size() : space);
        w.status = 1;
        break;
      }
      case protocol::number(protocol::ResultCode::TimedOut):
        w.reply = protocol::localizedResultText(code, context.language, w.reply);
        context.backend->cancelQuery();
        break;
      case protocol::number(protocol::ResultCode::UpgradeNeeded): {
        const int choice =
            context.dialogs ? context.dialogs->runUpgrade(context.language, context.ownerWindow) : -1;
        // Only "Download now" (2) and "Exit" (1) mean the user wants to leave.
        outcome.quit = choice > 0;
        return false;
      }
      default:
        w.reply = protocol::localizedResultText(code, context.language, w.reply);
    }
  } catch (const std::exception& e) {
    w.status = -1;
    w.reply = std::string(fixed_texts::kProcessException) + e.what();
  } catch (...) {
    w.status = -1;
    w.reply = fixed_texts::kProcessUnknownException;
  }
  return true;
}

// Lays out the alternatives and the closing documents; throws on conversion failures.
int layOut(const LookupContext& context, const LookupRequest& request, Working& w, ChunkList& result) {
  const Layout& layout = *context.styleSheet;
  Speech* speech = context.speech;
  if (speech) speech->reset();
  makeEmpty(result);

  Notes notes;
  int counter = 0;
  bool allEmpty = true;
  const bool loopRuns = w.status > 0;
  if (loopRuns) {
    std::string_view rest = w.reply;
    for (int iteration = 0;; ++iteration) {
      std::string source;
      std::string target;
      bool haveSource = takeOut(rest, markup::kAlternativeSource, source);
      if (!haveSource && iteration == 0) {
        haveSource = takeOut(rest, markup::kUntranslatedSource, source);
        if (haveSource && !source.empty()) allEmpty = false;
      }
      if (haveSource) {
        const std::string sourceRtf = layout.convert("<SRC>" + source + "</SRC>");
        if (iteration > 0) {
          add(result, kDocuments, kDocumentSeparator);
          if (speech) speech->speak(kAlternativeSpoken, Speech::kTargetLanguage);
        }
        add(result, kDocuments, sourceRtf);
        for (const markup::Tag& tag : {markup::kPointed, markup::kMisspelt}) {
          removeAll(source, tag.open);
          removeAll(source, tag.close);
        }
        const std::size_t unknownWords = removeAll(source, markup::kUnknownWord.open);
        removeAll(source, markup::kUnknownWord.close);
        if (unknownWords > 0) notes.add(kUnknownWordsUnderlined);
      }

      const bool haveTarget = takeOut(rest, markup::kAlternativeTarget, target);
      if (haveTarget && !target.empty()) allEmpty = false;
      if (!haveTarget) {
        if (iteration > 0) break;
        w.status = 0;
        add(result, kDocuments,
            layout.convert("<NOT_FOUND>" + layout.escapeText(request.notFoundText) + "</NOT_FOUND>"));
      }
      if (!target.empty()) add(result, kDocuments, layout.convert("<TRG>" + target + "</TRG>"));
      const std::size_t chunks = removeAll(target, markup::kPiece.open);
      removeAll(target, markup::kPiece.close);
      if (chunks > 1) notes.add(kMosaicTranslation);
      removeSpans(source, markup::kSuggestion);

      if (!source.empty()) {
        add(result, kPlainText, "EN: ");
        add(result, kPlainText, source);
        add(result, kPlainText, kPlainLineBreak);
      }
      if (!target.empty()) {
        add(result, kPlainText, "HU: ");
        add(result, kPlainText, target);
        add(result, kPlainText, kPlainLineBreak);
      }
      if (speech) {
        speech->speak(source, Speech::kSourceLanguage);
        speech->speak(target, Speech::kTargetLanguage);
      }
      ++counter;
    }
  }

  if (loopRuns) {
    if (allEmpty) {
      w.reply = lookupMessage(kTranslationFailed1, context.language);
      w.status = -1;
      makeEmpty(result);
    }
    if (!w.errorText.empty()) {
      w.reply = w.errorText;
      w.status = -1;
    }
  }

  bool footerDocument = false;
  std::string footerXml;
  if (w.status == -1) {
    add(result, kDocuments, layout.convert("<errmsg>" + layout.escapeText(w.reply) + "</errmsg>"));
    add(result, kPlainText, "Error: ");
    add(result, kPlainText, w.reply);
    footerDocument = true;
  } else if (!notes.numbers.empty()) {
    for (std::size_t i = 0; i < notes.numbers.size(); ++i) {
      if (i > 0) footerXml += "<msgglue></msgglue>";
      footerXml +=
          "<message>" + layout.escapeText(lookupMessage(notes.numbers[i], context.language)) + "</message>";
    }
    footerDocument = true;
  }
  if (!request.footerText.empty()) {
    if (!footerXml.empty()) footerXml += "<msgglue></msgglue>";
    footerXml = "<footer>" + footerXml + layout.escapeText(request.footerText) + "</footer>";
    footerDocument = true;
  }
  if (footerDocument) {
    const std::string footerRtf = layout.convert(footerXml);
    add(result, kDocuments, kDocumentSeparator);
    add(result, kDocuments, footerRtf);
  }
  return std::max(counter, 1);
}

}  // namespace

LookupOutcome runLookup(const LookupContext& context, const LookupRequest& request, ChunkList& result) {
  LookupOutcome outcome;
  try {
    if (!context.styleSheet) return outcome;  // not initialised, or already closed
    Working w;
    if (context.backend && !sendQuery(context, request, w, outcome)) return outcome;
    outcome.count = layOut(context, request, w, result);
    outcome.produced = true;
  } catch (const layout_exception& e) {
    showAlert(formatAlert(fixed_texts::kLayoutExceptionFormat, e.code(), e.line()),
              fixed_texts::kLayoutExceptionCaption, AlertIcon::error);
  } catch (const xml_exception& e) {
    const std::string detail = e.text().empty() ? std::to_string(e.code()) : e.text();
    showAlert(formatAlert(fixed_texts::kXmlExceptionFormat, detail.c_str()),
              fixed_texts::kXmlExceptionCaption, AlertIcon::error);
  } catch (...) {
    showAlert(fixed_texts::kLookupEntryException, fixed_texts::kLookupEntryExceptionCaption,
              AlertIcon::error);
  }
  return outcome;
}

}  // namespace lexiton::lookup
