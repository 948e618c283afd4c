#include "core/input_reader.h"

#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "core/free_format_reader.h"
#include "core/run_failure.h"
#include "run_fixture.h"

namespace corvex {
namespace {

using testing::ProjectText;

// The input model is large; tests keep it off the stack.
std::unique_ptr<InputModel> read(const ProjectText& project) {
  auto input = std::make_unique<InputModel>();
  std::istringstream in(project.text());
  readProjectInput(in, *input);
  return input;
}

TEST(FreeFormatReaderTest, ValuesSpanLinesAndSurplusIsIgnored) {
  std::istringstream in("1, 2.5\n\n  3 99 98\n4\n");
  FreeFormatReader reader(in, "input file");
  int32_t a = 0;
  double b = 0, c = 0, d = 0;
  reader.read("first", a, b, c);  // continues over the empty line
  reader.read("second", d);       // starts on a new line: 99 and 98 are skipped
  EXPECT_EQ(a, 1);
  EXPECT_DOUBLE_EQ(b, 2.5);
  EXPECT_DOUBLE_EQ(c, 3.0);
  EXPECT_DOUBLE_EQ(d, 4.0);
  EXPECT_THROW(reader.read("third", d), RunFailure);  // end of file
}

TEST(FreeFormatReaderTest, NumberSpellings) {
  struct Case {
    const char* text;
    bool real;
    double value;
    bool integer;
  };
  const Case cases[] = {
      {"12.5", true, 12.5, false}, {"-4", true, -4, true},       {"1E-5", true, 1e-5, false},
      {"1.5E12", true, 1.5e12, false}, {"+2", true, 2, true},    {"2.0", true, 2, true},
      {"1.5D3", true, 1500, true},  {".5", true, 0.5, false},    {"0.0", true, 0, true},
      {"abc", false, 0, false},     {"1..2", false, 0, false},   {"nan", false, 0, false},
      {"inf", false, 0, false},     {"1e999", false, 0, false},  {"5e9", true, 5e9, false},
      {"", false, 0, false},        {"--1", false, 0, false},    {"3,", false, 0, false},
  };
  for (const auto& c : cases) {
    double real = -77;
    int32_t integer = -77;
    EXPECT_EQ(parseReal(c.text, real), c.real) << c.text;
    if (c.real) {
      EXPECT_DOUBLE_EQ(real, c.value) << c.text;
    }
    EXPECT_EQ(parseInteger(c.text, integer), c.integer) << c.text;
    if (c.integer) {
      EXPECT_EQ(integer, static_cast<int32_t>(c.value)) << c.text;
    }
  }
}

TEST(FreeFormatReaderTest, MalformedValueNamesItemAndLine) {
  std::istringstream in("1 2\n3 x4\n");
  FreeFormatReader reader(in, "input file");
  double a, b, c, d;
  try {
    reader.read("record 5", a, b, c, d);
    FAIL() << "no failure";
  } catch (const RunFailure& failure) {
    EXPECT_STREQ(failure.what(), "Malformed value \"x4\" in record 5, line 2 of the input file.");
  }
}

TEST(InputReaderTest, RecordsFillTheModelInEnglishUnits) {
  ProjectText project;
  project.section = "0 0 24 23 29000000 50 2";
  project.options = "1.5 0.5 1 0 4 0 1";
  project.methods = "1 0 0 1 0 0 0 0 1";
  project.points = {"0.0 1 1 60 30 20", "1700 100000 0.0 25 0.0 0.0 150 0 0 0.7 0.6",
                    "12 2 0.0 52 0.0 0.0", "0 0 800 400 2 25 30000 3000 40000 1 1",
                    "60 2 0.0 52 0.0 0.0", "2000 0 1200 600 1.8 25 0 0 0 1 1"};
  project.extra = {"1", "2", "10", "30"};
  project.loading = "1 0.8";
  project.plug = "1 2";
  project.area = {"3 2", "0 5.5", "20 5", "50 4.5"};
  project.critical = "2 15";
  const auto input = read(project);

  EXPECT_EQ(input->title, "Test pile");
  EXPECT_EQ(input->unitSystem, 1);
  EXPECT_EQ(input->profilePointCount, 3);
  EXPECT_DOUBLE_EQ(input->outerDiameter, 24.0);
  EXPECT_DOUBLE_EQ(input->stickUpLength, 2.0);
  EXPECT_DOUBLE_EQ(input->zeroFrictionLength, 1.5);
  EXPECT_EQ(input->reducedCurvesSwitch, 1);
  EXPECT_EQ(input->methodSwitch[9], 1);
  EXPECT_EQ(input->methodSwitch[2], 0);
  // No enhanced end section: IDEES := ID, LEES := TL - 1E-7.
  EXPECT_DOUBLE_EQ(input->enhancedEndInnerDiameter, 23.0);
  EXPECT_DOUBLE_EQ(input->enhancedEndLength, 50.0 - 1.0e-7);

  const ProfilePoint& sand = input->points[1];
  EXPECT_DOUBLE_EQ(sand.blowCount, 25.0);  // position 4 moved to the blow count
  EXPECT_DOUBLE_EQ(sand.remoldedShear, 0.0);
  EXPECT_DOUBLE_EQ(sand.maxUnitSideFriction, 1.7);   // 1700 psf
  EXPECT_DOUBLE_EQ(sand.maxUnitEndBearing, 100.0);
  EXPECT_DOUBLE_EQ(sand.coneResistance, 150.0);      // kept as read
  EXPECT_DOUBLE_EQ(sand.sideReductionFactor, 0.7);
  EXPECT_DOUBLE_EQ(sand.endReductionFactor, 0.6);
  EXPECT_EQ(sand.maxSideDefaulted, 0);

  const ProfilePoint& clay = input->points[2];
  EXPECT_DOUBLE_EQ(clay.undrainedShear, 0.8);
  EXPECT_DOUBLE_EQ(clay.remoldedShear, 0.4);
  EXPECT_DOUBLE_EQ(clay.blowCount, 2.0);             // yield stress ratio
  EXPECT_DOUBLE_EQ(clay.plasticityIndex, 25.0);
  EXPECT_DOUBLE_EQ(clay.userUnitSkinFriction, 3000.0);
  EXPECT_EQ(clay.maxSideDefaulted, 1);               // 0 means no limit
  EXPECT_DOUBLE_EQ(clay.maxUnitSideFriction, 9999999.0);
  EXPECT_EQ(clay.maxEndDefaulted, 1);

  const ProfilePoint& bottom = input->points[3];
  EXPECT_DOUBLE_EQ(bottom.maxUnitSideFriction, 2.0);  // 2000 psf
  EXPECT_EQ(bottom.maxEndDefaulted, 1);

  EXPECT_EQ(input->extraDepthCount, 2);
  EXPECT_DOUBLE_EQ(input->extraDepths[2], 30.0);
  EXPECT_EQ(input->loadingType, 1);
  EXPECT_DOUBLE_EQ(input->tensionFactor, 0.8);
  EXPECT_EQ(input->plugMode, 2);
  EXPECT_EQ(input->areaRowCount, 3);
  EXPECT_EQ(input->areaMode, 2);
  EXPECT_DOUBLE_EQ(input->areaRows[3].distanceFromHead, 50.0);
  EXPECT_DOUBLE_EQ(input->areaRows[3].area, 4.5);
  EXPECT_EQ(input->criticalDepthMode, 2);
  EXPECT_DOUBLE_EQ(input->userCriticalDepth, 15.0);
}

TEST(InputReaderTest, NoncircularSectionAndUnitDependentConversions) {
  ProjectText project;
  project.section = "48 144 0 10 29000000 50 0";
  project.enhancedEnd = "3 6";
  const auto english = read(project);
  // 3.1416 in single precision is 3.14159989357; 48 / 3.14159989357 = 15.2788393, while
  // 48 / 3.1416 would give 15.2788388.
  EXPECT_NEAR(english->outerDiameter, 15.2788393, 5e-8);
  EXPECT_DOUBLE_EQ(english->innerDiameter, 0.0);
  EXPECT_DOUBLE_EQ(english->tipArea, 1.0);  // 144 in2 = 1 ft2
  EXPECT_DOUBLE_EQ(english->enhancedEndLength, 3.0);
  EXPECT_DOUBLE_EQ(english->enhancedEndInnerDiameter, 6.0);

  project.units = "2";
  const auto si = read(project);
  EXPECT_DOUBLE_EQ(si->tipArea, 144.0);
  EXPECT_DOUBLE_EQ(si->points[1].maxUnitSideFriction, 1700.0);  // kPa, not converted
  EXPECT_DOUBLE_EQ(si->points[1].blowCount, 25.0);
  EXPECT_EQ(si->points[2].maxSideDefaulted, 1);
}

TEST(InputReaderTest, AreaRowsAreSteppedOverWhateverTheMode) {
  ProjectText project;
  project.area = {"2 0", "0 7", "50 7"};
  project.critical = "1 0";
  const auto input = read(project);
  EXPECT_EQ(input->areaMode, 0);
  EXPECT_EQ(input->criticalDepthMode, 1);  // record 15 found after the rows
}

TEST(InputReaderTest, BadInputEndsTheRunWithAReason) {
  struct Case {
    const char* name;
    ProjectText project;
    const char* reason;
  };
  std::vector<Case> cases;
  {
    ProjectText p;
    p.section = "0 0 24 twenty 29000000 50 0";
    cases.push_back({"word for a number", p, "Malformed value \"twenty\" in record 5"});
  }
  {
    ProjectText p;
    p.points.clear();
    for (int k = 0; k < 81; ++k) {
      p.points.push_back(std::to_string(k) + " 1 1 60 30 20");
      p.points.push_back("0 0 0.0 10 0.0 0.0 0 0 0 1 1");
    }
    cases.push_back({"81 profile points", p, "number of soil profile points (81)"});
  }
  {
    ProjectText p;
    p.extra = {"1", "101"};
    cases.push_back({"101 extra depths", p, "number of extra t-z depths (101) exceeds"});
  }
  {
    ProjectText p;
    p.area = {"101 2"};
    cases.push_back({"101 area rows", p, "number of area rows (101) exceeds"});
  }
  {
    ProjectText p;
    p.units = "1.5";
    cases.push_back({"fractional integer", p, "Malformed value \"1.5\" in record 4"});
  }
  for (auto& c : cases) {
    std::istringstream in(c.project.text());
    auto input = std::make_unique<InputModel>();
    try {
      readProjectInput(in, *input);
      ADD_FAILURE() << c.name << ": no failure";
    } catch (const RunFailure& failure) {
      EXPECT_NE(std::string(failure.what()).find(c.reason), std::string::npos)
          << c.name << ": " << failure.what();
    }
  }
}

TEST(InputReaderTest, TruncatedFileFailsAtEveryCut) {
  const std::string text = ProjectText().text();
  // Cutting the file anywhere before its last value must end in a failure, never a crash.
  const size_t lastValue = text.rfind("0 0");
  for (size_t cut = 0; cut < lastValue; cut += 7) {
    std::istringstream in(text.substr(0, cut));
    auto input = std::make_unique<InputModel>();
    EXPECT_THROW(readProjectInput(in, *input), RunFailure) << "cut at " << cut;
  }
}

TEST(InputReaderTest, CptFileAndUnitLabels) {
  auto input = std::make_unique<InputModel>();
  std::istringstream cpt(" 1 3\n  1.00E+00  5.00E+01\n  2.00E+00  7.50E+01\n  3.50E+00  1.20E+02\n");
  readCptInput(cpt, *input);
  EXPECT_EQ(input->cptFlag, 1);
  EXPECT_EQ(input->cptPointCount, 3);
  EXPECT_DOUBLE_EQ(input->cptPoints[3].depth, 3.5);
  EXPECT_DOUBLE_EQ(input->cptPoints[3].qc, 120.0);

  std::istringstream tooMany(" 1 1001\n");
  EXPECT_THROW(readCptInput(tooMany, *input), RunFailure);
  std::istringstream shortFile(" 2 2\n 1 2\n");
  EXPECT_THROW(readCptInput(shortFile, *input), RunFailure);

  UnitLabels labels;
  setUnitLabels(2, labels);
  EXPECT_EQ(labels.length + labels.diameter + labels.force + labels.stress + labels.unitWeight +
                labels.area,
            "M. MM.KN.KPAKN/CMM2 ");
  setUnitLabels(1, labels);
  EXPECT_EQ(labels.length + labels.diameter + labels.force + labels.stress + labels.unitWeight +
                labels.area,
            "FT.IN.KIPKSFLB/CFIN2");
  setUnitLabels(3, labels);  // any value other than 1 is SI
  EXPECT_EQ(labels.force, "KN.");
}

}  // namespace
}  // namespace corvex
