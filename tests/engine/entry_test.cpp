#include <cstdio>
#include <functional>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "core/report_opening.h"
#include "core/run.h"
#include "run_fixture.h"

extern "C" int32_t ICORVEX(int32_t code);

namespace corvex {
namespace {

namespace fs = std::filesystem;
using testing::linesOf;
using testing::ProjectText;
using testing::readFile;
using testing::writeFile;

const std::string kEquals = "     " + std::string(73, '=');
const std::string kDashes = "     " + std::string(73, '-');
const std::string kBlank20(20, ' ');

class EngineRunTest : public testing::TempFolderTest {
 public:
  // Runs the sequence with a captured console; the run state lives on the heap.
  int32_t run(const std::string& typed = "") {
    state_ = std::make_unique<RunState>();
    std::istringstream in(typed);
    Console console{in, console_};
    return runAnalysis(*state_, console);
  }

  void writeProject(const std::string& base, const ProjectText& project, const char* cpt = " 1 0\r\n") {
    writeFile(folder_ / (base + ".cx6d"), project.text());
    writeFile(folder_ / (base + ".cpt"), cpt);
  }

  std::set<std::string> folderContents() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.insert(entry.path().filename());
    return names;
  }

  std::string report(const std::string& base = "p") const { return readFile(folder_ / (base + ".cx6o")); }

  std::unique_ptr<RunState> state_;
  std::ostringstream console_;
};

TEST(ExportTableTest, LibraryExportsOnlyTheEntryUnderItsTwoNames) {
  const std::string command = std::string("nm -D --defined-only ") + CORVEX_BIN_DIR + "/libcorvexcalc.so";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> names;
  char line[512];
  while (fgets(line, sizeof line, pipe) != nullptr) {
    std::istringstream fields(line);
    std::string address, type, name;
    fields >> address >> type >> name;
    names.insert(name);
  }
  ASSERT_EQ(pclose(pipe), 0);
  EXPECT_EQ(names, (std::set<std::string>{"ICORVEX", "_ICORVEX"}));
}

TEST_F(EngineRunTest, CodesOtherThanSevenDoNothing) {
  writeHandoff("p");
  writeProject("p", ProjectText());
  const auto before = folderContents();
  EXPECT_EQ(ICORVEX(0), 1);
  EXPECT_EQ(ICORVEX(8), 1);
  EXPECT_EQ(ICORVEX(-7), 1);
  EXPECT_EQ(folderContents(), before);
}

TEST_F(EngineRunTest, OpeningBlockOfTheReport) {
  writeHandoff("p");
  ProjectText shallow;
  shallow.deepest = "20";  // stops at the checks: the report is the opening block and the note
  writeProject("p", shallow);
  EXPECT_EQ(run(), 1);

  const std::vector<std::string> expected = {
      kEquals,
      "",
      kBlank20 + "  Corvex for Windows, Version 2014.6.7    ",
      "",
      kBlank20 + "   Identification Number:      4711",
      "",
      kBlank20 + "   A Program for Analyzing the Axial Capacity ",
      kBlank20 + "   and Short-term Settlement of Driven Piles ",
      kBlank20 + "             under Axial Loading. ",
      kBlank20 + "   Results are for review by a qualified engineer;",
      kBlank20 + "   check the input echo before using them.",
      "",
      kEquals,
      "",
      "",
      "     This copy of the program is identified to:",
      "",
      "     Test Office",
      "     Soil Section, Bay 3",
      "",
      "     Path to file locations      : " + folder_.string() + "/",
      "     Name of input data file     : p.cx6d",
      "     Name of output file         : p.cx6o",
      "     Name of plot output file    : p.cx6p",
      "",
      kDashes,
      "                          Time and Date of Analysis",
      kDashes,
      "",
  };
  const auto lines = linesOf(report());
  ASSERT_GE(lines.size(), expected.size() + 1);
  for (size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(lines[k], expected[k]) << "line " << k + 1;
  EXPECT_TRUE(std::regex_match(
      lines[expected.size()],
      std::regex(" {15}Date:  (January|February|March|April|May|June|July|August|September|"
                 "October|November|December) [0-3][0-9], [0-9]{4} {5}Time:  [0-2][0-9]:[0-5][0-9]:[0-6][0-9]")))
      << lines[expected.size()];
  // The banner also goes to the console, before anything else.
  EXPECT_EQ(console_.str().substr(0, kEquals.size()), kEquals);
}

TEST(ReportOpeningTest, TimeAndDateUseLeadingZeros) {
  std::tm when{};
  when.tm_year = 2014 - 1900;
  when.tm_mon = 2;
  when.tm_mday = 7;
  when.tm_hour = 9;
  when.tm_min = 5;
  when.tm_sec = 31;
  std::ostringstream out;
  writeTimeAndDate(out, when);
  EXPECT_EQ(linesOf(out.str()).back(), "               Date:  March 07, 2014     Time:  09:05:31");
  when.tm_mon = 12;  // a month outside 1 to 12 leaves the line out
  std::ostringstream none;
  writeTimeAndDate(none, when);
  EXPECT_EQ(linesOf(none.str()).size(), 4u);
}

TEST(ReportOpeningTest, PathPieces) {
  const PathPieces posix = splitPath("/home/eng/jobs/pile.cx6d");
  EXPECT_EQ(posix.drive, "");
  EXPECT_EQ(posix.directory, "/home/eng/jobs/");
  EXPECT_EQ(posix.name, "pile");
  EXPECT_EQ(posix.extension, ".cx6d");
  const PathPieces windows = splitPath("C:\\Jobs\\pile.report");
  EXPECT_EQ(windows.drive, "C:");
  EXPECT_EQ(windows.directory, "\\Jobs\\");
  EXPECT_EQ(windows.extension, ".repo");  // at most five characters
  EXPECT_EQ(splitPath("pile").name, "pile");
}

TEST_F(EngineRunTest, TooShallowExampleStopsWithTheNoteAndAnEmptyPlotFile) {
  fs::copy_file(fs::path(CORVEX_SOURCE_DIR) / "examples/too_shallow_profile.cx6d", folder_ / "p.cx6d");
  fs::copy_file(fs::path(CORVEX_SOURCE_DIR) / "examples/too_shallow_profile.cpt", folder_ / "p.cpt");
  writeHandoff("p");
  writeFile(folder_ / "p.cx6p", "results of an earlier run\n");
  EXPECT_EQ(ICORVEX(7), 1);
  // Embedded 80 ft + 2 x 24 in = 84 ft, deeper than the 60 ft profile.
  const std::string text = report();
  const std::string note =
      "\n\n\n"
      "          COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE   60.00 FT.\n"
      "          IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER      84.00 FT.\n";
  ASSERT_GE(text.size(), note.size());
  EXPECT_EQ(text.substr(text.size() - note.size()), note);
  EXPECT_EQ(text.rfind(kEquals, 0), 0u);  // the opening block comes first
  EXPECT_EQ(readFile(folder_ / "p.cx6p"), "");
}

TEST_F(EngineRunTest, FiveHundredSegmentsRunAndFiveHundredOneStop) {
  writeHandoff("p");
  ProjectText project;
  project.deepest = "250";
  project.points = {"0.0 1 1 60 32 20", "1700 100000 0.0 20 0.0 0.0 0 0 0 1 1",
                    "250 1 1 60 32 20", "1700 100000 0.0 40 0.0 0.0 0 0 0 1 1"};
  writeProject("p", project);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(state_->input.segmentCount, 500);
  EXPECT_NE(console_.str().find("\n\n         COMPUTATION IS PROCEEDING........\n"), std::string::npos);

  project.deepest = "250.5";
  project.points[2] = "250.5 1 1 60 32 20";
  writeProject("p", project);
  console_.str("");
  EXPECT_EQ(run(), 1);
  const std::string message =
      "\n\n"
      " YOUR NUMBERS OF SEGMENT  501 IS LARGER THAN\n"
      " DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF \n"
      " SEGMENT OR CONSULT HALVORN, INC. FOR CHANGING THE DEFAULT VALUE\n";
  const std::string text = report();
  EXPECT_EQ(text.substr(text.size() - message.size()), message);
  EXPECT_NE(console_.str().find(message), std::string::npos);
}

TEST_F(EngineRunTest, SevenLineHandoffPromptsAndRunsWithoutCptData) {
  writeHandoff("p", 7);
  writeProject("p", ProjectText());
  const std::string typed = (folder_ / "p.cx6d").string() + "\n" + (folder_ / "typed.cx6o").string() +
                            "\n" + (folder_ / "typed.cx6p").string() + "\n";
  EXPECT_EQ(run(typed), 0);
  const std::string shown = console_.str();
  for (const char* prompt : {"ENTER A FILE NAME FOR YOUR INPUT FILE.", "ENTER A FILE NAME FOR YOUR OUTPUT FILE.",
                             "ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE."}) {
    EXPECT_NE(shown.find(std::string("\n\n       ") + prompt + "\n ENTER >\n"), std::string::npos) << prompt;
  }
  EXPECT_EQ(state_->context.cptPath, "");
  EXPECT_EQ(state_->input.cptPointCount, 0);
  EXPECT_TRUE(fs::exists(folder_ / "typed.cx6o"));
  EXPECT_FALSE(fs::exists(folder_ / "p.cx6o"));
}

TEST_F(EngineRunTest, FailuresEndWithStatusTwoAndAReason) {
  struct Case {
    const char* name;
    std::function<void(EngineRunTest&)> prepare;
    const char* reason;  // expected in the report's last line; empty: no report is written
  };
  const auto withProject = [](ProjectText project, const char* cpt = " 1 0\r\n") {
    return [project, cpt](EngineRunTest& t) {
      t.writeHandoff("p");
      t.writeProject("p", project, cpt);
    };
  };
  ProjectText word;
  word.options = "0 half 1 0 4 0 0";
  ProjectText tooManyPoints;
  for (int k = 0; k < 79; ++k) {
    tooManyPoints.points.push_back("60 1 1 60 30 20");
    tooManyPoints.points.push_back("0 0 0.0 30 0.0 0.0 0 0 0 1 1");
  }  // 2 + 79 = 81 points
  std::string thousandAndOne = " 1 1001\r\n";
  for (int k = 0; k < 1001; ++k) thousandAndOne += "  1.00E+00  1.00E+02\r\n";

  const Case cases[] = {
      {"no handoff file", [](EngineRunTest&) {}, ""},
      {"handoff of three lines",
       [](EngineRunTest& t) { t.writeHandoff("p", 3); t.writeProject("p", ProjectText()); }, ""},
      {"missing input file", [](EngineRunTest& t) { t.writeHandoff("p"); }, "The input file \""},
      {"missing CPT file",
       [](EngineRunTest& t) {
         t.writeHandoff("p");
         writeFile(t.folder_ / "p.cx6d", ProjectText().text());
       },
       "The CPT file \""},
      {"truncated input file",
       [](EngineRunTest& t) {
         t.writeHandoff("p");
         const std::string text = ProjectText().text();
         t.writeProject("p", ProjectText());
         writeFile(t.folder_ / "p.cx6d", text.substr(0, text.size() / 2));
       },
       "The input file ends before record 10"},
      {"word for a number", withProject(word), "Malformed value \"half\" in record 7"},
      {"81 profile points", withProject(tooManyPoints), "The number of soil profile points (81) exceeds"},
      {"1001 CPT points", withProject(ProjectText(), thousandAndOne.c_str()),
       "The number of CPT points (1001) exceeds"},
      {"report folder missing",
       [](EngineRunTest& t) {
         writeFile(t.folder_ / "names.dat", "v\na\nb\n1\n" + (t.folder_ / "p.cx6d").string() +
                                                 "\n/nonexistent-folder/p.cx6o\np.cx6p\np.cpt\n");
       },
       ""},
  };
  for (const auto& c : cases) {
    for (const auto& entry : fs::directory_iterator(folder_)) fs::remove(entry.path());
    c.prepare(*this);
    console_.str("");
    EXPECT_EQ(run(), 2) << c.name;
    EXPECT_FALSE(state_->context.report.is_open()) << c.name;
    EXPECT_FALSE(state_->context.plot.is_open()) << c.name;
    EXPECT_NE(console_.str().find(" RUN ENDED: "), std::string::npos) << c.name;
    if (std::string(c.reason).empty()) {
      EXPECT_FALSE(fs::exists(folder_ / "p.cx6o")) << c.name;
      continue;
    }
    const auto lines = linesOf(report());
    ASSERT_FALSE(lines.empty()) << c.name;
    EXPECT_EQ(lines.back().rfind("     RUN ENDED: " + std::string(c.reason), 0), 0u)
        << c.name << ": " << lines.back();
  }
}

}  // namespace
}  // namespace corvex
