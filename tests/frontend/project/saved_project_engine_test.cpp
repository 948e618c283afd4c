// The engine reads what Save writes: projects saved by the front end run to completion.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/run.h"
#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"

namespace {

namespace fs = std::filesystem;

class SavedProjectRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  (std::string("corvex_saved_run_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        previous_ = fs::current_path();
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    // Runs the engine on the saved project through the handoff file, as the main window does.
    int Run(const TProgramData& project)
    {
        {
            std::ofstream names(folder_ / "names.dat");
            names << "2014.6.7\nCorvex\nTest\n1\n" << project.FileName << "\n"
                  << (folder_ / "run.cx6o").string() << "\n"
                  << (folder_ / "run.cx6p").string() << "\n"
                  << project.CptFileName << "\n";
        }
        fs::current_path(folder_);
        auto state = std::make_unique<corvex::RunState>();
        std::istringstream keys;
        std::ostringstream screen;
        corvex::Console console{keys, screen};
        const int status = corvex::runAnalysis(*state, console);
        fs::current_path(previous_);
        return status;
    }

    std::string Report() const
    {
        std::ifstream in(folder_ / "run.cx6o");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder_;
    fs::path previous_;
};

TEST_F(SavedProjectRun, ProjectBuiltInCodeRunsToCompletion)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.Title = "Saved pile";
    project.OuterDiameter = 18;
    project.InnerDiameter = 17;
    project.Modulus = 29000000;
    project.TotalLength = 50;
    project.StickupLength = 2;
    project.Method(1) = 1;
    project.Method(2) = 1;
    project.Method(3) = 1;
    TGridTable& d = tables.D;
    d.SetRowCount(2);
    d.Cell(soil_column::kSoilType, 1).SetInteger(kClay);
    d.Cell(soil_column::kBottomDepth, 0).SetFloat(25);
    d.Cell(soil_column::kBottomDepth, 1).SetFloat(80);
    TGridTable& sand = tables.LayerData(0);
    for (int j = 0; j < 2; ++j) {
        sand.Cell(sand_column::kUnitWeight, j).SetFloat(60);
        sand.Cell(sand_column::kFrictionAngle, j).SetFloat(32);
        sand.Cell(sand_column::kBlowCount, j).SetInteger(20);
        sand.Cell(sand_column::kKo, j).SetFloat(0.8);
        sand.Cell(sand_column::kNq, j).SetFloat(20);
    }
    TGridTable& clay = tables.LayerData(1);
    for (int j = 0; j < 2; ++j) {
        clay.Cell(clay_column::kUnitWeight, j).SetFloat(55);
        clay.Cell(clay_column::kUndrainedShear, j).SetFloat(1000 + 1000 * j);
        clay.Cell(clay_column::kRemoldedShear, j).SetFloat(500 + 500 * j);
    }
    project.CptPoints = {{50, 1}, {80, 20}, {40, 60}};
    project.FileName = (folder_ / "built.cx6d").string();
    project.Save(tables);
    EXPECT_EQ(Run(project), 0) << Report();
}

TEST_F(SavedProjectRun, ExamplesSavedByTheFrontEndRunAsTheOriginals)
{
    const fs::path examples = fs::path(CORVEX_SOURCE_DIR) / "examples";
    if (!fs::is_directory(examples)) GTEST_SKIP() << "no example projects";
    int runs = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".cx6d") continue;
        SCOPED_TRACE(entry.path().filename().string());
        TProjectTables tables;
        TMessageRecorder messages;
        TProgramData project = TProgramData::CreateFromFile(entry.path().string(), false, tables, messages);
        project.FileName = (folder_ / entry.path().filename()).string();
        project.Save(tables);
        const int expected = entry.path().stem() == "too_shallow_profile" ? 1 : 0;
        EXPECT_EQ(Run(project), expected) << Report();
        ++runs;
    }
    EXPECT_GT(runs, 0);
}

} // namespace
