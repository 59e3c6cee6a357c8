#include "dev_corpus.h"

#include <algorithm>
#include <stdexcept>

#include "chrf.h"
#include "lexiton/lexicon/split_fields.h"
#include "lexiton/text_encoding.h"
#include "lexiton/protocol/query_text.h"

namespace lexiton::quality {

std::vector<CorpusSentence> readDevCorpus(std::string_view text) {
  std::vector<CorpusSentence> out;
  std::size_t lineNumber = 0;
  for (std::string_view line : splitFields(text, '\n')) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const auto fields = splitFields(line, '\t');
    const std::size_t open = fields[0].find('['), close = fields[0].find(']');
    if (fields.size() != 3 || open == std::string_view::npos || close == std::string_view::npos ||
        close < open + 2 || fields[1].empty() || fields[2].empty())
      throw std::runtime_error("dev corpus line " + std::to_string(lineNumber) +
                               ": expected \"[word]\", a reference and stems");
    CorpusSentence s;
    const std::string_view en = fields[0];
    s.english = std::string(en.substr(0, open)) + std::string(en.substr(open + 1, close - open - 1)) +
                std::string(en.substr(close + 1));
    // The query as the client writes it, the pointer on the bracketed word's first letter.
    s.query = protocol::markedQueryText(utf8ToUtf16(s.english), utf8ToUtf16(en.substr(0, open)).size());
    s.reference = std::string(fields[1]);
    for (std::string_view m : splitFields(fields[2], '|'))
      if (!m.empty()) s.meanings.push_back(lowerHungarian(m));
    out.push_back(std::move(s));
  }
  return out;
}

std::string firstTarget(std::string_view reply) {
  const std::string_view open = "<surf-st>", close = "</surf-st>";
  const std::size_t b = reply.find(open);
  if (b == std::string_view::npos) return {};
  const std::size_t e = reply.find(close, b);
  std::string_view body = reply.substr(
      b + open.size(), e == std::string_view::npos ? std::string_view::npos : e - b - open.size());
  std::string bytes;  // Windows-1250 with references resolved to '\x01'-free UTF-8 later
  std::string out;
  auto flush = [&] {
    out += codePageToUtf8(bytes, CodePage::windows1250);
    bytes.clear();
  };
  for (std::size_t i = 0; i < body.size();) {
    if (body[i] == '<') {
      const std::size_t gt = body.find('>', i);
      i = gt == std::string_view::npos ? body.size() : gt + 1;
    } else if (body[i] == '&') {
      const std::size_t semi = body.find(';', i);
      const std::string_view ent = body.substr(i + 1, semi == std::string_view::npos ? 0 : semi - i - 1);
      flush();
      if (ent.size() > 2 && ent[0] == '#' && ent[1] == 'x')
        appendUtf8(out, char32_t(std::stoul(std::string(ent.substr(2)), nullptr, 16)));
      else if (ent == "amp")
        out += '&';
      else if (ent == "lt")
        out += '<';
      else if (ent == "gt")
        out += '>';
      i = semi == std::string_view::npos ? body.size() : semi + 1;
    } else {
      bytes += body[i++];
    }
  }
  flush();
  return out;
}

std::string lowerHungarian(std::string_view utf8) {
  std::u16string w = utf8ToUtf16(utf8);
  for (char16_t& c : w) {
    if (c >= u'A' && c <= u'Z')
      c = char16_t(c + 32);
    else if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
      c = char16_t(c + 32);
    else if (c == 0x150 || c == 0x170)
      c = char16_t(c + 1);
  }
  return utf16ToUtf8(w);
}

bool meansThePointedWord(const CorpusSentence& s, std::string_view hypothesis) {
  const std::string lower = lowerHungarian(hypothesis);
  return std::any_of(s.meanings.begin(), s.meanings.end(),
                     [&](const std::string& m) { return lower.find(m) != std::string::npos; });
}

CorpusResult scoreCorpus(const translator::Translator& t, const std::vector<CorpusSentence>& corpus) {
  CorpusResult r;
  ChrfScore chrf;
  for (const CorpusSentence& s : corpus) {
    const translator::Translation tr = t.translate(s.query);
    std::string hyp = tr.code == 0 ? firstTarget(tr.reply) : std::string();
    chrf.add(hyp, s.reference);
    if (meansThePointedWord(s, hyp)) ++r.pointedRight;
    ++r.sentences;
    r.hypotheses.push_back(std::move(hyp));
  }
  r.chrf = chrf.score();
  return r;
}

}  // namespace lexiton::quality
