#include "startup/host_startup.h"

#include <lexiton/fixed_texts.h>
#include <lexiton/settings_keys.h>
#include <lexiton/ui_resources.h>

#include "startup/command_line.h"

namespace lexiton::host {

namespace {

namespace dict = settings::dict;
namespace server = settings::server;

// One run of the start-up sequence; whatever a stop must undo is remembered as it is done.
class Startup {
 public:
  explicit Startup(const HostPlatform& platform) : p_(platform), engines_(platform.modules) {}

  int run() {
    try {
      if (!start()) {
        cleanUp();
        return kStartupEndedCode;
      }
    } catch (const cIni::cExc& e) {
      // A settings file the host cannot read: one message, then the same stop as any other.
      p_.display.alert(e.what(), fixed_texts::kHostCaption);
      cleanUp();
      return kStartupEndedCode;
    }
    const std::optional<int> code = p_.loop.runMessageLoop();
    // A loop that failed still ends the session and releases what it holds, in order.
    cleanUp();
    return code ? *code : kMessageLoopFailedCode;
  }

 private:
  bool start() {
    ProgramEnvironment& environment = p_.environment;
    environment.enterProgramDirectory();
    paths_ = locateDataDirectory(environment.appDataFolder());
    environment.recordDataDirectory(paths_.dataDirectory);
    environment.initCommonControls();
    const CommandLine command = parseCommandLine(environment.commandLine());

    if (!chooseLanguage(command)) return false;

    if (!environment.ensureFile(localDictionaryPath(paths_))) return stop("lexidic.db");
    // Read here as the sequence reads it; binding asks the file again.
    cIni(p_.profile, paths_.configPath).readInt(server::kSection, server::kServerMode, 0);

    if (!p_.instanceLock.takeSingleInstanceLock()) {
      p_.display.alert(p_.display.languageString(engines_.languageLibrary(), LXR_STRING_ANOTHER_COPY),
                       caption());
      return false;
    }
    locked_ = true;

    if (auto failure = engines_.loadRichEdit()) return stop(failure->name);
    if (!environment.probeLibrary(engine_files::kPointerHook)) return stop(engine_files::kPointerHook);

    p_.display.showSplash(paths_.language);
    if (command.sleep) p_.display.sleep(kSleepMilliseconds);

    const int hoverDictionaries =
        cIni(p_.profile, paths_.configPath).readInt(dict::kSection, dict::kHoverDicts, 0);
    auto serverMode = [this] {
      return cIni(p_.profile, paths_.configPath).readInt(server::kSection, server::kServerMode, 0);
    };
    if (auto failure = engines_.bind(hoverDictionaries, serverMode)) return stop(failure->name);

    windows_ = true;
    if (!p_.windows.createWindows(engines_, paths_)) return stop("");

    if (engines_.initClient(paths_.configPath) != 0) {
      p_.display.alert(componentFailedText(
                           p_.display.languageString(engines_.languageLibrary(), LXR_STRING_COMPONENT_FAILED),
                           fixed_texts::kNameKVInit),
                       caption());
      p_.windows.removeTrayAndHook();
      return false;
    }

    std::string error;
    if (!p_.sharedBlock.createEventSubscriber(error)) {
      p_.display.alert(error, fixed_texts::kEventSubscriberCaption);
      p_.display.alert(p_.display.languageString(engines_.languageLibrary(), LXR_STRING_COMPONENT_FAILED),
                       caption());
      return false;
    }
    subscriber_ = true;
    p_.sharedBlock.setEnabled(true);
    return true;
  }

  bool chooseLanguage(const CommandLine& command) {
    if (command.language) {
      paths_.language = *command.language;
    } else {
      paths_.language = cIni(p_.profile, paths_.configPath).readInt(dict::kSection, dict::kUserLang, 0);
      if (paths_.language == 0) {
        p_.display.alert(iniOpenFailedText(paths_.configPath), fixed_texts::kHostCaption);
        return false;
      }
    }
    if (!engines_.loadLanguageLibrary(paths_.language)) {
      p_.display.alert(languageLoadFailedText(paths_.language), fixed_texts::kHostCaption);
      return false;
    }
    try {
      cIni(p_.profile, paths_.configPath).writeInt(dict::kSection, dict::kUserLang, paths_.language);
    } catch (const cIni::cExc&) {
      // A data directory that cannot be written is reported by the next step, by name.
    }
    return true;
  }

  std::string caption() { return p_.display.languageString(engines_.languageLibrary(), LXR_STRING_CAPTION); }

  // Shows the component-failed message naming `name` (the text alone when the name is empty);
  // the caller ends.
  bool stop(std::string_view name) {
    p_.display.alert(
        componentFailedText(
            p_.display.languageString(engines_.languageLibrary(), LXR_STRING_COMPONENT_FAILED), name),
        caption());
    return false;
  }

  // Undoes, in order, whatever was done: the shared block, the windows, the libraries, the lock.
  void cleanUp() {
    if (subscriber_) p_.sharedBlock.removeEventSubscriber();
    subscriber_ = false;
    if (windows_) p_.windows.destroyWindows();
    windows_ = false;
    engines_.unload();
    if (locked_) p_.instanceLock.releaseSingleInstanceLock();
    locked_ = false;
  }

  const HostPlatform& p_;
  EngineTable engines_;
  HostPaths paths_;
  bool locked_ = false;
  bool windows_ = false;
  bool subscriber_ = false;
};

}  // namespace

WindowSettings readWindowSettings(ProfileFunctions& functions, const std::string& configPath) {
  cIni ini(functions, configPath);
  WindowSettings settings;
  settings.tooltipColour = static_cast<uint32_t>(ini.readInt(dict::kSection, dict::kTooltipColour, 0));
  settings.autoRun = ini.readInt(dict::kSection, dict::kAutoRun, 0) != 0;
  settings.customColors = parseCustomColors(ini.readString(dict::kSection, dict::kCustomColors, ""));
  return settings;
}

bool readFeedbackText(ProfileFunctions& functions, const std::string& configPath) {
  return cIni(functions, configPath).readInt(dict::kSection, dict::kFeedbackText, 0) != 0;
}

void saveFeedbackText(ProfileFunctions& functions, const std::string& configPath, bool on) {
  cIni(functions, configPath).writeInt(dict::kSection, dict::kFeedbackText, on ? 1 : 0);
}

std::string saveWindowSettings(ProfileFunctions& functions, const std::string& configPath,
                               const WindowSettings& settings) {
  cIni ini(functions, configPath);
  std::string firstFailure;
  auto attempt = [&](auto&& write) {
    try {
      write();
    } catch (const cIni::cExc& e) {
      if (firstFailure.empty()) firstFailure = e.what();
    }
  };
  attempt(
      [&] { ini.writeInt(dict::kSection, dict::kTooltipColour, static_cast<int>(settings.tooltipColour)); });
  attempt([&] { ini.writeInt(dict::kSection, dict::kAutoRun, settings.autoRun ? 1 : 0); });
  attempt([&] {
    ini.writeString(dict::kSection, dict::kCustomColors, formatCustomColors(settings.customColors));
  });
  return firstFailure;
}

int runHost(const HostPlatform& platform) { return Startup(platform).run(); }

}  // namespace lexiton::host
