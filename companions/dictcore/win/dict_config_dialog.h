// The dictionary settings dialog: one check box per installed dictionary, OK and Cancel, in
// the host's language. Modal; built from a template in memory, so the library needs no
// resources of its own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lexiton::dictcore {

// Control ids: the check boxes are kFirstDictionaryBox + the dictionary's index.
inline constexpr int kFirstDictionaryBox = 1001;

// Shows the dialog with a box for each dictionary in `installed` (indices into kDictionaries),
// those in `open` checked. True when the user pressed OK; then `open` holds the identifiers
// checked.
bool runDictConfigDialog(int language, HWND owner, const std::vector<std::size_t>& installed,
                         std::vector<std::string>& open);

// The dialog's caption in `language`, for finding it.
std::wstring dictConfigCaption(int language);

}  // namespace lexiton::dictcore
