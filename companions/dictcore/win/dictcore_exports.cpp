// The exports of "dictcore.dll". One library object, opened by InitModule and closed by
// EndModule, read by any number of look-ups at once (a shared lock). Each thread's last list
// keeps its texts in storage of that thread's own, so a look-up on one thread never frees the
// texts another thread's list points to. That storage is a map by thread id rather than
// thread_local: the host unloads the library before its threads end, and a thread-local
// destructor left behind in an unloaded library would run at thread exit.
#include <windows.h>

#include <lexiton/companion_exports.h>
#include <lexiton/language_ids.h>
#include <lexiton/profile.h>
#include <lexiton/settings_keys.h>
#include <lexiton/text_encoding.h>

#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>

#include "config_location.h"
#include "dict_config_dialog.h"
#include "hover_library.h"

namespace lexiton::dictcore {
namespace {

// The host hands at most its text reader's buffer (10000 characters) with the marker.
constexpr std::size_t kMaxTextUnits = 10001;

std::shared_mutex libraryLock;
std::unique_ptr<HoverLibrary> library;  // guarded by libraryLock
std::mutex textsLock;
std::map<DWORD, std::deque<std::string>> textsByThread;  // guarded by textsLock

// This thread's storage, emptied: the texts of its previous list end here.
std::deque<std::string>& freshTexts() {
  std::lock_guard lock(textsLock);
  auto& texts = textsByThread[GetCurrentThreadId()];
  texts.clear();
  return texts;
}

std::vector<std::string> allDictionaries() {
  std::vector<std::string> ids;
  for (const InstalledDictionary& d : kDictionaries) ids.emplace_back(d.id);
  return ids;
}

// Opens what the settings choose. -1 only when no installed dictionary can be opened at all:
// a user who closed every dictionary must still reach the settings dialog, which the host
// only offers after a successful InitModule.
int openChosen() {
  const auto profile = openProfile(configPath());
  const int language =
      profile->readInt(settings::dict::kSection, settings::dict::kUserLang, kLanguageEnglishUK);
  auto opened = std::make_unique<HoverLibrary>(libraryFolder(), chosenDictionaries(*profile), language);
  if (!opened->anyOpen() && !HoverLibrary(libraryFolder(), allDictionaries(), language).anyOpen()) return -1;
  std::unique_lock lock(libraryLock);
  library = std::move(opened);
  return 0;
}

// The dictionaries whose files lie beside the library, as indices into kDictionaries.
std::vector<std::size_t> installedDictionaries() {
  std::vector<std::size_t> installed;
  const std::string folder = libraryFolder();
  for (std::size_t i = 0; i < std::size(kDictionaries); ++i)
    if (GetFileAttributesA((folder + std::string(kDictionaries[i].file)).c_str()) != INVALID_FILE_ATTRIBUTES)
      installed.push_back(i);
  return installed;
}

}  // namespace
}  // namespace lexiton::dictcore

using namespace lexiton::dictcore;

extern "C" {

__declspec(dllexport) int LX_COMPANION_CDECL
    LookupRIFFW(const uint16_t* text, int, LxByteArray* result, int*, int*, const char* notFound, uint8_t*) {
  try {
    if (!text || !result) return 0;
    std::size_t length = 0;
    while (length < kMaxTextUnits && text[length]) ++length;
    std::shared_lock lock(libraryLock);
    if (!library) return 0;
    return library->lookup(lexiton::wideView(text, length), notFound, lexiton::systemCodePage(), freshTexts(),
                           *result)
               ? 1
               : 0;
  } catch (...) {
    return 0;
  }
}

__declspec(dllexport) int LX_COMPANION_CDECL InitModule(void) {
  try {
    return openChosen();
  } catch (...) {
    return -1;
  }
}

__declspec(dllexport) int LX_COMPANION_CDECL EndModule(void) {
  try {
    std::unique_lock lock(libraryLock);
    library.reset();
    std::lock_guard texts(textsLock);
    textsByThread.clear();
  } catch (...) {
  }
  return 0;
}

__declspec(dllexport) int LX_COMPANION_CDECL GetOpenDicts(char* buffer, int size) {
  try {
    if (!buffer || size < 1) return 0;
    std::vector<std::string> ids;
    {
      std::shared_lock lock(libraryLock);
      if (library) ids = library->openIds();
    }
    // Whole entries only, and always room for the empty entry that ends the list.
    std::size_t at = 0, written = 0;
    for (const std::string& id : ids) {
      if (at + id.size() + 2 > std::size_t(size)) break;
      std::memcpy(buffer + at, id.c_str(), id.size() + 1);
      at += id.size() + 1;
      ++written;
    }
    buffer[at] = '\0';
    return int(written);
  } catch (...) {
    return 0;
  }
}

__declspec(dllexport) int LX_COMPANION_CDECL DictConfig(int language, void* owner, int) {
  try {
    const auto profile = lexiton::openProfile(configPath());
    std::vector<std::string> open = chosenDictionaries(*profile);
    if (!runDictConfigDialog(language, static_cast<HWND>(owner), installedDictionaries(), open)) return 0;
    if (!saveChoice(*profile, open)) return 0;
    openChosen();
    return 1;
  } catch (...) {
    return 0;
  }
}
}
