// "voicer.dll" through its exports, as the client library binds them: calls return at once on
// the caller's thread, which the library leaves without COM; a speaking thread of the
// library's own keeps the library loaded while it runs. Whether a voice is heard depends on
// the system's speech engine; what this system's SAPI answers is written to the test log.
#include <windows.h>

#include <objbase.h>
#include <sapi.h>
#include <tlhelp32.h>

#include <lexiton/abi.h>
#include <lexiton/companion_exports.h>
#include <lexiton/library.h>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <thread>

namespace {

std::string voicerPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1) + "speech\\voicer.dll";
}

int threadsOfThisProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int n = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    n += entry.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(snapshot);
  return n;
}

// What the system's speech engine answers, for the log: on a thread of the test's own.
void describeEngine() {
  std::thread([] {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    ISpVoice* voice = nullptr;
    const HRESULT made =
        CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice));
    std::cout << "SAPI SpVoice: CoCreateInstance answers 0x" << std::hex << static_cast<unsigned long>(made)
              << std::dec << std::endl;
    if (voice) voice->Release();
    ISpObjectTokenCategory* category = nullptr;
    IEnumSpObjectTokens* tokens = nullptr;
    ULONG voices = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                   IID_ISpObjectTokenCategory, reinterpret_cast<void**>(&category))) &&
        SUCCEEDED(category->SetId(SPCAT_VOICES, FALSE)) &&
        SUCCEEDED(category->EnumTokens(nullptr, nullptr, &tokens)) && tokens)
      tokens->GetCount(&voices);
    std::cout << "SAPI voices installed: " << voices << std::endl;
    if (tokens) tokens->Release();
    if (category) category->Release();
    CoUninitialize();
  }).join();
}

class VoicerLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { describeEngine(); }
  void SetUp() override {
    ASSERT_TRUE(dll_) << dll_.error();
    speak_ = dll_.bind<SpeakFn>("Speak");
    reset_ = dll_.bind<ResetSpeakFn>("ResetSpeak");
    ASSERT_TRUE(speak_ && reset_);
  }
  lexiton::Library dll_{voicerPath()};
  SpeakFn speak_ = nullptr;
  ResetSpeakFn reset_ = nullptr;
};

TEST_F(VoicerLibrary, TheCallersThreadIsLeftWithoutCom) {
  // On a fresh thread, so no earlier test's COM use is counted.
  HRESULT afterCalls = E_FAIL;
  std::thread([&] {
    speak_("The houses are big.", 0);
    speak_("A h\xE1zak nagyok.", 1);
    reset_();
    speak_("", 1);
    speak_(nullptr, 0);
    // S_OK only when nothing initialised COM on this thread before.
    afterCalls = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(afterCalls)) CoUninitialize();
  }).join();
  EXPECT_EQ(afterCalls, S_OK);
}

TEST_F(VoicerLibrary, SpeakingThreadKeepsTheLibraryLoaded) {
  speak_("Vagy?", 1);
  // The speaking thread runs a while after the last request, holding its own reference.
  EXPECT_GE(threadsOfThisProcess(), 2);
  dll_.reset();
  EXPECT_TRUE(GetModuleHandleA("voicer.dll"));
}

TEST_F(VoicerLibrary, TwoLookupWorkersAtOnce) {
  auto worker = [&](int language) {
    for (int i = 0; i < 100; ++i) {
      reset_();
      speak_("source text", 0);
      speak_("c\xE9lsz\xF6veg", language);
    }
  };
  std::thread a(worker, 0), b(worker, 1);
  a.join();
  b.join();
  reset_();
  // Both workers' calls were taken without a crash or a wait; the library is still usable.
  speak_("done", 0);
  EXPECT_TRUE(GetModuleHandleA("voicer.dll"));
}

}  // namespace
