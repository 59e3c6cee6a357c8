// "dictcore.dll" through its exports, as the host binds and calls them, with the dictionaries
// the build compiled beside it; its lists painted by "tippaint.dll"; its settings dialog
// driven through its controls.
#include <windows.h>

#include <lexiton/chunk_list.h>
#include <lexiton/companion_exports.h>
#include <lexiton/data_directory_record.h>
#include <lexiton/library.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <lexiton/test/win/dialog_driver.h>
#include "plain_list_texts.h"
#include "win/tooltip_canvas.h"

namespace {

constexpr std::size_t kOpenDictsBuffer = 1024;

std::string binFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string programPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The host's record of its data directory, pointed at a folder of the test's own for as long
// as the object lives.
class DataDirectory {
 public:
  DataDirectory() : folder_(binFolder() + "dictcore_data\\") {
    CreateDirectoryA(folder_.c_str(), nullptr);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, lexiton::kDataDirectoriesKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS) {
      RegSetValueExA(key, programPath().c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(folder_.c_str()),
                     DWORD(folder_.size() + 1));
      RegCloseKey(key);
    }
  }
  ~DataDirectory() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, lexiton::kDataDirectoriesKey, 0, KEY_ALL_ACCESS, &key) ==
        ERROR_SUCCESS) {
      RegDeleteValueA(key, programPath().c_str());
      RegCloseKey(key);
    }
    DeleteFileA(ini().c_str());
  }
  std::string ini() const { return folder_ + "lexiton.ini"; }
  void write(const std::string& text) const {
    std::ofstream(ini(), std::ios::binary | std::ios::trunc) << text;
  }

 private:
  std::string folder_;
};

// The host's local result array: the empty list in a reserve of 0x9000 bytes.
struct LocalResult {
  explicit LocalResult(uint32_t capacity = LX_LOCAL_RESULT_RESERVE) : bytes(capacity + 64, 0xCC) {
    std::memset(bytes.data(), 0, 4);
    array = {bytes.data(), 4, capacity};
  }
  std::vector<uint8_t> bytes;
  LxByteArray array;
};

std::vector<std::string> listTexts(const LocalResult& r) {
  return plainListTexts(r.bytes.data(), r.array.size);
}

class DictcoreLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dll_) << dll_.error();
    lookup_ = dll_.bind<LookupRIFFWFn>("LookupRIFFW");
    init_ = dll_.bind<InitModuleFn>("InitModule");
    end_ = dll_.bind<EndModuleFn>("EndModule");
    config_ = dll_.bind<DictConfigFn>("DictConfig");
    openDicts_ = dll_.bind<GetOpenDictsFn>("GetOpenDicts");
    ASSERT_TRUE(lookup_ && init_ && end_ && config_ && openDicts_);
  }
  void TearDown() override {
    if (end_) end_();
  }

  int open(const std::string& choice) {
    data_.write("[dict]\r\nUserLang=1038\r\n[Hover Dictionaries]\r\n" + choice);
    end_();
    return init_();
  }

  std::vector<std::string> openDictionaries() {
    char buffer[kOpenDictsBuffer] = {};
    openDicts_(buffer, sizeof buffer);
    std::vector<std::string> ids;
    for (const char* p = buffer; *p; p += std::strlen(p) + 1) ids.emplace_back(p);
    return ids;
  }

  // The list for `text`, or {"<false>"} when the look-up answers false.
  std::vector<std::string> look(const wchar_t* text, const char* notFound = "<\?\?\?>") {
    LocalResult r;
    int first = 0, second = 0;
    uint8_t flag = 0;
    char notFoundBuffer[256] = {};
    std::strncpy(notFoundBuffer, notFound, sizeof notFoundBuffer - 1);
    const int found =
        lookup_(reinterpret_cast<const uint16_t*>(text), 1, &r.array, &first, &second, notFoundBuffer, &flag);
    for (std::size_t i = LX_LOCAL_RESULT_RESERVE; i < r.bytes.size(); ++i) EXPECT_EQ(r.bytes[i], 0xCC);
    if (!(found & 0xFF)) return {"<false>"};
    return listTexts(r);
  }

  DataDirectory data_;
  lexiton::Library dll_{"dictcore.dll"};
  LookupRIFFWFn lookup_ = nullptr;
  InitModuleFn init_ = nullptr;
  EndModuleFn end_ = nullptr;
  DictConfigFn config_ = nullptr;
  GetOpenDictsFn openDicts_ = nullptr;
};

bool has(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

TEST_F(DictcoreLibrary, EverydayEnglishWords) {
  ASSERT_EQ(open(""), 0);
  const auto houses = look(L"The @houses are big.");
  ASSERT_GE(houses.size(), 3u);
  EXPECT_EQ(houses[0].rfind("houses \xBB house", 0), 0u) << houses[0];
  EXPECT_NE(houses[0].find("/h'aUs/"), std::string::npos) << houses[0];
  // The system code page is 1252 here: "ő" is drawn as "ö".
  EXPECT_EQ(houses[1], "#f\xF6n\xE9v");
  EXPECT_EQ(houses[2], "h\xE1z");

  const auto went = look(L"He @went home.");
  ASSERT_GE(went.size(), 3u);
  EXPECT_EQ(went[0].rfind("went \xBB go", 0), 0u) << went[0];
  EXPECT_EQ(went[1], "#ige");
  EXPECT_EQ(went[2], "megy");

  for (const wchar_t* text : {L"He gave @up smoking", L"He @gave up smoking"}) {
    const auto gaveUp = look(text);
    ASSERT_GE(gaveUp.size(), 3u);
    // The pronunciation of the verb phrase without FreeDict's "to".
    EXPECT_EQ(gaveUp[0], "gave up \xBB give up  /g'Iv 'Vp/");
    EXPECT_EQ(gaveUp[1], "#ige");
    EXPECT_EQ(gaveUp[2], "felad");
  }
}

TEST_F(DictcoreLibrary, MarkerAtTheStartAndAtTheEnd) {
  ASSERT_EQ(open(""), 0);
  const auto start = look(L"@The houses are big.");
  ASSERT_FALSE(start.empty());
  // A capital alone is no other form.
  EXPECT_EQ(start[0], "the  /D'@/");
  const auto end = look(L"They are big@");
  ASSERT_GE(end.size(), 2u);
  EXPECT_EQ(end[0].rfind("big", 0), 0u) << end[0];
  EXPECT_TRUE(has(end, "nagy"));
  EXPECT_EQ(look(L"@"), std::vector<std::string>{"<false>"});
}

TEST_F(DictcoreLibrary, UnknownWords) {
  ASSERT_EQ(open(""), 0);
  // The host's placeholder for a missing not-found text shows nothing; its own text is shown.
  EXPECT_EQ(look(L"a @qzxv here"), std::vector<std::string>{"<false>"});
  EXPECT_EQ(look(L"a @qzxv here", "Nincs tal\xE1lat"), std::vector<std::string>{"Nincs tal\xE1lat"});
  EXPECT_EQ(look(L"a @ here", "Nincs tal\xE1lat"), std::vector<std::string>{"<false>"});
}

TEST_F(DictcoreLibrary, HungarianWordWithTheSecondDictionary) {
  ASSERT_EQ(open("2HU-EN=1\r\n"), 0);
  const auto hazak = look(L"A @h\u00E1zak nagyok.");
  ASSERT_GE(hazak.size(), 2u);
  EXPECT_EQ(hazak[0].rfind("h\xE1zak \xBB h\xE1z", 0), 0u) << hazak[0];
  EXPECT_EQ(hazak[1], "house");
  ASSERT_EQ(open("2HU-EN=0\r\n"), 0);
  EXPECT_EQ(look(L"A @h\u00E1zak nagyok."), std::vector<std::string>{"<false>"});
}

TEST_F(DictcoreLibrary, TooSmallAReserveIsNotWrittenPast) {
  ASSERT_EQ(open(""), 0);
  for (uint32_t capacity : {4u, 24u, 64u}) {
    LocalResult r(capacity);
    int first = 0, second = 0;
    uint8_t flag = 0;
    EXPECT_EQ(lookup_(reinterpret_cast<const uint16_t*>(L"He @went home."), 1, &r.array, &first, &second,
                      "Nincs", &flag) &
                  0xFF,
              0);
    EXPECT_EQ(r.array.size, 4u);
    for (std::size_t i = capacity; i < r.bytes.size(); ++i)
      ASSERT_EQ(r.bytes[i], 0xCC) << capacity << " " << i;
  }
}

TEST_F(DictcoreLibrary, OpenDictionariesForEveryChoice) {
  struct Row {
    const char* choice;
    std::vector<std::string> open;
  };
  const Row rows[] = {{"", {"2EN-HU"}},
                      {"2EN-HU=1\r\n2HU-EN=0\r\n", {"2EN-HU"}},
                      {"2EN-HU=0\r\n2HU-EN=1\r\n", {"2HU-EN"}},
                      {"2EN-HU=1\r\n2HU-EN=1\r\n", {"2EN-HU", "2HU-EN"}},
                      {"2EN-HU=0\r\n2HU-EN=0\r\n", {}}};
  for (const Row& row : rows) {
    // Closing every dictionary is the user's choice, not a failure: the settings stay reachable.
    EXPECT_EQ(open(row.choice), 0) << row.choice;
    EXPECT_EQ(openDictionaries(), row.open) << row.choice;
    for (const std::string& id : openDictionaries()) EXPECT_EQ(id[0], '2');
  }
  // A buffer too small for an entry still ends the list.
  open("2EN-HU=1\r\n2HU-EN=1\r\n");
  char small[9];
  std::memset(small, 'x', sizeof small);
  openDicts_(small, sizeof small);
  EXPECT_STREQ(small, "2EN-HU");
  EXPECT_EQ(small[7], '\0');
}

TEST(DictcoreWithoutDictionaries, InitModuleFails) {
  // The library alone in a folder: nothing can be opened.
  const std::string folder = binFolder() + "dictcore_alone\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA((binFolder() + "dictcore.dll").c_str(), (folder + "dictcore.dll").c_str(), FALSE));
  {
    lexiton::Library dll(folder + "dictcore.dll");
    ASSERT_TRUE(dll);
    EXPECT_EQ(dll.bind<InitModuleFn>("InitModule")(), -1);
    char buffer[16] = {'x', 'x'};
    dll.bind<GetOpenDictsFn>("GetOpenDicts")(buffer, sizeof buffer);
    EXPECT_EQ(buffer[0], '\0');
    // Its settings dialog offers only what is installed: nothing.
    bool boxes = true;
    {
      dialog_driver::Script script(
          dialog_driver::byCaption(L"Dictionaries"),
          {[&](HWND d) { boxes = dialog_driver::item(d, 1001) || dialog_driver::item(d, 1002); },
           [](HWND d) { dialog_driver::click(d, IDOK); }});
      EXPECT_EQ(dll.bind<DictConfigFn>("DictConfig")(2057, nullptr, 1), 1);
      EXPECT_FALSE(script.timedOut());
    }
    EXPECT_FALSE(boxes);
    dll.bind<EndModuleFn>("EndModule")();
  }
  DeleteFileA((folder + "dictcore.dll").c_str());
  DeleteFileA((folder + "lexiton.ini").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(DictcoreLibrary, TwoThreadsLookUpAtOnce) {
  ASSERT_EQ(open("2HU-EN=1\r\n"), 0);
  auto run = [&](const wchar_t* text, const std::string& sense, bool& ok) {
    ok = true;
    for (int i = 0; i < 200 && ok; ++i) {
      const auto list = look(text);
      ok = has(list, sense);
    }
  };
  bool a = false, b = false;
  std::thread first(run, L"He @went home.", "megy", std::ref(a));
  std::thread second(run, L"A @h\u00E1zak nagyok.", "house", std::ref(b));
  first.join();
  second.join();
  EXPECT_TRUE(a);
  EXPECT_TRUE(b);
}

TEST_F(DictcoreLibrary, PaintedByTheTooltipPainter) {
  ASSERT_EQ(open(""), 0);
  lexiton::Library painter("tippaint.dll");
  ASSERT_TRUE(painter);
  auto paint = painter.bind<TipPaintFn>("TipPaint");
  ASSERT_TRUE(paint);
  tippaint::win::TooltipCanvas canvas;
  ASSERT_TRUE(canvas);
  CreateDirectoryA("dictcore-png", nullptr);
  auto heightOf = [&](const wchar_t* text, const char* notFound, const char* png) {
    LocalResult r;
    int first = 0, second = 0;
    uint8_t flag = 0;
    EXPECT_TRUE(
        lookup_(reinterpret_cast<const uint16_t*>(text), 1, &r.array, &first, &second, notFound, &flag) &
        0xFF);
    const std::vector<uint8_t> result(r.bytes.begin(), r.bytes.begin() + r.array.size);
    const auto outcome = canvas.paint(paint, result, 100, 100, 0xE1FFFF);
    EXPECT_EQ(outcome.result, 1);
    EXPECT_TRUE(canvas.write_png(std::string("dictcore-png/") + png, outcome));
    return std::make_pair(int(outcome.size.bottom), listTexts(r).size());
  };
  // The one-line list of an unknown word, a Hungarian word's few senses, an English word's many.
  open("2HU-EN=1\r\n");
  const auto none = heightOf(L"a @qzxv", "Nincs tal\xE1lat", "unknown.png");
  const auto few = heightOf(L"egy @alm\u00E1t", "", "alma.png");
  const auto many = heightOf(L"He @went home.", "", "went.png");
  ASSERT_LT(none.second, few.second);
  ASSERT_LT(few.second, many.second);
  EXPECT_LT(none.first, few.first);
  EXPECT_LT(few.first, many.first);
}

TEST_F(DictcoreLibrary, SettingsDialogSavesTheChoice) {
  ASSERT_EQ(open("2EN-HU=1\r\n2HU-EN=0\r\n"), 0);
  const std::wstring caption = L"Sz\u00F3t\u00E1rak";
  {
    dialog_driver::Script script(
        dialog_driver::byCaption(caption.c_str()),
        {[](HWND d) { EXPECT_TRUE(dialog_driver::checked(d, 1001)); },
         [](HWND d) { EXPECT_FALSE(dialog_driver::checked(d, 1002)); },
         [](HWND d) { dialog_driver::click(d, 1002); }, [](HWND d) { dialog_driver::click(d, IDOK); }});
    EXPECT_EQ(config_(1038, nullptr, 1), 1);
    EXPECT_EQ(script.stepsRun(), 4u);
    EXPECT_FALSE(script.timedOut());
  }
  EXPECT_FALSE(FindWindowW(nullptr, caption.c_str()));
  const std::string ini = readText(data_.ini());
  EXPECT_NE(ini.find("2HU-EN=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("UserLang=1038"), std::string::npos) << ini;
  EXPECT_EQ(openDictionaries(), (std::vector<std::string>{"2EN-HU", "2HU-EN"}));

  // Cancel keeps the file as it was.
  {
    dialog_driver::Script script(
        dialog_driver::byCaption(L"Dictionaries"),
        {[](HWND d) { dialog_driver::click(d, 1001); }, [](HWND d) { dialog_driver::click(d, IDCANCEL); }});
    EXPECT_EQ(config_(2057, nullptr, 1), 0);
    EXPECT_FALSE(script.timedOut());
  }
  EXPECT_EQ(readText(data_.ini()), ini);
  EXPECT_FALSE(FindWindowW(nullptr, L"Dictionaries"));
}

}  // namespace
