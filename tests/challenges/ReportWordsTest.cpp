// The core's texts in English without Qt: the translation file read as the translator reads it.
#include "challenges/GradeReport.h"
#include "challenges/ReportWords.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(ReportWords, OnlyFinishedTranslationsAreUsedAndTheirEscapesAreUndone)
{
    const TranslationTable table = TranslationTable::parse(R"(<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>core</name>
    <message>
        <source>Llegar a %1</source>
        <translation>Reach %1</translation>
    </message>
    <message>
        <source>Dijo &quot;sí&quot; &amp; &lt;nada&gt;<byte value="xd"/>
</source>
        <translation>Said &quot;yes&quot; &amp; &lt;nothing&gt;<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>A medias</source>
        <translation type="unfinished">Half</translation>
    </message>
    <message>
        <source>Vacío</source>
        <translation></translation>
    </message>
</context>
<context>
    <name>otro</name>
    <message>
        <source>Alumno</source>
        <translation>Pupil</translation>
    </message>
</context>
</TS>)");
    EXPECT_EQ(table.size(), 3u);
    EXPECT_EQ(*table.find("core", "Dijo \"sí\" & <nada>\r\n"), "Said \"yes\" & <nothing>\r\n");
    EXPECT_EQ(table.find("core", "A medias"), nullptr);
    EXPECT_EQ(table.find("core", "Alumno"), nullptr); // another context's
    // The place is filled after the pattern is translated; what has no translation stays Spanish.
    EXPECT_EQ(table.render(Text("core", "Llegar a %1").arg(Text("core", "A medias"))), "Reach A medias");
    EXPECT_EQ(table.render(Text("core", "Llegar a %1").arg("la \xE1rea")), "Reach la \xC3\xA1rea"); // UTF-8
    EXPECT_EQ(table.render(Text::sentence("Vac\xEDo")), "Vac\xC3\xADo");
    // A value holding "%1" is not filled again.
    EXPECT_EQ(table.render(Text("core", "Llegar a %1").arg("%1")), "Reach %1");
    // Broken input leaves messages out, never crashes.
    for (const char* broken : {"<context><name>core</name><message><source>x", "<context>", "&bogus;<message>",
                               "<context><name>core</name><message><source>a&zz;</source><translation>b"
                               "</translation></message></context>"})
        EXPECT_EQ(TranslationTable::parse(broken).size(), 0u) << broken;
}

TEST(ReportWords, TheEmbeddedFileGivesTheReportsEnglishAndEveryPatternOfItIsFilledTheSame)
{
    EXPECT_GT(TranslationTable::parse(englishTranslationFile()).size(), 500u);
    EXPECT_EQ(englishWords(Text("core", "Alumno")), "Student");
    EXPECT_EQ(englishWords(starsText(2)), "2 stars");
    EXPECT_EQ(englishWords(secondsWords(12.34)), "12.3");
    EXPECT_EQ(spanishWords(secondsWords(12.34)), "12,3");
    EXPECT_EQ(spanishWords(secondsWords(12.34)), secondsText(12.34)); // the Spanish reports are as they were
}
