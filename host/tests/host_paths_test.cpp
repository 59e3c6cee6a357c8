// Paths, language names, the command line and the texts of the start-up messages.
#include <gtest/gtest.h>

#include "startup/command_line.h"
#include "startup/host_paths.h"

namespace lexiton::host {
namespace {

TEST(HostPaths, ProgramDirectoryKeepsItsBackslash) {
  EXPECT_EQ(programDirectory("C:\\Program Files\\Lexiton\\Lexiton.exe"), "C:\\Program Files\\Lexiton\\");
  EXPECT_EQ(programDirectory("Lexiton.exe"), "");
}

TEST(HostPaths, DataDirectoryUnderAppData) {
  const HostPaths p = locateDataDirectory(std::string("C:\\Users\\eva\\AppData\\Roaming"));
  EXPECT_EQ(p.dataDirectory, "C:\\Users\\eva\\AppData\\Roaming\\Veltrix\\Lexiton\\");
  EXPECT_EQ(p.configPath, "C:\\Users\\eva\\AppData\\Roaming\\Veltrix\\Lexiton\\lexiton.ini");
  EXPECT_EQ(localDictionaryPath(p), "C:\\Users\\eva\\AppData\\Roaming\\Veltrix\\Lexiton\\lexidic.db");
  EXPECT_EQ(locateDataDirectory(std::string("D:\\data\\")).dataDirectory, "D:\\data\\Veltrix\\Lexiton\\");
}

TEST(HostPaths, WithoutAppDataTheProgramFolderServes) {
  const HostPaths p = locateDataDirectory(std::nullopt);
  EXPECT_EQ(p.dataDirectory, ".\\");
  EXPECT_EQ(p.configPath, ".\\lexiton.ini");
}

TEST(HostPaths, PathsStayWithinTheLimit) {
  const HostPaths p = locateDataDirectory(std::string(300, 'a'));
  EXPECT_LE(p.dataDirectory.size(), kPathLimit);
  EXPECT_LE(p.configPath.size(), kPathLimit);
}

TEST(HostPaths, LanguageTexts) {
  EXPECT_EQ(languageLibraryName(1038), "uires1038.dll");
  EXPECT_EQ(languageLoadFailedText(2057), "Can't load language resource (uires2057.dll)");
  EXPECT_EQ(iniOpenFailedText(".\\lexiton.ini"), "Can't open .ini file! (.\\lexiton.ini)");
}

TEST(ComponentFailedText, NameInParentheses) {
  EXPECT_EQ(componentFailedText("Missing part", "ptrhook.dll"), "Missing part (ptrhook.dll)");
  EXPECT_EQ(componentFailedText("Missing part", ""), "Missing part");
}

TEST(ComponentFailedText, CutSoTheWholeStaysWithin259) {
  const std::string base(200, 'x');
  const std::string text = componentFailedText(base, std::string(100, 'n'));
  EXPECT_EQ(text.size(), 259u);
  EXPECT_EQ(text.back(), ')');
  EXPECT_EQ(text.substr(200, 2), " (");
  EXPECT_EQ(componentFailedText(std::string(255, 'x'), "abc").size(), 259u);
  EXPECT_EQ(componentFailedText(std::string(255, 'x'), "abc").substr(255), " (a)");
}

TEST(ComponentFailedText, LongComponentFailedTextTakesNoName) {
  EXPECT_EQ(componentFailedText(std::string(256, 'x'), "KVInit"), std::string(256, 'x'));
  EXPECT_EQ(componentFailedText(std::string(300, 'x'), "KVInit"), std::string(300, 'x'));
}

TEST(CommandLine, LanguageAndSleep) {
  EXPECT_EQ(parseCommandLine("Lexiton.exe /l 2057").language, 2057);
  EXPECT_EQ(parseCommandLine("Lexiton.exe /l2057 /sleep").language, 2057);
  EXPECT_TRUE(parseCommandLine("Lexiton.exe /l2057 /sleep").sleep);
  EXPECT_FALSE(parseCommandLine("Lexiton.exe").language.has_value());
  EXPECT_FALSE(parseCommandLine("Lexiton.exe").sleep);
  EXPECT_FALSE(parseCommandLine("Lexiton.exe /sleep").language.has_value());
}

TEST(CommandLine, LanguageWithoutDigitsIsZero) {
  EXPECT_EQ(parseCommandLine("Lexiton.exe /l").language, 0);
  EXPECT_EQ(parseCommandLine("Lexiton.exe /lx").language, 0);
}

TEST(CommandLine, HugeNumbersAreClampedNotOverflowed) {
  EXPECT_EQ(parseCommandLine("/l 99999999999999999999").language, 2147483647);
  EXPECT_EQ(parseCommandLine("/l -99999999999999999999").language, -2147483647 - 1);
}

}  // namespace
}  // namespace lexiton::host
