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

void setVariable(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  if (value.empty())
    unsetenv(name);
  else
    setenv(name, value.c_str(), 1);
#endif
}

bool answerYes(const Alert& question, void* context) {
  static_cast<std::vector<Alert>*>(context)->push_back(question);
  return true;
}

TEST(AlertTest, AQuestionHookAnswersTheQuestion) {
  std::vector<Alert> asked;
  setQuestionHook(answerYes, &asked);
  EXPECT_TRUE(askYesNo("Empty the list?", "Lexiton", nullptr));
  EXPECT_EQ(setQuestionHook(nullptr, nullptr), &answerYes);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Empty the list?");
  EXPECT_EQ(asked[0].caption, "Lexiton");
}

TEST(AlertTest, AProcessUnderTestWritesItsQuestionsAndTakesTheScriptedAnswersInOrder) {
  const std::string path = ::testing::TempDir() + "questions.txt";
  std::remove(path.c_str());
  setVariable("LEXITON_ALERT_FILE", path);
  setVariable("LEXITON_QUESTION_ANSWERS", "no,yes");
  EXPECT_FALSE(askYesNo("first\nquestion", "Lexiton", nullptr));
  EXPECT_TRUE(askYesNo("second", "Lexiton", nullptr));
  // Once the answers run out, every answer is no.
  EXPECT_FALSE(askYesNo("third", "Lexiton", nullptr));
  // New answers start from their first.
  setVariable("LEXITON_QUESTION_ANSWERS", "yes");
  EXPECT_TRUE(askYesNo("fourth", "Lexiton", nullptr));
  setVariable("LEXITON_QUESTION_ANSWERS", "");
  EXPECT_FALSE(askYesNo("fifth", "Lexiton", nullptr));
  setVariable("LEXITON_ALERT_FILE", "");
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "question|Lexiton|first\\nquestion\nquestion|Lexiton|second\nquestion|Lexiton|third\n"
            "question|Lexiton|fourth\nquestion|Lexiton|fifth\n");
  in.close();
  std::remove(path.c_str());
}

}  // namespace
}  // namespace lexiton
