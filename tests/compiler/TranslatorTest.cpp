#include "BuildTestSupport.h"

#include "compiler/Translator.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;

namespace {

// Translates one element with a library made of `lines`.
class Translating : public ::testing::Test {
protected:
    std::string translate(std::initializer_list<std::string> lines, const InstructionRecord& r, int sequence = 0)
    {
        library = libraryFromLines(lines);
        translator.startBuild(library, settings);
        translator.elementCounter = 1; // past the fixed header
        return translator.TranslateElement(r, sequence);
    }
    CompilationLibrary library;
    ProgramSettings settings;
    Translator translator;
};

} // namespace

TEST_F(Translating, StartElementWithFixedHeader)
{
    library = libraryFromLines({"FIXHEAD", "{", "FSIZE 3", "VRoja VAR 1", "}", "MOD 17 10 10", "{", "FSIZE 2",
                                "_PLACECLABEL:", " NOP", "}"});
    ProgramStore store;
    store.setElementSizes(library.elementSizeTable);
    store.newProgram();
    const std::string text = translator.TranslateProgram(store, library);
    EXPECT_EQ(text, "VRoja VAR 1\r\n\r\n;Inicio del Programa  [2]\r\nC0_Inicio:\r\n  NOP \r\n\r\n\r\n            END\r\n");
    EXPECT_EQ(translator.memoryUsed, 5);
    EXPECT_EQ(translator.generatedSource, text);
}

TEST_F(Translating, NoCodeCommentAndDefault)
{
    InstructionRecord r = element(10, 10, 10, 0, 0, 0, "AB");
    r.description = " Encender Motor(es) para Avanzar [0] ";
    EXPECT_EQ(translate({"DEFAULT", "{", "FSIZE 2", " NOP", "}"}, r),
              ";No Code for:  10,  10,  10  (Encender Motor(es) para Avanzar [0])\r\n  NOP \r\n\r\n");
    EXPECT_EQ(translator.memoryUsed, 2);
    EXPECT_EQ(translate({}, r), ";No Code for:  10,  10,  10  (Encender Motor(es) para Avanzar [0])\r\n\r\n");
    // Codes outside 10..26 produce nothing at all.
    EXPECT_EQ(translate({"DEFAULT", "{", " NOP", "}"}, element(100, 0, 10)), "\r\n");
}

TEST_F(Translating, IndentationCommasAndOperands)
{
    const auto r = element(10, 10, 10, 1, 300, 3);
    EXPECT_EQ(translate({"MOD 10 10 10", "{", "  MOV _VAR1,_CST1", "}"}, r), "   MOV VRoja, 1\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " X _VAR1 ,_CST1", "}"}, r), "  X _VAR1 , 1\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", "Nombre VAR _CST1", "}"}, r), "Nombre VAR _CST1\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", "Nombre _CST1,_VAR2", "}"}, r), "Nombre  1 300\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " Q _HCST2,_LCST2,_NOTCST1,_RSLT", "}"}, r),
              "  Q  1, 44,-2,VVerde\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " Q a,,b", "}"}, r), "  Q a\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " NOP ; comentario", "", "}"}, r), "  NOP \r\n\r\n");
}

TEST_F(Translating, FirstLineCommentEmptiesTheTemplate)
{
    const auto r = element(10, 10, 10);
    EXPECT_EQ(translate({"MOD 10 10 10", "{", "; nada", " NOP", "}"}, r), "\r\n");
    // After FSIZE the first raw line starts with a line feed, so the rule does not apply.
    EXPECT_EQ(translate({"MOD 10 10 10", "{", "FSIZE 1", "; nota", " NOP", "}"}, r), "  NOP \r\n\r\n");
}

TEST_F(Translating, AutomaticLabelsAreNewForEachExpansion)
{
    const std::initializer_list<std::string> lib = {"MOD 10 10 10", "{", "  NEW_AUTOLABEL 3", "_AUTOLABEL: 3",
                                                    " JMP _AUTOLABEL3", "}"};
    EXPECT_EQ(translate(lib, element(10, 10, 10)), "   _AutoLabel1:\r\n  JMP _AutoLabel1\r\n\r\n");
    EXPECT_EQ(translator.TranslateElement(element(10, 10, 10), 0), "   _AutoLabel2:\r\n  JMP _AutoLabel2\r\n\r\n");
    // Beyond 127 labels the numbers keep counting and definitions still match their references.
    for (int i = 0; i < 200; ++i)
        translator.TranslateElement(element(10, 10, 10), 0);
    EXPECT_EQ(translator.TranslateElement(element(10, 10, 10), 0), "   _AutoLabel203:\r\n  JMP _AutoLabel203\r\n\r\n");
}

TEST_F(Translating, LabelsAndNames)
{
    const auto r = element(17, 12, 10, 0, 0, 0, "aBc");
    EXPECT_EQ(translate({"MOD 17 12 10", "{", "_PLACELABEL:", "_PLACECLABEL:", " J _LABEL,_CLABEL", "}"}, r, 3),
              "aBc:\r\nC3_aBc:\r\n  J aBc,C3_aBc\r\n\r\n");
    EXPECT_EQ(translate({"MOD 17 12 10", "{", " L _LABEL_ABC,_LABEL_NOTABC", "}"}, r), "  L  7, 0\r\n\r\n");
    EXPECT_EQ(translate({"MOD 17 12 10", "{", " L _LABEL_ABC,_LABEL_NOTABC", "}"}, element(17, 12, 10, 0, 0, 0, "A-C")),
              "  L  5, 2\r\n\r\n");
}

TEST_F(Translating, SettingsPlaceholders)
{
    settings.lightThreshold = 248;
    settings.senseTimeout = 30000;
    settings.countTimeout = 250; // 2.5 rounds to 2, 25 stays
    settings.motorTime = 405;    // 40.5 rounds to 40
    settings.motorSpin = 850;
    settings.appId = 31;
    settings.directionMode = 1;
    const auto r = element(10, 10, 10);
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " G _GLOBAL_LUZ,_GLOBAL_SENSE100_TO,_GLOBAL_COUNT100_TO,_GLOBAL_COUNT10_TO", "}"}, r),
              "  G VVerde,255,2,25\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " G _GLOBAL_MOTTIME,_GLOBAL_APPID,_GLOBAL_DIRMODE,_GLOBAL_SENSE10_TO", "}"}, r),
              "  G 40,223,1,255\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " S _GLOBAL_SPIN_45,_GLOBAL_SPIN_90,_GLOBAL_SPIN_315", "}"}, r),
              "  S 8.5,17,59.5\r\n\r\n");
    settings.lightThreshold = 150;
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " G _GLOBAL_LUZ", "}"}, r), "  G 150\r\n\r\n");
}

TEST_F(Translating, LightTemplatesFollowTheThreshold)
{
    const std::initializer_list<std::string> lib = {"MOD 13 12 10", "{", "FSIZE 1", " VARIABLE _GLOBAL_LUZ", "}",
                                                    "MOD 13 12 12", "{", "FSIZE 3", " FIJO _GLOBAL_LUZ", "}",
                                                    "MOD 15 16 10", "{", "FSIZE 4", " FIJO", "}",
                                                    "MOD 15 16 11", "{", "FSIZE 5", " VARIABLE", "}"};
    settings.lightThreshold = 248;
    EXPECT_EQ(translate(lib, element(13, 12, 12)), "  VARIABLE VVerde\r\n\r\n");
    EXPECT_EQ(translator.memoryUsed, 1);
    EXPECT_EQ(translate(lib, element(15, 16, 10)), "  VARIABLE \r\n\r\n");
    settings.lightThreshold = 245;
    EXPECT_EQ(translate(lib, element(13, 12, 12)), "  FIJO  0\r\n\r\n"); // above 244 names a variable, 245 none
    EXPECT_EQ(translate(lib, element(15, 16, 11)), "  FIJO \r\n\r\n");
    EXPECT_EQ(translator.memoryUsed, 4);
}

TEST_F(Translating, ArithmeticPlaceholdersWithLocals)
{
    const auto r = element(10, 10, 10, 10, 7);
    EXPECT_EQ(translate({"MOD 10 10 10", "{", "_?B3", " A _CST1-?B,_CST1+?B,_CST1*?B,_CST1/?B", " B _-CST2?B,_+CST2?B,_*CST2?B,_/CST2?B",
                         " C _?-CST1B,_?+CST1B,_?*CST1B,_/CST1?B", " D _?-CST2B,_?+CST2B,_?*CST2B,_?/CST2B", "}"},
                        r),
              "\r\n  A  7, 13, 30, 3\r\n  B  4, 10, 21, 2\r\n  C -7, 13, 30, 0\r\n  D -4, 10, 21, 0\r\n\r\n");
    // Locals live on into later templates; division by zero and unknown locals give 0.
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " E _CST1/?Z,_CST1-?B,_CST1+?", "_?Z0", " F _CST1/?Z", "}"}, r),
              "  E  0, 7, 10\r\n\r\n  F  0\r\n\r\n");
    EXPECT_EQ(translate({"MOD 10 10 10", "{", " G _CST1*?B", "}"}, element(10, 10, 10, -3)), "  G  247\r\n\r\n");
}

TEST_F(Translating, PathSteps)
{
    InstructionRecord path = element(10, 16, 10, 25, 99, 0, "Camino");
    std::string text(1, '\x01');
    for (int s = 0; s < 21; ++s)
        text += {char(s + 1), char(10), char(0x3A)}; // option byte: low 4 bits 10
    setText(path.text, text.substr(0, 64));
    const std::initializer_list<std::string> lib = {"MOD 18 10 10", "{", "FSIZE 2", " AV _CST2", "}",
                                                    "MOD 10 17 10", "{", "FSIZE 9", " FIN", "}"};
    const std::string out = translate(lib, path);
    EXPECT_EQ(std::count(out.begin(), out.end(), 'V'), 20); // 20 steps of 25
    EXPECT_NE(out.find("  AV  2\r\n  AV  3\r\n"), std::string::npos); // 1.5 x 1 -> 2, 1.5 x 2 -> 3
    EXPECT_NE(out.find("  FIN \r\n\r\n"), std::string::npos);
    EXPECT_EQ(translator.memoryUsed, 40);

    // Unknown step codes give their comment and the default code, never a failure.
    setText(path.text, std::string("\x00\x05\x63\x0A\x05\x12\x0C", 7));
    path.arg1 = 2;
    settings.directionMode = 1;
    EXPECT_EQ(translate({"DEFAULT", "{", "FSIZE 1", " D", "}"}, path),
              ";No Code for:  10,  16,  10  ()\r\n  D \r\n;No Code for: TrueTour, 99,  10, \r\n  D \r\n"
              ";No Code for: TrueTour, 18,  12, \r\n  D \r\n\r\n");
}

TEST_F(Translating, MelodyNotes)
{
    InstructionRecord melody = element(11, 12, 14, 20, 0, 0, "T");
    for (int i = 0; i < 64; ++i)
        melody.text[std::size_t(i)] = std::uint8_t(i);
    melody.description = "Reproducir Melodia (T) [60]";
    const std::string out = translate({"MOD 11 12 14", "{", "FSIZE 3", " N _XCST1,_XCST4,_XCST5", "}"}, melody);
    EXPECT_EQ(out.substr(0, 50), ";Reproducir Melodia (T) [60]\r\n  N  0, 3, 0\r\n  N  4");
    EXPECT_NE(out.find("  N  60, 63, 0\r\n\r\n"), std::string::npos); // 16 notes at most
    EXPECT_EQ(translator.memoryUsed, 48);
    melody.arg1 = 0;
    EXPECT_EQ(translate({"MOD 11 12 14", "{", " N", "}"}, melody), "\r\n");
}

TEST_F(Translating, SubroutineBalance)
{
    library = libraryFromLines({});
    translator.startBuild(library, settings);
    translator.TranslateElement(element(17, 13, 10), 1);
    EXPECT_EQ(translator.subroutineBalance, 1);
    translator.TranslateElement(element(17, 15, 10), 1);
    EXPECT_EQ(translator.subroutineBalance, 0);
    translator.TranslateElement(element(17, 15, 10), 1);
    EXPECT_EQ(translator.subroutineBalance, 1);
}

TEST(TranslationNames, VariablesAndSourceFiles)
{
    EXPECT_EQ(VariableSourceName(1), "VRoja");
    EXPECT_EQ(VariableSourceName(5), "VNaranja");
    EXPECT_EQ(VariableSourceName(6), " 6");
    EXPECT_EQ(VariableSourceName(-1), "-1");
    EXPECT_EQ(sourceFileName("Robot.GTF", true), "Robot.src");
    EXPECT_EQ(sourceFileName("Robot", true), "Robot.src");
    EXPECT_EQ(sourceFileName("Robot.gtf", false), "SysTemp.src");
}
