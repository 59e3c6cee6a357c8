// The pointer tracking's fixed texts: the diagnostics it shows (all with the warning icon and no
// owner), the source names it gives the look-up, and the not-found texts used when the language
// library has no string 32.
#pragma once

#include <string_view>

namespace lexiton::host::hover_texts {

inline constexpr std::string_view kCaption = "Lexiton";
inline constexpr std::string_view kSecondTooltipCaption = "Lexiton's HoverMouse";

inline constexpr std::string_view kTextReaderFailed = "Exception in textgrab.dll";
inline constexpr std::string_view kCollectingFailed = "Exception at Collecting Query";
inline constexpr std::string_view kMakingQueryFailed = "Exception at Making Query";
inline constexpr std::string_view kProcessingFailed = "Exception at processing";
inline constexpr std::string_view kDrawingFailed = "Exception in Drawing Tooltip";

inline constexpr std::string_view kTriggerSource = "Trigger";
inline constexpr std::string_view kWordProcessorSource = "MSWord";

// The not-found text of the online look-up, and of the local dictionary.
inline constexpr std::string_view kLookupNotFound = "???";
inline constexpr std::string_view kLocalNotFound = "<\?\?\?>";

}  // namespace lexiton::host::hover_texts
