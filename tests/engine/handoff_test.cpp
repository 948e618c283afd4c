#include "core/handoff.h"

#include <sstream>

#include <gtest/gtest.h>

#include "core/run_failure.h"

namespace corvex {
namespace {

constexpr const char* kPrompts =
    "\n\n       ENTER A FILE NAME FOR YOUR INPUT FILE.\n ENTER >\n"
    "\n\n       ENTER A FILE NAME FOR YOUR OUTPUT FILE.\n ENTER >\n"
    "\n\n       ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.\n ENTER >\n";

TEST(HandoffTest, CompleteFileFillsTheContextWithoutPrompting) {
  std::istringstream handoff(
      "2014.6.7 build 19\r\nOffice A   \r\nSection B, Bay 3\r\n 4711, 12\r\n/p/a.cx6d  \r\n"
      "/p/a.cx6o\r\n/p/a.cx6p\r\n/p/a.cpt\r\n");
  std::istringstream typed;
  std::ostringstream shown;
  Console console{typed, shown};
  RunContext context;
  readHandoff(handoff, context, console);
  EXPECT_EQ(context.versionText, "2014.6.7 bui");  // 12 characters
  EXPECT_EQ(context.identification1, "Office A");
  EXPECT_EQ(context.identification2, "Section B, Bay 3");
  EXPECT_EQ(context.identificationNumber, 4711);
  EXPECT_EQ(context.inputPath, "/p/a.cx6d");
  EXPECT_EQ(context.reportPath, "/p/a.cx6o");
  EXPECT_EQ(context.plotPath, "/p/a.cx6p");
  EXPECT_EQ(context.cptPath, "/p/a.cpt");
  EXPECT_EQ(shown.str(), "");
}

TEST(HandoffTest, SevenLinesPromptThreeTimesAndLeaveTheCptPathBlank) {
  std::istringstream handoff("v\nid1\nid2\n1\n/old/in\n/old/out\n/old/plot\n");
  std::istringstream typed("/t/in.cx6d\n/t/out.cx6o\n/t/plot.cx6p\n");
  std::ostringstream shown;
  Console console{typed, shown};
  RunContext context;
  readHandoff(handoff, context, console);
  EXPECT_EQ(shown.str(), kPrompts);
  EXPECT_EQ(context.inputPath, "/t/in.cx6d");  // the lines read before are not used
  EXPECT_EQ(context.reportPath, "/t/out.cx6o");
  EXPECT_EQ(context.plotPath, "/t/plot.cx6p");
  EXPECT_EQ(context.cptPath, "");
}

TEST(HandoffTest, PathLinesAreCutAt255Characters) {
  const std::string longPath = "/" + std::string(300, 'x');
  std::istringstream handoff("v\na\nb\n1\n" + longPath + "\n" + longPath + "\nc\nd\n");
  std::istringstream typed;
  std::ostringstream shown;
  Console console{typed, shown};
  RunContext context;
  readHandoff(handoff, context, console);
  EXPECT_EQ(context.inputPath, longPath.substr(0, 255));
  EXPECT_EQ(context.reportPath.size(), 255u);
  const std::string longId(400, 'i');
  std::istringstream second("v\n" + longId + "\nb\n1\na\nb\nc\nd\n");
  readHandoff(second, context, console);
  EXPECT_EQ(context.identification1.size(), 256u);
}

TEST(HandoffTest, ShortOrMalformedHeaderEndsTheRun) {
  std::istringstream typed;
  std::ostringstream shown;
  Console console{typed, shown};
  for (const char* text : {"", "v\n", "v\na\nb\n", "v\na\nb\nfour\n/p/a\n", "v\na\nb\n\n"}) {
    std::istringstream handoff(text);
    RunContext context;
    EXPECT_THROW(readHandoff(handoff, context, console), RunFailure) << text;
  }
  EXPECT_EQ(shown.str(), "");  // no prompt for a file that fails before line 5
}

}  // namespace
}  // namespace corvex
