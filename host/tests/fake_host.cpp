#include "fake_host.h"

#include <algorithm>
#include <stdexcept>

namespace lexiton::host::test {

namespace {

struct FakeModule {
  std::string file;
};
std::vector<FakeModule*> gModules;

int noted(const char* name) {
  events().push_back(std::string("call ") + name);
  return 0;
}
int initModule() {
  events().push_back("call InitModule");
  return initModuleResult;
}
int endModule() {
  events().push_back("call EndModule");
  if (endModuleThrows) throw std::runtime_error("engine failed");
  return 0;
}
int kvClose() {
  events().push_back("call KVClose");
  throw std::runtime_error("session already gone");
}
int kvInit(void*, const char* path) {
  events().push_back(std::string("call KVInit ") + path);
  return kvInitResult;
}
int dictConfig(int language, void* owner, int mode) {
  events().push_back("call DictConfig " + std::to_string(language) + " " + (owner ? "owner" : "null") + " " +
                     std::to_string(mode));
  return 0;
}
int getOpenDicts(char* buffer, int size) {
  events().push_back("call GetOpenDicts " + std::to_string(size));
  openDictionaries.copy(buffer, std::min(openDictionaries.size(), static_cast<std::size_t>(size)));
  return 0;
}
int kvProxyDlg(int language, void* owner) {
  events().push_back("call KVProxyDlg " + std::to_string(language) + " " + (owner ? "owner" : "null"));
  return 0;
}
int other() { return noted("entry"); }

}  // namespace

int initModuleResult = 0;
bool endModuleThrows = false;
int kvInitResult = 0;
std::string openDictionaries;

std::vector<std::string>& events() {
  static std::vector<std::string> list;
  return list;
}

std::vector<std::string> eventsStartingWith(const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& e : events())
    if (e.rfind(prefix, 0) == 0) out.push_back(e);
  return out;
}

std::size_t MemoryProfile::readString(const std::string&, const char* section, const char* key,
                                      const char* fallback, char* buffer, std::size_t size) {
  const auto found = values.find(std::string(section) + "/" + key);
  const std::string value = found == values.end() ? fallback : found->second;
  const std::size_t n = value.size() < size - 1 ? value.size() : size - 1;
  value.copy(buffer, n);
  buffer[n] = '\0';
  return n;
}

bool MemoryProfile::writeString(const std::string&, const char* section, const char* key, const char* value) {
  if (failWrites || failKeys.count(key)) return false;
  values[std::string(section) + "/" + key] = value;
  events().push_back(std::string("write ") + key + "=" + value);
  return true;
}

ModuleHandle FakeLoader::load(const std::string& file) {
  if (!libraries.count(file)) return nullptr;
  events().push_back("load " + file);
  gModules.push_back(new FakeModule{file});
  return gModules.back();
}

void* FakeLoader::entry(ModuleHandle module, const char* name) {
  const auto* m = static_cast<FakeModule*>(module);
  if (!libraries[m->file].count(name)) return nullptr;
  const std::string n = name;
  if (n == "InitModule") return reinterpret_cast<void*>(&initModule);
  if (n == "EndModule") return reinterpret_cast<void*>(&endModule);
  if (n == "KVClose") return reinterpret_cast<void*>(&kvClose);
  if (n == "KVInit") return reinterpret_cast<void*>(&kvInit);
  if (n == "DictConfig") return reinterpret_cast<void*>(&dictConfig);
  if (n == "GetOpenDicts") return reinterpret_cast<void*>(&getOpenDicts);
  if (n == "KVProxyDlg") return reinterpret_cast<void*>(&kvProxyDlg);
  return reinterpret_cast<void*>(&other);
}

void FakeLoader::unload(ModuleHandle module) {
  auto* m = static_cast<FakeModule*>(module);
  events().push_back("unload " + m->file);
  delete m;
}

void addEveryLibrary(FakeLoader& loader, int language) {
  loader.libraries["uires" + std::to_string(language) + ".dll"] = {};
  loader.libraries["RICHED32.DLL"] = {};
  loader.libraries["RichEd20.dll"] = {};
  loader.libraries[".\\mtippaint.dll"] = {"TipPaint"};
  loader.libraries[".\\tippaint.dll"] = {"TipPaint"};
  loader.libraries[".\\dictcore.dll"] = {"LookupRIFFW", "InitModule", "EndModule", "DictConfig",
                                         "GetOpenDicts"};
  loader.libraries[".\\textgrab.dll"] = {"GetMWord9W_Ex", "GetIE4W_Ex", "MakeTidy"};
  const std::set<std::string> client = {"Lookup",  "SetMode",  "GetCopyRightInfo", "KVInit",
                                        "KVClose", "KVStorno", "KVExit",           "KVProxyDlg"};
  loader.libraries[".\\LexitonSt.dll"] = client;
  loader.libraries[".\\LexitonClt.dll"] = client;
}

std::string FakePlatform::languageString(ModuleHandle, int id) {
  switch (id) {
    case 10:
      return "Another copy runs.";
    case 11:
      return "Caption";
    case 26:
      return "Component failed";
  }
  return "";
}

void FakePlatform::alert(std::string_view text, std::string_view caption) {
  alerts.push_back(std::string(caption) + "|" + std::string(text));
  events().push_back("alert " + alerts.back());
}

bool FakePlatform::ensureFile(const std::string& path) {
  if (!files.count(path) && fileCreatable) {
    files.insert(path);
    events().push_back("create " + path);
  }
  return files.count(path) > 0;
}

bool FakePlatform::takeSingleInstanceLock() {
  events().push_back(lockFree ? "take lock" : "lock taken elsewhere");
  return lockFree;
}

bool FakePlatform::probeLibrary(std::string_view file) {
  events().push_back("probe " + std::string(file));
  return hookPresent;
}

bool FakePlatform::createWindows(EngineTable&, const HostPaths&) {
  events().push_back("create windows");
  return windowsMade;
}

bool FakePlatform::createEventSubscriber(std::string& error) {
  events().push_back("create subscriber");
  if (!subscriberMade) error = "shared memory creation failed";
  return subscriberMade;
}

}  // namespace lexiton::host::test
