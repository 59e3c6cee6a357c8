// The about box (template 110 of the language library): the look-up library's about texts
// streamed as RTF into its rich-text control 1055, one after the other with an empty-line
// separator between them; a two-line plain text when there are none or none could be shown.
#pragma once

#include <windows.h>

#include <lexiton/lookup_exports.h>

namespace lexiton::host {

// Runs it modally with no owner; returns when OK or Cancel closed it.
void runAboutBox(HMODULE languageLibrary, GetCopyRightInfoFn aboutTexts);

}  // namespace lexiton::host
