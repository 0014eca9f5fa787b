#include "settings/ExampleList.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(ExampleList, ReadsEntriesPerList)
{
    const auto r = parseExampleList("9 luces.gtf%luces.txt%Luces que Bailan\r\n"
                                    "0 a.gtf%VOID%Primero\r\n"
                                    "9 b.gtf%b.txt%Segundo\r\n"
                                    "%\r\n9 c.gtf%c%no se lee\r\n");
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_TRUE(r.problems.empty());
    EXPECT_EQ(r.entries[0].list, 9);
    EXPECT_EQ(r.entries[0].index, 0);
    EXPECT_EQ(r.entries[0].programFile, "luces.gtf");
    EXPECT_EQ(r.entries[0].helpFile, "luces.txt");
    EXPECT_EQ(r.entries[0].caption, "Luces que Bailan");
    EXPECT_EQ(r.entries[1].list, 0);
    EXPECT_EQ(r.entries[2].index, 1);
}

TEST(ExampleList, BadLinesAreReportedAndSkipped)
{
    std::string text;
    for (int i = 0; i < 9; ++i)
        text += "1 p" + std::to_string(i) + ".gtf%h%Item " + std::to_string(i) + "\r\n"; // 8 fit the menu
    text += "X roto.gtf%h%Malo\r\n";
    text += "2 sin separadores\r\n";
    text += "2 bien.gtf%h%Bien\r\n";
    const auto r = parseExampleList(text, "/app/qp_list.txt");
    ASSERT_EQ(r.problems.size(), 3u);
    EXPECT_EQ(r.problems[0], "/app/qp_list.txt, linea 9: la lista 1 ya esta completa");
    EXPECT_NE(r.problems[1].find("linea 10"), std::string::npos);
    EXPECT_NE(r.problems[2].find("linea 11"), std::string::npos);
    ASSERT_EQ(r.entries.size(), 9u);
    EXPECT_EQ(r.entries.back().caption, "Bien");
    EXPECT_EQ(r.entries.back().list, 2);
}

TEST(ExampleList, ShortOrEmptyFiles)
{
    EXPECT_TRUE(parseExampleList("").entries.empty());
    EXPECT_TRUE(parseExampleList("9 ").entries.empty());
    const auto r = parseExampleList("9 a.gtf%h%Sin fin de linea");
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_EQ(r.entries[0].caption, "Sin fin de linea");
    EXPECT_EQ(exampleMenuItems(9), 13);
    EXPECT_EQ(exampleMenuItems(5), 0);
}

TEST(ExampleList, HelpTexts)
{
    const std::string folder = TARVEL_APPDIR;
    EXPECT_TRUE(exampleHelpText(folder, "Melodia.txt").has_value());
    EXPECT_FALSE(exampleHelpText(folder, "VOID"));
    EXPECT_FALSE(exampleHelpText(folder, "void"));
    EXPECT_FALSE(exampleHelpText(folder, " a.b "));   // 4 characters or less
    EXPECT_FALSE(exampleHelpText(folder, "no-hay.txt")); // not there: no help
    EXPECT_FALSE(exampleHelpText("/dev", "./zero")); // a device is read no more than a missing file
    EXPECT_FALSE(exampleHelpText("/", "proc/")); // nor a folder
}

TEST(ExampleList, TheListFileIsReadOrSaysWhyNot)
{
    const auto shipped = loadExampleList(std::string(TARVEL_APPDIR) + "/qp_list.txt");
    EXPECT_TRUE(shipped.problems.empty());
    EXPECT_GT(shipped.entries.size(), 5u);

    EXPECT_TRUE(loadExampleList("/no/existe/qp_list.txt").problems.empty()); // no list, no examples
    const auto device = loadExampleList("/dev/zero");
    EXPECT_TRUE(device.entries.empty());
    ASSERT_EQ(device.problems.size(), 1u);
    EXPECT_NE(device.problems[0].find("/dev/zero: "), std::string::npos);
}
