#include <lexiton/shell_open.h>
#include <lexiton/web_site.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace lexiton {
namespace {

void setOpenFile(const char* path) {
#ifdef _WIN32
  _putenv_s("LEXITON_OPEN_FILE", path);
#else
  if (*path)
    setenv("LEXITON_OPEN_FILE", path, 1);
  else
    unsetenv("LEXITON_OPEN_FILE");
#endif
}

std::string wholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ShellOpenTest, TheEnvironmentSendsEachOpenToAFileInsteadOfTheShell) {
  const std::string path = ::testing::TempDir() + "opens.txt";
  std::remove(path.c_str());
  setOpenFile(path.c_str());
  int owner = 0;
  EXPECT_TRUE(openInShell("open", "kvoHelpEN.chm", nullptr, ShellShow::normal));
  EXPECT_TRUE(openInShell("", "https://example.test/a?b=1|2", &owner, ShellShow::show));
  setOpenFile("");
  EXPECT_EQ(wholeFile(path), "open|0|normal|kvoHelpEN.chm\n|" +
                                 std::to_string(reinterpret_cast<std::uintptr_t>(&owner)) +
                                 "|show|https://example.test/a?b=1|2\n");
  std::remove(path.c_str());
}

#ifndef _WIN32
TEST(ShellOpenTest, WithoutAShellNothingOpens) {
  setOpenFile("");
  EXPECT_FALSE(openInShell("open", "kvoHelpEN.chm", nullptr, ShellShow::normal));
}
#endif

TEST(ShellOpenTest, TheWebHostIsAnAddressWithoutATrailingSlash) {
  const std::string host = webHost();
  ASSERT_GT(host.size(), 8u);
  EXPECT_EQ(host.rfind("http", 0), 0u);
  EXPECT_NE(host.back(), '/');
}

}  // namespace
}  // namespace lexiton
