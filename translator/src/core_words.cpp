// Function words and the most frequent verbs: the FreeDict data has no "you", "are" or
// "know", and lists "do" first as "csalás". Hungarian puts much of this into suffixes, so
// prepositions are glossed the way Hungarian dictionaries gloss them ("-ban/-ben").
#include "core_words.h"

#include <cstdint>

namespace lexiton::translator {
namespace {

struct CoreWord {
  std::string_view word, first, second;
};

constexpr CoreWord kCoreWords[] = {
    {"a", "egy", ""},
    {"an", "egy", ""},
    {"the", "a", ""},
    {"i", "\xC3\xA9n", ""},
    {"you", "te", "ti"},
    {"he", "\xC5\x91", ""},
    {"she", "\xC5\x91", ""},
    {"it", "az", "ez"},
    {"we", "mi", ""},
    {"they", "\xC5\x91k", ""},
    {"me", "engem", "nekem"},
    {"him", "\xC5\x91t", "neki"},
    {"her", "\xC5\x91t", "az \xC5\x91"},
    {"us", "minket", "nek\xC3\xBCnk"},
    {"them", "\xC5\x91ket", "nekik"},
    {"my", "az \xC3\xA9n", ""},
    {"your", "a te", "az \xC3\xB6n"},
    {"his", "az \xC5\x91", ""},
    {"its", "annak a", ""},
    {"our", "a mi", ""},
    {"their", "az \xC5\x91", ""},
    {"am", "vagyok", ""},
    {"is", "van", ""},
    {"are", "vannak", "vagy"},
    {"was", "volt", ""},
    {"were", "voltak", "volt\xC3\xA1l"},
    {"be", "lenni", "van"},
    {"been", "volt", ""},
    {"do", "csin\xC3\xA1l", "tesz"},
    {"does", "csin\xC3\xA1l", "tesz"},
    {"did", "csin\xC3\xA1lt", "tett"},
    {"don't", "nem", ""},
    {"doesn't", "nem", ""},
    {"didn't", "nem", ""},
    {"not", "nem", ""},
    {"no", "nem", "nincs"},
    {"isn't", "nem", ""},
    {"aren't", "nem", ""},
    {"can't", "nem tud", ""},
    {"won't", "nem fog", ""},
    {"have", "van neki", "birtokol"},
    {"has", "van neki", "birtokol"},
    {"had", "volt neki", ""},
    {"will", "fog", "akarat"},
    {"would", "-na/-ne", ""},
    {"can", "tud", "lehet"},
    {"could", "tudott", "tudna"},
    {"must", "kell", ""},
    {"should", "kellene", ""},
    {"may", "lehet", "szabad"},
    {"might", "lehet", ""},
    {"know", "tud", "ismer"},
    {"knew", "tudott", "ismert"},
    {"known", "ismert", ""},
    {"and", "\xC3\xA9s", ""},
    {"or", "vagy", ""},
    {"but", "de", "hanem"},
    {"if", "ha", ""},
    {"than", "mint", ""},
    {"as", "mint", "ahogy"},
    {"so", "\xC3\xADgy", "teh\xC3\xA1t"},
    {"of", "-nak/-nek a", ""},
    {"in", "-ban/-ben", "bent"},
    {"on", "-on/-en/-\xC3\xB6n", ""},
    {"at", "-n\xC3\xA1l/-n\xC3\xA9l", ""},
    {"to", "-hoz/-hez/-h\xC3\xB6z", ""},
    {"for", "-\xC3\xA9rt", "sz\xC3\xA1m\xC3\xA1ra"},
    {"with", "-val/-vel", ""},
    {"from", "-b\xC3\xB3l/-b\xC5\x91l", "-t\xC3\xB3l/-t\xC5\x91l"},
    {"by", "\xC3\xA1ltal", "mellett"},
    {"about", "-r\xC3\xB3l/-r\xC5\x91l", "k\xC3\xB6r\xC3\xBClbel\xC3\xBCl"},
    {"this", "ez", ""},
    {"that", "az", "hogy"},
    {"these", "ezek", ""},
    {"those", "azok", ""},
    {"what", "mi", "mit"},
    {"who", "ki", "aki"},
    {"which", "melyik", "amely"},
    {"where", "hol", "ahol"},
    {"when", "mikor", "amikor"},
    {"why", "mi\xC3\xA9rt", ""},
    {"how", "hogyan", "hogy"},
    {"there", "ott", "van"},
    {"here", "itt", ""},
    {"life", "\xC3\xA9let", ""},
    {"child", "gyerek", "gyermek"},
    {"woman", "n\xC5\x91", "asszony"},
    {"come", "j\xC3\xB6n", ""},
    {"tell", "mond", "elmond"},
    {"become", "v\xC3\xA1lik vmiv\xC3\xA9", "lesz"},
    {"begin", "kezd", "elkezd"},
    {"hear", "hall", "meghall"},
    {"bring", "hoz", "elhoz"},
    {"write", "\xC3\xADr", "meg\xC3\xADr"},
    {"sit", "\xC3\xBCl", "le\xC3\xBCl"},
    {"lose", "elvesz\xC3\xADt", "elveszt"},
    {"meet", "tal\xC3\xA1lkozik", "megismer"},
    {"understand", "meg\xC3\xA9rt", "\xC3\xA9rt"},
    {"speak", "besz\xC3\xA9l", ""},
    {"spend", "k\xC3\xB6lt", "t\xC3\xB6lt"},
    {"grow", "n\xC5\x91", "n\xC3\xB6vekszik"},
    {"few", "kev\xC3\xA9s", "n\xC3\xA9h\xC3\xA1ny"},
    {"most",
     "legt\xC3\xB6"
     "bb",
     "legink\xC3\xA1"
     "bb"},
    {"another", "egy m\xC3\xA1sik", "m\xC3\xA9g egy"},
    {"because", "mert", "mivel"},
    {"once", "egyszer", "egykor"},
    {"quite", "eg\xC3\xA9szen", "el\xC3\xA9g"},
    {"upon", "-on/-en/-\xC3\xB6n", ""},
    {"yes", "igen", ""},
    {"very", "nagyon", ""},
    {"all", "minden", "mind"},
};

}  // namespace

bool coreWordSenses(std::string_view w, std::vector<std::string>& senses) {
  for (const CoreWord& c : kCoreWords) {
    if (c.word != w) continue;
    senses.assign(1, std::string(c.first));
    if (!c.second.empty()) senses.emplace_back(c.second);
    return true;
  }
  return false;
}

bool startsWithVowel(std::string_view s) {
  // a label is read without its opening quotation mark: "az „OK” gomb"
  if (s.starts_with("\xE2\x80\x9E")) s.remove_prefix(3);
  if (s.empty()) return false;
  // a number in digits as it is read: "öt", "ötven" ("az 5-ös"), "egy", "ezer", "egymillió" ("az
  // 1-es", "az 1990-es években"), but "tíz", "száz" ("a 12-es", "a 100 forint")
  if (s[0] >= '0' && s[0] <= '9') {
    if (s[0] == '5') return true;
    if (s[0] != '1') return false;
    std::size_t digits = 0;
    for (const char c : s)
      if (c >= '0' && c <= '9')
        ++digits;
      else if (c != ',')
        break;
    return digits % 3 == 1;
  }
  switch (s[0] | 0x20) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
      return true;
    default:
      break;
  }
  if (s.size() < 2) return false;
  const unsigned b0 = uint8_t(s[0]), b1 = uint8_t(s[1]) | 0x20u;
  // á é í ó ö ú ü (either case) in C3 xx, ő ű in C5 xx
  if (b0 == 0xC3)
    return b1 == 0xA1 || b1 == 0xA9 || b1 == 0xAD || b1 == 0xB3 || b1 == 0xB6 || b1 == 0xBA || b1 == 0xBC;
  if (b0 == 0xC5) return (uint8_t(s[1]) & 0xFE) == 0x90 || (uint8_t(s[1]) & 0xFE) == 0xB0;
  return false;
}

}  // namespace lexiton::translator
