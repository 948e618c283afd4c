#include "project/program_data.h"

#include <gtest/gtest.h>

#include "project/message_layer.h"
#include "project/project_tables.h"
#include "project_compare.h"
#include "project_test_support.h"

namespace {

constexpr const char* kIncomplete = "This file either invalid or incomplete.";

class ProgramDataLoad : public TempFolderTest {};

// A current-layout file with one sand and one clay layer, written by hand.
const std::string kTwoLayers =
    "Hand pile\r\n"
    "Someone\r\n"
    "42\r\n"
    "2 3 4 \r\n"
    "0 0 609.6 584.2 200000000 20 1.5 \r\n"
    "0 0 \r\n"
    "0 0.5 1 0 4 0 1 \r\n"
    "0 1 0 1 0 0 0 0 0 \r\n"
    "18 0 \r\n"
    "0.0 1 0.4 18 30 12 \r\n"
    "95 9500 0.0 10 0.0 0.0 0 0 0 0.8 0.7 \r\n"
    "6 1 0.45 19 31 14 \r\n"
    "95 9500 0.0 12 0.0 0.0 0 0 0 0.8 0.7 \r\n"
    "6 2 0.0 8 0.0 0.0 \r\n"
    "0 0 50 25 2 20 0 0 0 1 1 \r\n"
    "18 2 0.0 9 0.0 0.0 \r\n"
    "0 0 80 40 1.5 25 0 0 0 1 1 \r\n"
    "1 \r\n"
    "2 \r\n"
    "3 \r\n"
    "9.5 \r\n"
    "0 1 \r\n"
    "1 0 \r\n"
    "3 2 \r\n"
    "0 0.0365 \r\n"
    "10 0.03 \r\n"
    "20 0.025 \r\n"
    "1 12.5 \r\n";

TEST_F(ProgramDataLoad, ReadsEveryValueOfTheCurrentLayout)
{
    WriteAll(PathOf("two.cx6d"), kTwoLayers);
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData p = TProgramData::CreateFromFile(PathOf("two.cx6d"), false, tables, messages);
    EXPECT_TRUE(messages.Entries.empty());
    EXPECT_EQ(p.FileName, PathOf("two.cx6d"));
    EXPECT_EQ(p.Title, "Hand pile");
    EXPECT_EQ(p.Designer, "Someone");
    EXPECT_EQ(p.JobNumber, "42");
    EXPECT_EQ(p.Units, 2);
    EXPECT_EQ(tables.D.Units(), 2);
    EXPECT_EQ(p.PrintEvery, 3);
    EXPECT_TRUE(p.Circular);
    EXPECT_EQ(p.OuterDiameter, 609.6);
    EXPECT_EQ(p.InnerDiameter, 584.2);
    EXPECT_EQ(p.Modulus, 200000000.0);
    EXPECT_EQ(p.TotalLength, 20.0);
    EXPECT_EQ(p.StickupLength, 1.5);
    EXPECT_EQ(p.Increment, 0.5);
    EXPECT_EQ(p.TransferMethod, 4);
    EXPECT_EQ(p.ReducedCurves, 1);
    EXPECT_EQ(p.Method(2), 1);
    EXPECT_EQ(p.Method(4), 1);
    EXPECT_EQ(p.Method(1), 0);
    EXPECT_EQ(p.LastLayerBottom, 18.0);
    ASSERT_EQ(tables.D.RowCount(), 2);
    EXPECT_EQ(tables.D.Cell(soil_column::kBottomDepth, 0).AsFloat(), 6.0);
    EXPECT_EQ(tables.D.Cell(soil_column::kBottomDepth, 1).AsFloat(), 18.0);
    EXPECT_EQ(tables.D.Cell(soil_column::kSideFactor, 0).AsFloat(), 0.8);
    EXPECT_EQ(tables.D.Cell(soil_column::kEndFactor, 0).AsFloat(), 0.7);
    EXPECT_EQ(tables.D.Cell(soil_column::kMaxEndBearing, 0).AsFloat(), 9500.0);
    TGridTable& sand = tables.LayerData(0);
    EXPECT_EQ(sand.Cell(sand_column::kKo, 1).AsFloat(), 0.45);
    EXPECT_EQ(sand.Cell(sand_column::kUnitWeight, 0).AsFloat(), 18.0);
    EXPECT_EQ(sand.Cell(sand_column::kFrictionAngle, 1).AsFloat(), 31.0);
    EXPECT_EQ(sand.Cell(sand_column::kNq, 0).AsFloat(), 12.0);
    EXPECT_EQ(sand.Cell(sand_column::kBlowCount, 1).AsInteger(), 12);
    TGridTable& clay = tables.LayerData(1);
    EXPECT_EQ(clay.Caption, "Clay Layer Data");
    EXPECT_EQ(clay.Number(), 2);
    EXPECT_EQ(clay.Cell(clay_column::kUndrainedShear, 1).AsFloat(), 80.0);
    EXPECT_EQ(clay.Cell(clay_column::kRemoldedShear, 0).AsFloat(), 25.0);
    EXPECT_EQ(clay.Cell(clay_column::kYieldStressRatio, 1).AsFloat(), 1.5);
    EXPECT_EQ(clay.Cell(clay_column::kPlasticIndex, 1).AsFloat(), 25.0);
    EXPECT_EQ(p.ExtraTZ, 1);
    ASSERT_EQ(tables.TblTZDepth.RowCount(), 2);
    EXPECT_EQ(tables.TblTZDepth.Cell(0, 1).AsFloat(), 9.5);
    EXPECT_EQ(p.LoadingType, 0);
    EXPECT_EQ(p.TensionFactor, 1.0);
    EXPECT_EQ(p.DrainedClay, 1);
    EXPECT_EQ(p.PlugMode, 0);
    EXPECT_EQ(p.AreaMode, 2);
    ASSERT_EQ(tables.Sectionaldata.RowCount(), 3);
    EXPECT_EQ(tables.Sectionaldata.Cell(section_column::kArea, 2).AsFloat(), 0.025);
    EXPECT_EQ(p.CriticalDepthMode, 1);
    EXPECT_EQ(p.CriticalDepth, 12.5);
    EXPECT_FALSE(tables.Changed());
}

TEST_F(ProgramDataLoad, ReadsTheLegacyLayout)
{
    const std::string legacy =
        "Old pile\r\n\r\n\r\n"
        "1 1 2 \r\n"
        "40 100 0 0 29000000 50 \r\n"
        "0 0 \r\n"
        "0 1 6 0 5 0 \r\n"
        "45 0 \r\n"
        "0.0 1 0.5 110 32 20 \r\n"
        "0 0 0.0 12 0.0 0.0 0 300 40000 \r\n"
        "45 1 0.5 115 33 25 \r\n"
        "0 0 0.0 20 0.0 0.0 0 400 50000 \r\n"
        "0 \r\n"
        "0 1 \r\n"
        "0 0 \r\n"
        "2 \r\n"
        "0 30 \r\n"
        "50 30 \r\n";
    WriteAll(PathOf("old.cxd"), legacy);
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData p = TProgramData::CreateFromFile(PathOf("old.cxd"), true, tables, messages);
    EXPECT_TRUE(messages.Entries.empty());
    EXPECT_FALSE(p.Circular);
    EXPECT_EQ(p.Perimeter, 40.0);
    EXPECT_EQ(p.TipArea, 100.0);
    EXPECT_EQ(p.TotalLength, 50.0);
    EXPECT_EQ(p.StickupLength, 0.0);
    EXPECT_EQ(p.PileType, 6);
    EXPECT_EQ(p.TransferMethod, 5);
    EXPECT_EQ(p.ReducedCurves, 0);
    EXPECT_EQ(p.Methods, (std::array<std::int32_t, 9>{1, 1, 1, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(tables.LayerData(0).Cell(sand_column::kUserEndBearing, 1).AsFloat(), 50000.0);
    EXPECT_EQ(tables.D.Cell(soil_column::kSideFactor, 0).AsFloat(), 1.0);
    // Record 14 with one value and two rows: the areas vary along the pile.
    EXPECT_EQ(p.AreaMode, 2);
    EXPECT_EQ(tables.Sectionaldata.Cell(section_column::kDistance, 1).AsFloat(), 50.0);
    EXPECT_EQ(p.CriticalDepthMode, 0);
}

TEST_F(ProgramDataLoad, OffshoreMethodFallsBackToFhwaWithAMessage)
{
    auto fileWith = [](const std::string& record7) {
        std::string text = kTwoLayers;
        text.replace(text.find("0 0.5 1 0 4 0 1 "), 16, record7);
        return text;
    };
    WriteAll(PathOf("off.cx6d"), fileWith("0 0.5 1 0 7 1 1 "));
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData p = TProgramData::CreateFromFile(PathOf("off.cx6d"), false, tables, messages);
    ASSERT_EQ(messages.Entries.size(), 1u);
    EXPECT_EQ(messages.Entries[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Entries[0].Text,
              "File was created using Corvex offshore version\rusing an offshore computation method,\rso the "
              "computation method will default to FHWA and\roffshore parameters will not be considered.\r\rIf you "
              "do not want to lose the previous information,\rplease do not save this file!!.");
    EXPECT_EQ(p.TransferMethod, 1);
    EXPECT_EQ(p.OffshoreEdition, 0);

    WriteAll(PathOf("on.cx6d"), fileWith("0 0.5 1 0 7 0 1 "));
    TMessageRecorder quiet;
    p = TProgramData::CreateFromFile(PathOf("on.cx6d"), false, tables, quiet);
    EXPECT_TRUE(quiet.Entries.empty());
    EXPECT_EQ(p.TransferMethod, 7);
}

TEST_F(ProgramDataLoad, AreaModeDerivedWhenRecord14HoldsOneValue)
{
    struct TCase {
        const char* Record14;
        double SectionArea;
        int Expected;
    };
    for (const TCase& c : {TCase{"3 \r\n0 1 \r\n1 1 \r\n2 1 \r\n", 0.0, 2}, TCase{"1 \r\n", 5.0, 1},
                           TCase{"1 \r\n", 0.0, 0}, TCase{"2 1 \r\n0 1 \r\n2 1 \r\n", 0.0, 1}}) {
        std::string text = kTwoLayers;
        text.replace(text.find("3 2 \r\n"), std::string("3 2 \r\n0 0.0365 \r\n10 0.03 \r\n20 0.025 \r\n").size(),
                     c.Record14);
        text.replace(text.find("18 0 \r\n"), 7, "18 " + std::to_string(c.SectionArea) + " \r\n");
        WriteAll(PathOf("area.cx6d"), text);
        TProjectTables tables;
        TMessageRecorder messages;
        TProgramData p = TProgramData::CreateFromFile(PathOf("area.cx6d"), false, tables, messages);
        EXPECT_TRUE(messages.Entries.empty()) << c.Record14;
        EXPECT_EQ(p.AreaMode, c.Expected) << c.Record14;
        EXPECT_EQ(p.CriticalDepth, 12.5) << c.Record14;
        EXPECT_GE(tables.Sectionaldata.RowCount(), 2);
    }
}

TEST_F(ProgramDataLoad, OddPointCountsRoundHalvesToEven)
{
    for (auto [points, layers] : {std::pair{3, 2}, {5, 2}, {7, 4}, {1, 1}, {0, 1}}) {
        std::string text = kTwoLayers;
        text.replace(text.find("2 3 4 "), 6, "2 3 " + std::to_string(points) + " ");
        WriteAll(PathOf("odd.cx6d"), text);
        TProjectTables tables;
        TMessageRecorder messages;
        TProgramData::CreateFromFile(PathOf("odd.cx6d"), false, tables, messages);
        EXPECT_EQ(tables.D.RowCount(), layers) << points;
    }
}

TEST_F(ProgramDataLoad, FailureAtRecord5KeepsWhatWasReadBefore)
{
    std::string text = kTwoLayers;
    text.replace(text.find("0 0 609.6"), 9, "0 0 x609.6");
    WriteAll(PathOf("bad.cx6d"), text);
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData p = TProgramData::CreateFromFile(PathOf("bad.cx6d"), false, tables, messages);
    ASSERT_EQ(messages.Entries.size(), 1u);
    EXPECT_EQ(messages.Entries[0].Text, "Error on Line 5 Item 3\rA floating point number was expected but not found.");
    EXPECT_EQ(p.Title, "Hand pile");
    EXPECT_EQ(p.Designer, "Someone");
    EXPECT_EQ(p.JobNumber, "42");
    EXPECT_EQ(p.Units, 2);
    EXPECT_EQ(p.PrintEvery, 3);
    EXPECT_EQ(p.OuterDiameter, 0.0);
    EXPECT_EQ(p.TransferMethod, 4);
    EXPECT_EQ(p.FileName, PathOf("bad.cx6d"));
    // Every table holds at least its minimum rows.
    EXPECT_EQ(tables.D.RowCount(), 2);
    EXPECT_EQ(tables.Sectionaldata.RowCount(), 2);
    EXPECT_EQ(tables.TblTZDepth.RowCount(), 1);
    EXPECT_FALSE(tables.Changed());
}

TEST_F(ProgramDataLoad, DamagedCountsAndCodesAreReportedNotObeyed)
{
    for (auto [from, to] : {std::pair{"2 3 4 ", "2 3 -4 "}, {"2 3 4 ", "2 3 2000000000 "}, {"6 2 0.0 8", "6 7 0.0 8"},
                            {"3 2 \r\n0 0.0365", "900 2 \r\n0 0.0365"}, {"1 \r\n2 \r\n3 \r\n", "1 \r\n-2 \r\n3 \r\n"}}) {
        std::string text = kTwoLayers;
        text.replace(text.find(from), std::string(from).size(), to);
        WriteAll(PathOf("damaged.cx6d"), text);
        TProjectTables tables;
        TMessageRecorder messages;
        TProgramData::CreateFromFile(PathOf("damaged.cx6d"), false, tables, messages);
        ASSERT_EQ(messages.Entries.size(), 1u) << to;
        EXPECT_EQ(messages.Entries[0].Text, kIncomplete) << to;
        EXPECT_GE(tables.D.RowCount(), 1);
    }
}

TEST_F(ProgramDataLoad, MissingFileIsShownAndGivesANewProjectWithThePath)
{
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData p = TProgramData::CreateFromFile(PathOf("none.cx6d"), false, tables, messages);
    ASSERT_EQ(messages.Entries.size(), 1u);
    EXPECT_EQ(messages.Entries[0].Kind, TMessageKind::Information);
    EXPECT_EQ(p.FileName, PathOf("none.cx6d"));
    EXPECT_EQ(p.Title, "New Pile");
    EXPECT_EQ(tables.D.RowCount(), 1);
}

// Every cut of the file, at each line end and in the middle of each line, opens without a crash,
// reports the file as invalid (or names the line and item) and keeps what came before the cut.
TEST_F(ProgramDataLoad, FileCutShortAtEachRecordKeepsWhatWasRead)
{
    std::vector<std::size_t> cuts;
    for (std::size_t pos = kTwoLayers.find("\r\n"); pos != std::string::npos; pos = kTwoLayers.find("\r\n", pos + 2)) {
        cuts.push_back(pos);
        const std::size_t start = kTwoLayers.rfind('\n', pos - 1);
        cuts.push_back(start == std::string::npos ? pos / 2 : (start + 1 + pos) / 2);
    }
    cuts.pop_back(); // the full file is not a cut
    cuts.pop_back();
    cuts.push_back(kTwoLayers.size() - 4); // inside the last value
    for (std::size_t cut : cuts) {
        const std::string text = kTwoLayers.substr(0, cut);
        WriteAll(PathOf("cut.cx6d"), text);
        TProjectTables tables;
        TMessageRecorder messages;
        TProgramData p = TProgramData::CreateFromFile(PathOf("cut.cx6d"), false, tables, messages);
        const std::string at = "cut at " + std::to_string(cut);
        if (messages.Entries.size() != 1u) {
            // Only a cut inside the last number may still read as a complete file.
            EXPECT_EQ(cut, kTwoLayers.size() - 4) << at;
            continue;
        }
        const std::string& message = messages.Entries[0].Text;
        EXPECT_TRUE(message == kIncomplete || message.rfind("Error on Line ", 0) == 0) << at << ": " << message;
        EXPECT_GE(tables.D.RowCount(), 1) << at;
        EXPECT_GE(tables.Sectionaldata.RowCount(), 2) << at;
        EXPECT_GE(tables.TblTZDepth.RowCount(), 1) << at;
        const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        if (lines >= 1) {
            EXPECT_EQ(p.Title, "Hand pile") << at;
        }
        if (lines >= 4) {
            EXPECT_EQ(p.Units, 2) << at;
            EXPECT_EQ(tables.D.RowCount(), 2) << at;
        }
        if (lines >= 5) {
            EXPECT_EQ(p.StickupLength, 1.5) << at;
        }
        if (lines >= 11) {
            EXPECT_EQ(tables.D.Cell(soil_column::kEndFactor, 0).AsFloat(), 0.7) << at;
        }
        if (lines >= 17) {
            EXPECT_EQ(tables.LayerData(1).Cell(clay_column::kUndrainedShear, 1).AsFloat(), 80.0) << at;
        }
        if (lines >= 21) {
            EXPECT_EQ(tables.TblTZDepth.Cell(0, 1).AsFloat(), 9.5) << at;
        }
        if (lines >= 26) {
            EXPECT_EQ(tables.Sectionaldata.Cell(section_column::kArea, 1).AsFloat(), 0.03) << at;
        }
    }
}

TEST_F(ProgramDataLoad, UnitSwitchConvertsTheScalarValues)
{
    TProjectTables tables;
    TProgramData p = TProgramData::Create(tables);
    p.SetUnits(2, tables);
    p.OuterDiameter = 609.6;
    p.Modulus = 200000000;
    p.SetUnits(1, tables);
    EXPECT_NEAR(p.OuterDiameter, 24.0, 1e-9);
    // 200000000 * 224.8089237 / 39.37007874^2 = 200000000 * 224.8089237 / 1550.0031 = 29007545.0
    EXPECT_NEAR(p.Modulus, 29007545.0, 0.1);
    p.StickupLength = 10;
    p.TaperAngle = 1.5;
    p.SetUnits(7, tables); // as 2
    EXPECT_EQ(p.Units, 2);
    EXPECT_NEAR(p.StickupLength, 3.048, 1e-12);
    EXPECT_EQ(p.TaperAngle, 1.5);
    p.SetUnits(0, tables); // as 1
    EXPECT_EQ(p.Units, 1);
    EXPECT_NEAR(p.StickupLength, 10.0, 1e-9);
    const double before = p.StickupLength;
    p.SetUnits(1, tables);
    EXPECT_EQ(p.StickupLength, before);

    // CPT points: 1 ksf = 1000 lb/ft^2 * 0.0044482 kN/lb / 0.092903 m^2/ft^2 = 47.880 kPa.
    p.CptPoints = {{1.0, 10.0}};
    p.SetUnits(2, tables);
    EXPECT_NEAR(p.CptPoints[0].X, 47.880, 1e-3);
    EXPECT_NEAR(p.CptPoints[0].Y, 3.048, 1e-12);
    p.SetUnits(1, tables);
    EXPECT_NEAR(p.CptPoints[0].X, 1.0, 1e-9);
    EXPECT_NEAR(p.CptPoints[0].Y, 10.0, 1e-9);
}

TEST_F(ProgramDataLoad, EnglishProjectSwitchedToSIAndBackKeepsEveryValue)
{
    // An English project with every converted value set.
    std::string text = kTwoLayers;
    text.replace(text.find("2 3 4 "), 6, "1 3 4 ");
    text.replace(text.find("0 0 609.6 584.2"), 15, "75 450 24 23 ");
    const std::string records6And7 = "\r\n0 0 \r\n0 0.5";
    text.replace(text.find(records6And7), records6And7.size(), "\r\n4 22 \r\n3 0.5");
    text.replace(text.find("18 0 \r\n"), 7, "59 30 \r\n");
    WriteAll(PathOf("english.cx6d"), text);
    TProjectTables tables;
    TProjectTables originalTables;
    TMessageRecorder messages;
    TProgramData p = TProgramData::CreateFromFile(PathOf("english.cx6d"), false, tables, messages);
    const TProgramData original = TProgramData::CreateFromFile(PathOf("english.cx6d"), false, originalTables, messages);
    ASSERT_TRUE(messages.Entries.empty());
    ASSERT_EQ(p.Units, 1);
    ASSERT_EQ(p.EndSectionDiameter, 22.0);
    ASSERT_EQ(p.SectionArea, 30.0);
    p.SetUnits(2, tables);
    EXPECT_NEAR(p.OuterDiameter, 609.6, 1e-9);
    EXPECT_NEAR(p.TotalLength, 6.096, 1e-9);
    EXPECT_NEAR(tables.D.Cell(soil_column::kBottomDepth, 1).AsFloat(), 18 * 0.3048, 1e-9);
    p.SetUnits(1, tables);
    ExpectProjectsEqual(p, original, 1e-9);
    EXPECT_TRUE(Close(p.LastLayerBottom, original.LastLayerBottom, 1e-9));
    ExpectProjectTablesEqual(tables, originalTables, 1e-9);
}

TEST_F(ProgramDataLoad, SaveReadSaveIsByteIdentical)
{
    WriteAll(PathOf("two.cx6d"), kTwoLayers);
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData p = TProgramData::CreateFromFile(PathOf("two.cx6d"), false, tables, messages);
    p.FileName = PathOf("first.cx6d");
    p.Save(tables);
    TProjectTables tables2;
    TProgramData q = TProgramData::CreateFromFile(p.FileName, false, tables2, messages);
    ExpectProjectsEqual(p, q, 0);
    ExpectProjectTablesEqual(tables, tables2, 0);
    q.FileName = PathOf("second.cx6d");
    q.Save(tables2);
    EXPECT_EQ(ReadAll(PathOf("first.cx6d")), ReadAll(PathOf("second.cx6d")));
    // The hand-written file used the same layout, so the first save reproduces it.
    EXPECT_EQ(ReadAll(PathOf("first.cx6d")), kTwoLayers);
    EXPECT_TRUE(messages.Entries.empty());
}

TEST_F(ProgramDataLoad, ReopeningAndSavingKeepsTheCptPoints)
{
    TProjectTables tables;
    TProgramData p = TProgramData::Create(tables);
    p.CptPoints = {{55.0, 1.0}, {60.5, 2.0}, {72.25, 3.5}};
    p.FileName = PathOf("cpt.cx6d");
    p.Save(tables);
    const std::string cpt = ReadAll(PathOf("cpt.cpt"));
    TMessageRecorder messages;
    TProgramData q = TProgramData::CreateFromFile(p.FileName, false, tables, messages);
    ASSERT_EQ(q.CptCount, 3);
    EXPECT_EQ(q.CptPoints[2].X, 72.3); // as written in three digits, the half rounded up: 7.23E+01
    EXPECT_EQ(q.CptPoints[2].Y, 3.5);
    q.Save(tables);
    EXPECT_EQ(ReadAll(PathOf("cpt.cpt")), cpt);
    EXPECT_TRUE(messages.Entries.empty());
}

TEST_F(ProgramDataLoad, AnUnreadableCptFileIsNotReplacedByAnEmptyOne)
{
    TProjectTables tables;
    TProgramData p = TProgramData::Create(tables);
    p.FileName = PathOf("c.cx6d");
    p.Save(tables);
    WriteAll(PathOf("c.cpt"), " 1 3\r\n  1.00E+00  5.00E+01\r\n  garbage\r\n");
    TMessageRecorder messages;
    TProgramData q = TProgramData::CreateFromFile(p.FileName, false, tables, messages);
    ASSERT_EQ(messages.Entries.size(), 1u);
    EXPECT_EQ(messages.Entries[0].Text, "There was an error reading the input CPT file.");
    EXPECT_EQ(q.CptCount, 0);
    q.Save(tables);
    EXPECT_EQ(ReadAll(PathOf("c.cpt")), " 1 3\r\n  1.00E+00  5.00E+01\r\n  garbage\r\n");
    // Points entered afterwards are written.
    q.CptPoints = {{10, 1}};
    q.Save(tables);
    EXPECT_EQ(ReadAll(PathOf("c.cpt")), " 1 1\r\n  1.00E+00  1.00E+01\r\n");
}

} // namespace
