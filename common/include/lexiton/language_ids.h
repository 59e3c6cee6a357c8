// Windows language ids as the system uses them: [dict] UserLang in the settings, the name of a
// language resource library ("uires%d.dll"), the tags of the about-text and splash files. 1038
// selects the Hungarian texts everywhere; every other id gets the English ones.
#pragma once

namespace lexiton {

inline constexpr int kLanguageHungarian = 1038;
inline constexpr int kLanguageEnglishUK = 2057;
inline constexpr int kLanguageEnglishUS = 1033;

// Whether texts in `language` are the Hungarian ones.
constexpr bool isHungarian(int language) { return language == kLanguageHungarian; }

}  // namespace lexiton
