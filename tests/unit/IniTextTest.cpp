#include "settings/IniText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(IniRead, ComparesSectionAndKeyNamesWithoutRegardToCase) {
    const std::string text = "[MULTIPLE]\r\nAncho=5\r\n";
    EXPECT_EQ(FindIniValue(text, "Multiple", "ancho"), "5");
    EXPECT_EQ(FindIniValue(text, "multiple", "ANCHO"), "5");
}

TEST(IniRead, IgnoresBlanksAroundNamesAndValues) {
    const std::string text = "  [ Multiple ]  \n\t ancho \t=   12  \r\n";
    EXPECT_EQ(FindIniValue(text, "Multiple", "ancho"), "12");
}

TEST(IniRead, GivesNothingForAMissingSectionOrKey) {
    const std::string text = "[Otra]\nancho=5\n[Multiple]\nalto=4\n";
    EXPECT_EQ(FindIniValue(text, "Multiple", "ancho"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "Nada", "alto"), std::nullopt);
    EXPECT_EQ(FindIniValue("", "Multiple", "alto"), std::nullopt);
}

TEST(IniRead, GivesEmptyTextForAKeyWithAnEmptyValue) {
    EXPECT_EQ(FindIniValue("[Multiple]\nancho=\n", "Multiple", "ancho"), "");
    EXPECT_EQ(FindIniValue("[Multiple]\nancho=   \n", "Multiple", "ancho"), "");
}

TEST(IniRead, DropsOnePairOfMatchingQuotes) {
    EXPECT_EQ(FindIniValue("[s]\nk=\"5\"\n", "s", "k"), "5");
    EXPECT_EQ(FindIniValue("[s]\nk='5'\n", "s", "k"), "5");
    EXPECT_EQ(FindIniValue("[s]\nk=\"5'\n", "s", "k"), "\"5'");
    EXPECT_EQ(FindIniValue("[s]\nk=\"\n", "s", "k"), "\"");
}

TEST(IniRead, IgnoresLinesBeforeTheFirstSectionAndLinesWithoutEquals) {
    const std::string text = "ancho=1\n[Multiple]\nancho\n; ancho=2\nalto=3\n";
    EXPECT_EQ(FindIniValue(text, "Multiple", "ancho"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "Multiple", "alto"), "3");
}

TEST(IniRead, TakesTheFirstLineOfTheKeyInAnySectionOfThatName) {
    const std::string text = "[Multiple]\nalto=1\n[Otra]\nancho=2\n[multiple]\nancho=3\nancho=4\n";
    EXPECT_EQ(FindIniValue(text, "Multiple", "ancho"), "3");
    EXPECT_EQ(FindIniValue(text, "Multiple", "alto"), "1");
}

TEST(IniRead, ReadsAFirstSectionAfterAByteOrderMark) {
    EXPECT_EQ(FindIniValue("\xEF\xBB\xBF[Multiple]\nancho=6\n", "Multiple", "ancho"), "6");
}

TEST(IniRead, KeepsBytesThatAreNotText) {
    const std::string text = "[Multiple]\nancho=7\0x\xFF\n"s;
    EXPECT_EQ(FindIniValue(text, "Multiple", "ancho"), "7\0x\xFF"s);
}

TEST(IniWrite, ReplacesAValueInPlaceKeepingEveryOtherByte) {
    const std::string before = "; mis ajustes\r\n[Otra]\nclave = valor \r\n\r\n[MULTIPLE]\r\n"
                               "  Ancho = 9 \r\nalto= 4\nextra=x\n\n[Fin]\nz=1";
    const std::string after = "; mis ajustes\r\n[Otra]\nclave = valor \r\n\r\n[MULTIPLE]\r\n"
                              "ancho= 3\r\nalto= 4\nextra=x\n\n[Fin]\nz=1";
    EXPECT_EQ(SetIniValue(before, "Multiple", "ancho", " 3"), after);
}

TEST(IniWrite, AddsAMissingKeyAfterTheLastLineOfItsSection) {
    const std::string before = "[Multiple]\r\nalto= 4\r\n; nota\r\n\r\n[Otra]\r\nancho=1\r\n";
    const std::string after =
        "[Multiple]\r\nalto= 4\r\n; nota\r\nancho= 3\r\n\r\n[Otra]\r\nancho=1\r\n";
    EXPECT_EQ(SetIniValue(before, "Multiple", "ancho", " 3"), after);
}

TEST(IniWrite, AddsAMissingSectionAtTheEndWithTheFilesLineEnding) {
    EXPECT_EQ(SetIniValue("[Otra]\nz=1\n", "Multiple", "ancho", " 3"),
              "[Otra]\nz=1\n[Multiple]\nancho= 3\n");
    EXPECT_EQ(SetIniValue("[Otra]\r\nz=1", "Multiple", "ancho", " 3"),
              "[Otra]\r\nz=1\r\n[Multiple]\r\nancho= 3\r\n");
    EXPECT_EQ(SetIniValue("", "Multiple", "ancho", " 3"), "[Multiple]\r\nancho= 3\r\n");
}

TEST(IniWrite, GivesALastLineWithoutEndingOneBeforeAddingAfterIt) {
    EXPECT_EQ(SetIniValue("[Multiple]\nalto= 4", "Multiple", "ancho", " 3"),
              "[Multiple]\nalto= 4\nancho= 3\n");
    EXPECT_EQ(SetIniValue("[Multiple]\nancho= 4", "Multiple", "ancho", "-5"),
              "[Multiple]\nancho=-5");
}

TEST(IniWrite, WhatIsWrittenReadsBack) {
    const std::string texts[] = {"",
                                 "[Multiple]",
                                 "[Multiple]\nancho",
                                 "x\n[multiple]\r\n",
                                 "[Multiple]\nancho=1\n[Multiple]\nancho=2\n",
                                 "\n\n\n",
                                 "\xEF\xBB\xBF[Multiple]\nalto=2"};
    for (const std::string& text : texts) {
        const std::string written = SetIniValue(text, "Multiple", "ancho", " 17");
        EXPECT_EQ(FindIniValue(written, "Multiple", "ancho"), "17") << testing::PrintToString(text);
        EXPECT_EQ(FindIniValue(written, "Multiple", "alto"), FindIniValue(text, "Multiple", "alto"))
            << testing::PrintToString(text);
    }
}

} // namespace
