#include "project/program_data.h"

#include <gtest/gtest.h>

#include "project/in_out_error.h"
#include "project/project_tables.h"
#include "project_test_support.h"

namespace {

class ProgramDataSave : public TempFolderTest {};

TEST_F(ProgramDataSave, NewProjectFileAndEmptyCptFile)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.FileName = PathOf("new.cx6d");
    project.Save(tables);
    const std::string expected =
        "New Pile\r\n"
        "\r\n"
        "\r\n"
        "1 1 2 \r\n"
        "0 0 0 0 0 0 0 \r\n"
        "0 0 \r\n"
        "0 1 1 0 4 0 0 \r\n"
        "0 0 0 1 0 0 0 0 0 \r\n"
        "0 0 \r\n"
        "0.0 1 0 0 0 0 \r\n"
        "0 0 0.0 0 0.0 0.0 0 0 0 1 1 \r\n"
        "0 1 0 0 0 0 \r\n"
        "0 0 0.0 0 0.0 0.0 0 0 0 1 1 \r\n"
        "0 \r\n"
        "0 1 \r\n"
        "0 0 \r\n"
        "2 0 \r\n"
        "0 0 \r\n"
        "0 0 \r\n"
        "0 0 \r\n";
    EXPECT_EQ(ReadAll(project.FileName), expected);
    EXPECT_EQ(project.CptFileName, PathOf("new.cpt"));
    EXPECT_EQ(ReadAll(project.CptFileName), " 1 0\r\n");
}

// Three layers (sand, clay, silt), a noncircular pile, extra t-z depths and varying areas.
void BuildProject(TProgramData& project, TProjectTables& tables)
{
    project.Title = "Test pile";
    project.Designer = "A. Designer";
    project.JobNumber = "J-17";
    project.PrintEvery = 0;
    project.Circular = false;
    project.Perimeter = 48.5;
    project.TipArea = 144.0;
    project.Modulus = 29000000.0;
    project.TotalLength = 60.0;
    project.StickupLength = 2.5;
    project.ZeroFrictionLength = 1.0 / 3.0;
    project.Increment = 0.0;
    project.PileType = 6;
    project.TransferMethod = 1;
    project.Method(1) = 1;
    project.Method(4) = 0;
    project.ExtraTZ = 1;
    project.LoadingType = 1;
    project.TensionFactor = 0.75;
    project.PlugMode = 2;
    project.AreaMode = 1;
    project.SectionArea = 20.0;
    project.CriticalDepthMode = 2;
    project.CriticalDepth = 25.0;

    TGridTable& d = tables.D;
    d.SetRowCount(3);
    d.Cell(soil_column::kSoilType, 1).SetInteger(kClay);
    d.Cell(soil_column::kSoilType, 2).SetInteger(kSilt);
    d.Cell(soil_column::kBottomDepth, 0).SetFloat(10);
    d.Cell(soil_column::kBottomDepth, 1).SetFloat(25.5);
    d.Cell(soil_column::kBottomDepth, 2).SetFloat(70);
    d.Cell(soil_column::kMaxSideFriction, 0).SetFloat(2000);
    d.Cell(soil_column::kMaxEndBearing, 0).SetFloat(200000);
    d.Cell(soil_column::kSideFactor, 1).SetFloat(0.9);
    TGridTable& sand = tables.LayerData(0);
    sand.Cell(sand_column::kKo, 0).SetFloat(0.8);
    sand.Cell(sand_column::kUnitWeight, 0).SetFloat(120);
    sand.Cell(sand_column::kFrictionAngle, 1).SetFloat(32.5);
    sand.Cell(sand_column::kNq, 1).SetFloat(20);
    sand.Cell(sand_column::kBlowCount, 1).SetInteger(15);
    sand.Cell(sand_column::kQc, 1).SetFloat(1e-5);
    sand.Cell(sand_column::kUserSkinFriction, 1).SetFloat(500);
    TGridTable& clay = tables.LayerData(1);
    clay.Cell(clay_column::kUnitWeight, 0).SetFloat(55);
    clay.Cell(clay_column::kUndrainedShear, 1).SetFloat(1500);
    clay.Cell(clay_column::kRemoldedShear, 1).SetFloat(750);
    clay.Cell(clay_column::kPlasticIndex, 1).SetFloat(30);
    clay.Cell(clay_column::kYieldStressRatio, 1).SetFloat(1.5);
    clay.Cell(clay_column::kUserEndBearing, 1).SetFloat(9000);
    TGridTable& silt = tables.LayerData(2);
    silt.Cell(silt_column::kKo, 1).SetFloat(0.5);
    silt.Cell(silt_column::kUndrainedShear, 1).SetFloat(800);
    silt.Cell(silt_column::kBlowCount, 1).SetInteger(7);
    silt.Cell(silt_column::kDummy, 1).SetFloat(99);
    silt.Cell(silt_column::kUserSkinFriction, 1).SetFloat(99);
    tables.TblTZDepth.SetRowCount(2);
    tables.TblTZDepth.Cell(0, 0).SetFloat(5);
    tables.TblTZDepth.Cell(0, 1).SetFloat(12345.6789);
    tables.Sectionaldata.Cell(section_column::kDistance, 1).SetFloat(60);
    tables.Sectionaldata.Cell(section_column::kArea, 0).SetFloat(20);
    tables.Sectionaldata.Cell(section_column::kArea, 1).SetFloat(18.25);
}

TEST_F(ProgramDataSave, RecordsOfABuiltProject)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    BuildProject(project, tables);
    project.FileName = PathOf("built.cx6d");
    project.Save(tables);
    const std::string expected =
        "Test pile\r\n"
        "A. Designer\r\n"
        "J-17\r\n"
        "1 1 6 \r\n"
        "48.5 144 0 0 29000000 60 2.5 \r\n"
        "0 0 \r\n"
        "0.3333333333 1 6 0 1 0 0 \r\n"
        "1 0 0 0 0 0 0 0 0 \r\n"
        "70 20 \r\n"
        // sand: user values zeroed because the transfer method is not 5
        "0.0 1 0.8 120 0 0 \r\n"
        "2000 200000 0.0 0 0.0 0.0 0 0 0 1 1 \r\n"
        "10 1 0 0 32.5 20 \r\n"
        "2000 200000 0.0 15 0.0 0.0 1E-5 0 0 1 1 \r\n"
        // clay: placeholders for Ko, friction angle and Nq; YSR before PI
        "10 2 0.0 55 0.0 0.0 \r\n"
        "0 0 0 0 0 0 0 0 0 0.9 1 \r\n"
        "25.5 2 0.0 0 0.0 0.0 \r\n"
        "0 0 1500 750 1.5 30 0 0 0 0.9 1 \r\n"
        // silt: five placeholders, no cone or user values
        "25.5 3 0 0 0 0.0 \r\n"
        "0 0 0 0 0.0 0.0 0.0 0.0 0.0 1 1 \r\n"
        "70 3 0.5 0 0 0.0 \r\n"
        "0 0 800 7 0.0 0.0 0.0 0.0 0.0 1 1 \r\n"
        "1 \r\n"
        "2 \r\n"
        "5 \r\n"
        "12345.679 \r\n"
        "1 0.75 \r\n"
        "0 2 \r\n"
        "2 1 \r\n"
        "0 20 \r\n"
        "60 18.25 \r\n"
        "2 25 \r\n";
    EXPECT_EQ(ReadAll(project.FileName), expected);
    // The rules applied while writing hold in memory too.
    EXPECT_EQ(project.PrintEvery, 1);
    EXPECT_EQ(project.Increment, 1.0);
    EXPECT_EQ(tables.LayerData(0).Cell(sand_column::kUserSkinFriction, 1).AsFloat(), 0.0);
    EXPECT_EQ(tables.LayerData(1).Cell(clay_column::kUserEndBearing, 1).AsFloat(), 0.0);
    EXPECT_FALSE(tables.Changed());
}

TEST_F(ProgramDataSave, CircularSectionWritesZeroPerimeterAndTipArea)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.Perimeter = 75.4;
    project.TipArea = 452.4;
    project.OuterDiameter = 24;
    project.InnerDiameter = 23.25;
    project.TransferMethod = 5;
    tables.LayerData(0).Cell(sand_column::kUserSkinFriction, 0).SetFloat(250);
    project.FileName = PathOf("circ.cx6d");
    project.Save(tables);
    const std::string text = ReadAll(project.FileName);
    EXPECT_NE(text.find("\r\n0 0 24 23.25 0 0 0 \r\n"), std::string::npos);
    EXPECT_EQ(project.TipArea, 0.0);
    // With user-specified load transfer the user values stay.
    EXPECT_NE(text.find("0.0 1 0 0 0 0 \r\n0 0 0.0 0 0.0 0.0 0 250 0 1 1 \r\n"), std::string::npos);
}

TEST_F(ProgramDataSave, CptFileListsThePointsInExponentForm)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.SetUnits(2, tables);
    project.CptPoints = {{5500.0, 1.0}, {12345.0, 2.25}};
    project.FileName = PathOf("cpt.cx6d");
    project.Save(tables);
    EXPECT_EQ(ReadAll(PathOf("cpt.cpt")), " 2 2\r\n  1.00E+00  5.50E+03\r\n  2.25E+00  1.23E+04\r\n");
    EXPECT_EQ(project.CptCount, 2);
}

TEST_F(ProgramDataSave, FailedSaveLeavesThePreviousFileIntact)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.FileName = PathOf("keep.cx6d");
    WriteAll(project.FileName, "previous contents");
    // The temporary file beside the target cannot be made: its name is taken by a folder.
    std::filesystem::create_directory(project.FileName + ".tmp~");
    EXPECT_THROW(project.Save(tables), EInOutError);
    EXPECT_EQ(ReadAll(project.FileName), "previous contents");

    project.FileName = PathOf("no/such/folder/p.cx6d");
    EXPECT_THROW(project.Save(tables), EInOutError);
}

TEST_F(ProgramDataSave, LineBreaksInTitlesDoNotSplitTheRecord)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.Title = "two\r\nlines";
    project.FileName = PathOf("title.cx6d");
    project.Save(tables);
    EXPECT_EQ(ReadAll(project.FileName).substr(0, 14), "two  lines\r\n\r\n");
}

TEST_F(ProgramDataSave, WaveFileOfAnEnglishPipePile)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.Title = "A title that is longer than forty characters in all";
    project.OuterDiameter = 12;
    project.InnerDiameter = 11;
    project.Modulus = 30000000;
    project.WavePointCount = 2;
    project.WaveDepth[0] = 1;
    project.WaveDepth[1] = 40;
    project.WaveSkin[0] = 0.25;
    project.WaveSkin[1] = 1.5;
    project.WaveTip[0] = 0;
    project.WaveTip[1] = 120;
    project.FileName = PathOf("wave.cx6d");
    project.WriteWaveFile();
    EXPECT_EQ(project.WaveFileName, PathOf("wave.gwi"));
    // Area (144 - 121) * 0.7854 = 18.0642; perimeter 12 * 3.1416 = 37.6992 in = 3.1416 ft.
    const std::string expected =
        "A title that is longer than forty charac  VER. 2000 1 0\r\n"
        "-100   0   1   0   1   0   0   0   0   3   0   0   0   0   0   0   0   0     0.000\r\n"
        "   32.1700   32.1700\r\n"
        "      0.00      0.00      0.00    0.0000    0.0000    0.0100      0.00\r\n"
        "   3600.00    207.00    0.0000    0.5000    3.0000         0\r\n"
        "  4.00E+01  1.81E+01  3.00E+04  4.92E+02  3.14E+00     4.000     1.000     0.010\r\n"
        "     0.000     0.000       0.0    0.0000    0.0000     0.000     0.000     0.000\r\n"
        "     0.000     0.000       0.0    0.0000    0.0000     0.000     0.000     0.000\r\n"
        "    0.0000    0.0000    0.0000    0.0000\r\n"
        "    0.0000    0.0000    0.0000    0.0000\r\n"
        " 1.00E+0 2.50E-1 0.00E+0   0.100   0.600   0.200   0.150   2.000    6.56    1.00\r\n"
        " 4.00E+1 1.50E+0 1.20E+2   0.100   0.600   0.200   0.150   2.000    6.56    1.00\r\n"
        "  1.0000  1.0000  1.0000  1.0000  1.0000  0.0000  0.0000  0.0000  0.0000  0.0000\r\n"
        "  1.0000  1.0000  1.0000  1.0000  1.0000  0.0000  0.0000  0.0000  0.0000  0.0000\r\n"
        "  1.00E+01      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000\r\n"
        "  2.00E+01      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000\r\n"
        "  3.00E+01      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000\r\n"
        "  4.00E+01      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000\r\n"
        "      0.00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000\r\n";
    EXPECT_EQ(ReadAll(project.WaveFileName), expected);
    EXPECT_DOUBLE_EQ(project.Perimeter, 37.6992);
}

TEST_F(ProgramDataSave, WaveFileOfAnSIConcretePileWithShortTitle)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    project.SetUnits(2, tables);
    project.Title = "";
    project.PileType = 3;
    project.Circular = false;
    project.Perimeter = 1600;     // mm
    project.OuterDiameter = 400;  // mm
    project.Modulus = 30000000;   // kN/m^2
    project.WavePointCount = 1;
    project.WaveDepth[0] = 15;
    project.FileName = PathOf("si.cx6d");
    project.WriteWaveFile();
    const std::string text = ReadAll(project.WaveFileName);
    EXPECT_EQ(text.substr(0, 57), std::string(40, ' ') + "  VER. 2000 0 0\r\n");
    // Area 400^2 * 0.7854 / 100 = 1256.64 cm^2; E/1000 = 30000; 23.56 kN/m^3; 1600/1000 = 1.6 m.
    EXPECT_NE(text.find("\r\n  1.50E+01  1.26E+03  3.00E+04  2.36E+01  1.60E+00     4.000     1.000     0.010\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n    9.8100    9.8100\r\n"), std::string::npos);
    EXPECT_NE(text.find(" 1.50E+1 0.00E+0 0.00E+0   2.540   5.000   0.160   0.500   1.000    1.50    1.00\r\n"),
              std::string::npos);
}

} // namespace
