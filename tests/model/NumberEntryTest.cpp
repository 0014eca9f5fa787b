#include "model/NumberEntry.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(NumberEntry, DigitsWithinTheRangeOnly)
{
    const NumberRange constant { 0, 255 };
    for (const char* text : { "0", "7", "255", " 42", "0255" })
        EXPECT_EQ(checkNumberEntry(text, constant), EntryCheck::Acceptable) << text;
    // Letters become no number at all: refused rather than read as 0.
    for (const char* text : { "a", "12a", "1.5", "-1", "4 2", "256", "300", "99999999999999999999", "x1" })
        EXPECT_EQ(checkNumberEntry(text, constant), EntryCheck::Refused) << text;
    EXPECT_EQ(checkNumberEntry("", constant), EntryCheck::Intermediate);
    EXPECT_EQ(checkNumberEntry("  ", constant), EntryCheck::Intermediate);

    // Below a range that starts higher, a number may still grow into it.
    const NumberRange frequency { 100, 9999 };
    EXPECT_EQ(checkNumberEntry("5", frequency), EntryCheck::Intermediate);
    EXPECT_EQ(checkNumberEntry("500", frequency), EntryCheck::Acceptable);
    EXPECT_EQ(checkNumberEntry("10000", frequency), EntryCheck::Refused);
}

TEST(NumberEntry, AListedValueKeepsItsUnit)
{
    const NumberRange frequency { 100, 9999 };
    const std::vector<std::string> units { "Hz (Do)", "Hz (Sol)", "Hz" };
    for (const char* text : { "262Hz (Do)", "392Hz (Sol)", "440Hz", "26Hz (Do)", "262Hz (D", "262H", " 440" })
        EXPECT_NE(checkNumberEntry(text, frequency, units), EntryCheck::Refused) << text;
    for (const char* text : { "262Hz (Re)", "262hz", "262 Hz", "Do", "262Hz (Do)x" })
        EXPECT_EQ(checkNumberEntry(text, frequency, units), EntryCheck::Refused) << text;
    EXPECT_EQ(checkNumberEntry("Hz (Do)", frequency, units), EntryCheck::Intermediate);
    EXPECT_EQ(checkNumberEntry("440Hz", frequency), EntryCheck::Refused); // no unit offered, none taken
}

TEST(NumberEntry, TheRefusalNamesTheRange)
{
    EXPECT_EQ(numberRangeMessage({ 0, 245 }).text, "Solo se Aceptan Numeros de 0 a 245");
    EXPECT_EQ(numberRangeMessage({ 100, 9999 }).text, "Solo se Aceptan Numeros de 100 a 9999");
}
