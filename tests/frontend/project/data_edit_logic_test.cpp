#include "project/data_edit_logic.h"

#include <gtest/gtest.h>

#include "project/message_layer.h"

namespace {

TEST(DataEditLogic, ExitCheckReplacesTheExpressionByItsValue)
{
    TDataEditLogic field;
    TMessageRecorder messages;
    EXPECT_EQ(field.Text(), "0");
    field.SetText("2*12.5");
    EXPECT_TRUE(field.ExitCheck(messages));
    EXPECT_TRUE(field.Valid());
    EXPECT_EQ(field.Text(), "25");
    EXPECT_TRUE(messages.Entries.empty());
}

TEST(DataEditLogic, LimitBreachesSetTheLimitAndSayWhy)
{
    TDataEditLogic field;
    field.SetMinVal(0.001);
    field.SetMaxVal(10);
    TMessageRecorder messages;
    field.SetText("20");
    EXPECT_FALSE(field.ExitCheck(messages));
    EXPECT_FALSE(field.Valid());
    ASSERT_EQ(messages.Entries.size(), 1u);
    EXPECT_EQ(messages.Entries[0].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Entries[0].Text, "Entry must be less than or equal to 10");
    EXPECT_DOUBLE_EQ(field.Number(), 10.0);

    field.SetText("0");
    EXPECT_FALSE(field.ExitCheck(messages));
    EXPECT_EQ(messages.Entries[1].Text, "Entry must be greater than or equal to 0.001");
    EXPECT_EQ(field.Text(), "0.001");
}

TEST(DataEditLogic, IntegerOnlyMessages)
{
    TDataEditLogic field;
    field.SetIntegerOnly(true);
    TMessageRecorder messages;
    field.SetText("2.5");
    EXPECT_FALSE(field.ExitCheck(messages));
    field.SetText("2+");
    EXPECT_FALSE(field.ExitCheck(messages));
    field.SetText("5/2*2");
    EXPECT_TRUE(field.ExitCheck(messages));
    ASSERT_EQ(messages.Entries.size(), 2u);
    EXPECT_EQ(messages.Entries[0].Text, "Entry must be an integer.");
    EXPECT_EQ(messages.Entries[1].Text, "Entry must be a valid integer.");
    // Integer limits stay inside the 32-bit range.
    EXPECT_EQ(field.MaxVal(), 2147483647.0);
    EXPECT_EQ(field.MinVal(), -2147483648.0);
}

TEST(DataEditLogic, EvaluatorErrorIsShownAsItIs)
{
    TDataEditLogic field;
    TMessageRecorder messages;
    field.SetText("abc");
    EXPECT_FALSE(field.ExitCheck(messages));
    EXPECT_EQ(messages.Entries.at(0).Text, "Entry could not be evaluated:\rinvalid character(s) in expression");
    EXPECT_EQ(field.Text(), "abc");
}

TEST(DataEditLogic, LimitsStayOrderedAndPullTheValueIn)
{
    TDataEditLogic field;
    field.SetNumber(50);
    field.SetMaxVal(10);
    EXPECT_EQ(field.Text(), "10");
    field.SetMinVal(20); // above the maximum: becomes the maximum
    EXPECT_EQ(field.MinVal(), 10.0);
    field.SetNumber(-5);
    EXPECT_EQ(field.Text(), "10");
    field.SetLoading(true);
    field.SetNumber(-5);
    EXPECT_EQ(field.Text(), "-5");
}

TEST(DataEditLogic, OperatorKeysExtendTheExpression)
{
    for (char key : std::string("+-/*^=%!")) EXPECT_TRUE(TDataEditLogic::ExtendsExpression(key)) << key;
    for (char key : std::string("0a.(e$")) EXPECT_FALSE(TDataEditLogic::ExtendsExpression(key)) << key;
}

TEST(DataEditLogic, HexDisplay)
{
    TDataEditLogic field;
    field.SetHex(true);
    field.SetNumber(255.4);
    EXPECT_EQ(field.Text(), "$00FF");
    field.SetNumber(74565);
    EXPECT_EQ(field.Text(), "$12345");
    EXPECT_DOUBLE_EQ(field.Number(), 74565.0);
}

TEST(DataEditLogic, LabelShowsTheUnitNameOfTheSystem)
{
    TDataEditLogic field;
    field.SetCaption("2. Undrained Shear Strength");
    EXPECT_EQ(field.LabelText(), "2. Undrained Shear Strength");
    field.SetUnitsString("F/L2^2");
    EXPECT_EQ(field.LabelText(), "2. Undrained Shear Strength (lbs/ft^2)");
    field.SetUnits(2);
    EXPECT_EQ(field.LabelText(), "2. Undrained Shear Strength (kN/m^2)");
    field.SetUnits(9);
    EXPECT_EQ(field.Units(), 3);
    field.SetUnits(0);
    EXPECT_EQ(field.Units(), 1);
}

} // namespace
