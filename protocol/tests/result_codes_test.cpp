#include "lexiton/protocol/result_codes.h"

#include <gtest/gtest.h>

using namespace lexiton::protocol;

TEST(ResultCodes, TableTextsAndUnknownCodes) {
  EXPECT_EQ(resultMessage(0), "0 OK");
  EXPECT_EQ(resultMessage(1202), "1202 Error receiving reply from server! ");
  EXPECT_EQ(resultMessage(1203), "1203 Error in server's reply! ");
  EXPECT_EQ(resultMessage(1403), "1403 Installation error! Please contact us!");
  EXPECT_EQ(resultMessage(4040), "4040 No posted data (Usually running from a browser)! ");
  for (int code : {1206, 2000, -1}) EXPECT_EQ(resultMessage(code), "2000 Undefined Error!");
}

TEST(ResultCodes, LocalizedTexts) {
  EXPECT_EQ(localizedResultText(1203, 1033, "1203 Error in server's reply! (500)"),
            "There is no connection to the Korvell server! (500)");
  EXPECT_EQ(localizedResultText(1202, 1033, "no paren"), "There is no connection to the Korvell server! ");
  EXPECT_EQ(localizedResultText(1602, 1038, "whatever (9)"), stringTableEntry(131) + " (1602)");
  EXPECT_EQ(localizedResultText(1502, 1033, "1502 Wrong Query Submitted!"), "1502 Wrong Query Submitted!");
  EXPECT_EQ(localizedResultText(1208, 1033, ""), "The server did not respond in time.");
  EXPECT_EQ(localizedResultText(1709, 1038, ""), stringTableEntry(139));
  EXPECT_EQ(localizedResultText(1710, 1033, "1710 Not accepting connections (restarting service)!"),
            "The Korvell server is busy; please try again in a moment.");
  EXPECT_EQ(localizedResultText(1710, 1038, ""), stringTableEntry(141));
  EXPECT_EQ(localizedResultText(1604, 1033, ""), "Translation failed. (1)");
  EXPECT_EQ(localizedResultText(1504, 1033, "x (y)"),
            "An error occured in the server while processing the request! (y)");
}

TEST(ResultCodes, ExceptionReport) {
  VxException e("2004.01.02,10:11:12", ".\\PipeFormat.cpp", 159, "Invalid syntax: no integer found!");
  EXPECT_STREQ(e.what(),
               "\n********Exception********\nTime:    2004.01.02,10:11:12\nFile:    .\\PipeFormat.cpp\n"
               "Line:    159\nDetails: Invalid syntax: no integer found!\n");
  VxException copy = e;
  EXPECT_STREQ(copy.what(), e.what());
  VxException now(".\\URLDownload.cpp", 106, "Couldn't initialize cUrl");
  EXPECT_EQ(now.time().size(), 19u);
}
