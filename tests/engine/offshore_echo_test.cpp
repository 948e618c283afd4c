// The offshore lines of the input echo, checked as text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/offshore_echo.h"

namespace corvex {
namespace {

namespace fs = std::filesystem;

std::string echoOf(RunState& state) {
  const fs::path path = fs::temp_directory_path() /
                         ("corvex_offshore_echo_" + std::to_string(::getpid()) + ".cx6o");
  state.context.report.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  writeOffshoreSoilTable(state);
  state.context.report.close();
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  fs::remove(path);
  return text.str();
}

std::unique_ptr<RunState> twoPointProfile(int offshoreSwitch) {
  auto state = std::make_unique<RunState>();
  InputModel& in = state->input;
  in.unitSystem = 1;
  in.offshoreSwitch = offshoreSwitch;
  in.profilePointCount = 2;
  in.points[1].depth = 0.0;
  in.points[1].blowCount = 15.0;  // sand: its blow count fills the ratio column
  in.points[2].depth = 30.0;
  in.points[2].plasticityIndex = 35.0;
  in.points[2].blowCount = 2.5;
  in.points[2].coneResistance = 45000.0;  // lb/ft2, shown as 45 ksf
  return state;
}

TEST(OffshoreEcho, PlasticityAndConeTable) {
  auto state = twoPointProfile(1);
  const std::string expected =
      "\n\n" + std::string(63, ' ') + "\n\n"
      "                  PLASTIC    YIELD      Qc                             \n"
      "                   INDEX    STRESS     FROM                            \n"
      "           DEPTH     PI      RATIO     CPT                             \n"
      "            FT.      %                 KSF\n"
      "             0.00   0.00    15.00    0.000E+00\n"
      "            30.00  35.00     2.50    0.450E+02\n";
  EXPECT_EQ(echoOf(*state), expected);
}

TEST(OffshoreEcho, NoTableWithTheSwitchOff) {
  auto state = twoPointProfile(0);
  EXPECT_EQ(echoOf(*state), "");
}

TEST(OffshoreEcho, DrainageLine) {
  InputModel input;
  std::ostringstream out;
  input.drainedClaySwitch = 1;
  writeClayDrainageLine(out, input);
  input.drainedClaySwitch = 0;
  writeClayDrainageLine(out, input);
  EXPECT_EQ(out.str(),
            "            # Use Drained Condition for Clay\n"
            "            # Use Undrained Condition for Clay\n");
}

}  // namespace
}  // namespace corvex
