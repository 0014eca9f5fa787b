#include "model/Text.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(Text, SpanishIsThePatternFilledOnceAsWindows1252)
{
    Text t("core", "Objetos: %1/%2");
    t.arg(7).arg(40);
    EXPECT_EQ(t.spanish(), "Objetos: 7/40");

    // Words with letters outside ASCII are written as UTF-8 and stored as Windows-1252.
    EXPECT_EQ(Text("core", "Esperar Señal del Control Remoto").spanish(), "Esperar Se\xF1" "al del Control Remoto");

    // A value holding a place is not filled again; a place without a value stays; the order of the
    // places is the pattern's.
    Text named("core", "%2 antes que %1, y %3");
    named.arg("a%1").arg(Text("core", "b"));
    EXPECT_EQ(named.spanish(), "b antes que a%1, y %3");

    // Names the user typed keep their bytes, whatever they hold.
    EXPECT_EQ(Text("core", "Etiqueta %1").arg("\xD1" "and\xFA" " 100%").spanish(), "Etiqueta \xD1" "and\xFA" " 100%");
}

TEST(Text, LayoutsAndJoinsCarryTheirPiecesForTheTranslator)
{
    const Text joined = Text::joined({ Text("core", "Uno"), Text::literal("2"), Text("core", "Tres") }, "\r\n");
    EXPECT_EQ(joined.spanish(), "Uno\r\n2\r\nTres");
    EXPECT_EQ(joined.context(), nullptr);
    EXPECT_TRUE(Text::joined({}, ", ").empty());
    EXPECT_EQ(Text::joined({ Text("core", "Solo") }, ", ").pattern(), std::string("Solo"));

    EXPECT_TRUE(Text().empty());
    EXPECT_TRUE(Text::literal("").empty());
    EXPECT_FALSE(Text::literal("0").empty());
    EXPECT_TRUE(Text::literal("x").isLiteral());
}
