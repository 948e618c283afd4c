#include "editors/option_windows_logic.h"

#include <gtest/gtest.h>

#include "project/program_data.h"

TEST(OptionWindowsLogic, IncrementShownAndPrintIntervalRounded)
{
    EXPECT_EQ(ShownIncrement(0.0), 1.0);
    EXPECT_EQ(ShownIncrement(0.0000009), 1.0);
    EXPECT_EQ(ShownIncrement(0.5), 0.5);
    EXPECT_EQ(StoredPrintEvery(4.5), 5);
    EXPECT_EQ(StoredPrintEvery(4.49), 4);
}

TEST(OptionWindowsLogic, TitleStoredOnlyWhenItChangesAndKeptToOneLine)
{
    TProgramData p;
    p.Title = "Pier 4";
    EXPECT_FALSE(StoreTitle(p, "Pier 4", "A. Designer", "J-1"));
    EXPECT_EQ(p.Designer, "A. Designer");
    EXPECT_EQ(p.JobNumber, "J-1");
    EXPECT_TRUE(StoreTitle(p, "Pier 5", "", ""));
    EXPECT_EQ(p.Title, "Pier 5");
    EXPECT_EQ(TitleLine("two\r\nlines"), "twolines");
    EXPECT_EQ(TitleLine(std::string(90, 'x')).size(), 80u);
}
