// Hungarian plural suffixes for the word-by-word target: enough to say "házak" and "nagyok"
// where a dictionary sense only gives "ház" and "nagy".
#pragma once

#include <string>
#include <string_view>

namespace lexiton::translator {

// Nouns and adjectives link the plural differently: "hal" -> "halak" is a listed noun, but
// "magas" -> "magasak" is the adjective rule; "taxi" -> "taxik" but "régi" -> "régiek".
enum class WordClass { noun, adjective };

// A word this long (UTF-8 bytes) is no single Hungarian noun or adjective worth inflecting.
inline constexpr std::size_t kMaxInflectedBytes = 64;

// The last vowel that decides the suffix: back (a, o, u), front unrounded (e, and words of
// only i, í, é), front rounded (ö, ő, ü, ű).
enum class Harmony { back, front, frontRounded };
Harmony harmonyOf(std::u16string_view word);

// The Hungarian vowels (lower case, UTF-16), and the long ones among them (á é í ó ő ú ű).
bool isHungarianVowel(char16_t c);
bool isLongHungarianVowel(char16_t c);

// True when the UTF-8 text is one lower-case Hungarian word (letters only, at least one
// vowel) that a suffix may follow: not a phrase, a gloss like "-ban/-ben", or an abbreviation.
bool isInflectableWord(std::string_view utf8);

// True when the word already reads as a plural: a vowel and "k" end it after at least two
// syllables ("gyerekek", "almák"), so "gyerekek" never becomes "gyerekekek". One-syllable
// words ("szék", "tök") are singular.
bool looksPlural(std::string_view utf8);

// The plural of a lower-case UTF-8 noun or adjective; the word unchanged when it is not
// inflectable or already looks plural.
std::string pluralOf(std::string_view utf8, WordClass cls);

// An adjective's comparative (1: "nagyobb", "drágább", "szebb") or superlative (2:
// "legnagyobb"); the word unchanged when it is not one inflectable word.
std::string degreeOf(std::string_view utf8, int degree);

// The adverb of manner of a lower-case UTF-8 adjective, as a state is said after "hagy" or
// "tart" ("változatlanul hagyta", "melegen tartja"): "melegen", "tisztán", "nagyon",
// "változatlanul", "jól"; the word unchanged when it is not one inflectable word.
std::string mannerOf(std::string_view utf8);

// The past tense, third person, of a lower-case UTF-8 verb in its dictionary form (the third
// person present: "ír", "néz", "dolgozik", "elmegy"): "írt", "nézett", "dolgozott", "elment";
// with `plural` the third person plural ("írtak", "mentek"). The verb unchanged when it is not
// one inflectable word.
std::string pastOf(std::string_view utf8, bool plural);

}  // namespace lexiton::translator
