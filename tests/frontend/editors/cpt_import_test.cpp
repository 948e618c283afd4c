#include "editors/cpt_import.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>
#include <fstream>

#include "project/message_layer.h"

namespace {

std::string WriteFile(const std::string& text)
{
    const std::string path = ::testing::TempDir() + "cpt_import_test_" + std::to_string(::getpid()) + ".txt";
    std::ofstream(path) << text;
    return path;
}

const char* kFile = "site 7 cone\n"
                    "depth qc fs u2\n"
                    "m MPa MPa kPa\n"
                    "0.5 2.0 0.01 3\n"
                    "1.0 2.8 0.02 4\n"
                    "1.5 3.5 0.02 5 extra words\n";

} // namespace

TEST(CptImport, HeaderLinesSkippedFurtherColumnsIgnoredAndUaApplied)
{
    const std::string path = WriteFile(kFile);
    TMessageRecorder messages;
    std::vector<TCptPoint> points;
    ASSERT_TRUE(ImportCpt({path, 3, 3, 4, 1000}, TCptConversion::Qc, 2, points, messages));
    ASSERT_EQ(points.size(), 3u);
    EXPECT_DOUBLE_EQ(points[1].Y, 1.0);
    EXPECT_DOUBLE_EQ(points[1].X, 2800.0); // 2.8 MPa = 2800 kPa
    EXPECT_DOUBLE_EQ(points[2].X, 3500.0);
    EXPECT_TRUE(messages.Entries.empty());
    std::remove(path.c_str());
}

TEST(CptImport, ConversionsAndTheirTexts)
{
    // 100 ksf: SPT 100 * 47.875 / 280 = 17.098214..., Su 100 / 15 = 6.6667; SI 280 kPa: SPT 1.
    EXPECT_NEAR(ConvertedCptValue(TCptConversion::Spt, 100, 1, 1), 17.0982142857, 1e-9);
    EXPECT_NEAR(ConvertedCptValue(TCptConversion::Spt, 280, 1, 2), 1.0, 1e-12);
    EXPECT_NEAR(ConvertedCptValue(TCptConversion::Su, 100, 1, 1), 6.6666666667, 1e-9);
    EXPECT_EQ(CptGraphTexts(TCptConversion::Su, 1).XCaption, "Undrained Shear Strength Su, k/ft^2");
    EXPECT_EQ(CptGraphTexts(TCptConversion::Qc, 2).XCaption, "Qc, kPa");
    EXPECT_EQ(CptGraphTexts(TCptConversion::Spt, 2).YCaption, "Depth, m");
}

TEST(CptImport, MoreLinesAskedThanThereAreKeepsThePointsReadAndTellsTheUser)
{
    const std::string path = WriteFile(kFile);
    TMessageRecorder messages;
    std::vector<TCptPoint> points;
    EXPECT_FALSE(ImportCpt({path, 10, 3, 2, 1}, TCptConversion::Qc, 1, points, messages));
    EXPECT_EQ(points.size(), 3u);
    ASSERT_EQ(messages.Entries.size(), 1u);
    EXPECT_EQ(messages.Entries[0].Text, "There was an error reading the input CPT file.");
    std::remove(path.c_str());
}
