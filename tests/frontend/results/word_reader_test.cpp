#include "results/word_reader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EInOutError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(WordReader, EmptyTextIsOneEmptyLineAndTheFirstReadFails)
{
    auto reader = TWordReader::FromText("");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.WordsOnLine(), 0);
    EXPECT_EQ(MessageOf([&] { reader.ReadFloat(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, SplitsOnBlanksAndTabsWithoutEmptyWords)
{
    auto reader = TWordReader::FromText("  1 \t\t 2.5   -3e2\t \r\n7\r\n");
    EXPECT_EQ(reader.WordsOnLine(), 3);
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 2.5);
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), -300.0);
    EXPECT_EQ(reader.ReadInteger(), 7);
    EXPECT_TRUE(reader.AtEnd() == false);
    EXPECT_EQ(MessageOf([&] { reader.ReadInteger(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, IntegersAcceptIntegralValuesOnly)
{
    auto reader = TWordReader::FromText("5.00 5.0E+00 -2147483648 5.5 1e10");
    EXPECT_EQ(reader.ReadInteger(), 5);
    EXPECT_EQ(reader.ReadInteger(), 5);
    EXPECT_EQ(reader.ReadInteger(), -2147483648);
    EXPECT_EQ(MessageOf([&] { reader.ReadInteger(); }),
              "Error on Line 1 Item 4\rAn integer was expected but not found.");
    EXPECT_EQ(MessageOf([&] { reader.ReadInteger(); }),
              "Error on Line 1 Item 5\rAn integer was expected but not found.");
}

TEST(WordReader, BadWordNamesItsLineAndItem)
{
    auto reader = TWordReader::FromText("a\r\nb\r\nc\r\n1 2 x 4\r\n");
    reader.ReadLine();
    reader.ReadLine();
    reader.ReadLine();
    reader.ReadFloat();
    reader.ReadFloat();
    EXPECT_EQ(MessageOf([&] { reader.ReadFloat(); }),
              "Error on Line 4 Item 3\rA floating point number was expected but not found.");
    // The failing word was taken; the next one follows it.
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 4.0);
}

TEST(WordReader, RejectsWordsThatAreNotPlainDecimalNumbers)
{
    for (const char* word : {"1,5", "inf", "nan", "0x10", "1e", ".", "--1", "1.2.3"}) {
        auto reader = TWordReader::FromText(word);
        EXPECT_NE(MessageOf([&] { reader.ReadFloat(); }).find("A floating point number was expected"),
                  std::string::npos)
            << word;
    }
    auto reader = TWordReader::FromText(".5 -7. +2");
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 0.5);
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), -7.0);
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 2.0);
}

TEST(WordReader, ReadLineGivesTheWholeLineAndMovesOn)
{
    auto reader = TWordReader::FromText("  Pile A  \r\n3 4\r\n5\r\n");
    EXPECT_EQ(reader.ReadLine(), "  Pile A  ");
    EXPECT_EQ(reader.ReadInteger(), 3);
    // The line of a partly taken line is still given whole.
    EXPECT_EQ(reader.ReadLine(), "3 4");
    EXPECT_EQ(reader.ReadInteger(), 5);
    EXPECT_EQ(reader.ReadLine(), "5");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(MessageOf([&] { reader.ReadLine(); }), "This file either invalid or incomplete.");
    EXPECT_EQ(MessageOf([&] { reader.ReadFloat(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, AnEmptyLineAfterAFinishedLineEndsTheRead)
{
    auto reader = TWordReader::FromText("1\r\n\r\n2\r\n");
    EXPECT_EQ(reader.ReadInteger(), 1);
    EXPECT_EQ(MessageOf([&] { reader.ReadInteger(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, ReadsAFileWithPointDecimalsUnderACommaLocale)
{
    const auto path = std::filesystem::temp_directory_path() / "corvex_word_reader_test.txt";
    {
        std::ofstream file(path, std::ios::binary);
        file << "2.5 1.25E-1\n";
    }
    // Any installed locale with a decimal comma; the test still checks the reading without one.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) break;
    TWordReader reader(path.string());
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 2.5);
    EXPECT_DOUBLE_EQ(reader.ReadFloat(), 0.125);
    std::setlocale(LC_NUMERIC, saved.c_str());
    std::filesystem::remove(path);
}

TEST(WordReader, MissingFileRaisesAnInputOutputError)
{
    EXPECT_THROW(TWordReader("/nonexistent/folder/none.cx6d"), EInOutError);
}

} // namespace
