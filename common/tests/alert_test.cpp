#include <lexiton/alert.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace lexiton {
namespace {

void record(const Alert& alert, void* context) {
  static_cast<std::vector<Alert>*>(context)->push_back(alert);
}

TEST(AlertTest, AHookReceivesEveryAlertAndCanBeRemoved) {
  std::vector<Alert> seen;
  setAlertHook(record, &seen);
  showAlert("The .ini file is not defined.", "Lexiton initialisation", AlertIcon::error);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "The .ini file is not defined.");
  EXPECT_EQ(seen[0].caption, "Lexiton initialisation");
  EXPECT_EQ(seen[0].icon, AlertIcon::error);
  EXPECT_EQ(setAlertHook(nullptr, nullptr), &record);
}

TEST(AlertTest, TheEnvironmentSendsAlertsToAFile) {
  const std::string path = ::testing::TempDir() + "alerts.txt";
  std::remove(path.c_str());
#ifdef _WIN32
  _putenv_s("LEXITON_ALERT_FILE", path.c_str());
#else
  setenv("LEXITON_ALERT_FILE", path.c_str(), 1);
#endif
  showAlert("line one\nline two", "Xml exception", AlertIcon::warning);
  showAlert("second", "Exception", AlertIcon::error);
#ifdef _WIN32
  _putenv_s("LEXITON_ALERT_FILE", "");
#else
  unsetenv("LEXITON_ALERT_FILE");
#endif
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "warning|Xml exception|line one\\nline two\nerror|Exception|second\n");
  in.close();
  std::remove(path.c_str());
}

}  // namespace
}  // namespace lexiton
