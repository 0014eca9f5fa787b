// The list of the worlds the examples need: read line by line, refused lines counted, and the
// shipped list naming shipped examples and worlds.
#include "challenges/ExampleWorlds.h"
#include "settings/ExampleList.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarvel;
namespace fs = std::filesystem;

TEST(ExampleWorlds, ReadsProgramAndWorldPairs)
{
    const ExampleWorlds list = parseExampleWorlds("Seguir la Linea.gtf%pista.json\r\n"
                                                  "  Sigue la Luz.gtf % luz.json \r\n"
                                                  "\r\n"
                                                  "sin mundo.gtf\r\n"
                                                  "x.gtf%../fuera.json\r\n"
                                                  "%\r\n");
    EXPECT_EQ(list.worldOf.size(), 2u);
    EXPECT_EQ(list.badLines, 2);
    EXPECT_EQ(list.worldFor("/home/ana/SEGUIR LA LINEA.GTF"), "pista.json");
    EXPECT_EQ(list.worldFor("Sigue la Luz.gtf"), "luz.json");
    EXPECT_FALSE(list.worldFor("Melodia.gtf").has_value());
    EXPECT_TRUE(parseExampleWorlds("").worldOf.empty());
    EXPECT_TRUE(loadExampleWorlds("/no/hay/carpeta").worldOf.empty());
}

TEST(ExampleWorlds, TheShippedListNamesShippedExamplesAndWorlds)
{
    const fs::path app = TARVEL_APPDIR;
    const ExampleWorlds list = loadExampleWorlds(app);
    EXPECT_EQ(list.badLines, 0);
    EXPECT_GE(list.worldOf.size(), 3u);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(app / "qp_list.txt", bytes));
    const ExampleListResult examples = parseExampleList(bytes);
    for (const char* example : {"Seguir la Linea.gtf", "Salir del Laberinto.gtf", "Sigue la Luz.gtf"}) {
        const auto world = list.worldFor(example);
        ASSERT_TRUE(world) << example;
        EXPECT_TRUE(fs::is_regular_file(app / "worlds" / *world)) << *world;
        EXPECT_TRUE(std::any_of(examples.entries.begin(), examples.entries.end(),
                                [&](const ExampleEntry& e) { return e.programFile == example; }))
            << example << " is an example of qp_list.txt";
    }
}
