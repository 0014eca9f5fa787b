#include "BuildTestSupport.h"

#include "compiler/Assembler.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tarvel;
using namespace testsupport;

namespace
{

class Assembling : public ::testing::Test
{
protected:
    Assembling()
        : library(
            LoadLibraryBytes({}, readFile(std::string(TARVEL_TEST_DATA) + "/every_kind.LIB"), "every_kind.LIB").library)
        , assembler(library)
    {
    }

    // Assembles the lines (END appended) and returns the image.
    std::vector<std::uint8_t> assemble(std::vector<std::string> lines)
    {
        lines.push_back(" END");
        assembler.reset();
        assembler.clearImage();
        assembler.assembleLines(lines);
        return { assembler.programImage.begin(),
            assembler.programImage.begin() + std::min(assembler.imageLength, kImageBytes) };
    }

    CompilationLibrary library;
    Assembler assembler;
};

using Bytes = std::vector<std::uint8_t>;

} // namespace

TEST_F(Assembling, EveryOperandKind)
{
    EXPECT_EQ(assemble({ " NOP", " nop2" }), (Bytes { 0x01, 0x00, 0x02 }));
    EXPECT_EQ(assemble({ " JMP 100" }), (Bytes { 0x03, 100 }));
    EXPECT_EQ(assemble({ " EEW 5, 127", " RAMW 7, 63" }), (Bytes { 0x04 | 5 << 5, 127, 0x05 | 7 << 5, 63 }));
    EXPECT_EQ(
        assemble({ " INV 3", " OUTV 2", " MOV 1, 6" }), (Bytes { 0x06 | 3 << 5, 2 << 5, 0x07, 1 << 5 | 6 << 2, 0x08 }));
    EXPECT_EQ(assemble({ " BIT 4, 7", " INC 5" }), (Bytes { 4 << 5 | 7 << 2, 0x09, 0x0A | 5 << 5 }));
    EXPECT_EQ(assemble({ " OUTC 255", " LDI 2, 200", " LDI 2,9" }),
        (Bytes { 0x0B, 255, 0x0C | 2 << 5, 200, 0x0C | 2 << 5, 9 }));
    EXPECT_EQ(assemble({ " QUAD 1, 2, $FF, %101" }), (Bytes { 0x0D, 1, 2, 255, 5 }));
    EXPECT_EQ(assemble({ " DJNZ 1, 127", " SIX 63" }), (Bytes { 0x0E | 1 << 5, 127, 63 << 2, 0x0F }));
    EXPECT_EQ(assemble({ " LJMP 90", " VCST 3, 'A", " VJMP 7, 1" }),
        (Bytes { 240, 0x10, 90, 3 << 5, 0x11, 65, 7 << 5, 0x12, 1 }));
    EXPECT_EQ(assemble({ " MOVE GIRA, SEG, 100" }), (Bytes { 3 << 5 | 3 << 2, 100 | 128 })); // names from the library
    EXPECT_EQ(assembler.assemblyErrorsText, "");
}

TEST_F(Assembling, LabelsConstantsAndVariables)
{
    const auto image = assemble({ "inicio:", " JMP fin", "K CONST 7", "V VAR 3", "E EEP 100", "X EQU $10", " LDI V, K",
        " EEW V, E", " OUTC X", "fin", " JMP inicio" });
    EXPECT_EQ(image, (Bytes { 0x03, 8, 0x0C | 3 << 5, 7, 0x04 | 3 << 5, 100, 0x0B, 16, 0x03, 0 }));
    EXPECT_EQ(assembler.assemblyErrorsText, "");
    EXPECT_TRUE(assembler.assemblyDone);
    // A definition written with a symbol reads it as 0 (the first pass does not look symbols up).
    EXPECT_EQ(assemble({ "A CONST 9", "B CONST A", " OUTC B" }), (Bytes { 0x0B, 0 }));
    // Symbols are case-sensitive, mnemonics are not.
    assemble({ "K CONST 1", " outc k" });
    EXPECT_EQ(assembler.assemblyErrorsText, " 2 - Error: Argumento Invalido [1001] : k\r\n");
}

TEST_F(Assembling, DataDirectives)
{
    EXPECT_EQ(assemble({ " DW $1234", " DB 300, 7", " DDW 5", " DS \"Hola\"", " DS 'x'", " DS noquote" }),
        (Bytes { 0x12, 0x34, 44, 7, 'H', 'o', 'l', 'a', 'x' }));
    EXPECT_EQ(assembler.assemblyErrorsText, " 2 - Aviso: Valor Truncado [2001] : 300\r\n");
    EXPECT_EQ(assembler.assemblyErrorCount, 0);
    EXPECT_EQ(assemble({ " ORG 4", " DB 1" }), (Bytes { 0, 0, 0, 0, 1 }));
    assemble({ " ORG 200" });
    EXPECT_EQ(assembler.assemblyErrorsText, " 1 - Error: ORG definido fuera de la memoria existente [1012] :  200\r\n");
}

TEST_F(Assembling, NumberForms)
{
    EXPECT_EQ(assemble({ " DB $12345" }), (Bytes { 0x34 })); // $1234 & 255
    EXPECT_EQ(assembler.assemblyErrorsText, " 1 - Aviso: Valor Truncado [2001] : $12345\r\n");
    EXPECT_EQ(assemble({ " DB %00000000000000011", " DB 123456", " DB 12.5, 13.5, '", " DB $zz" }),
        (Bytes { 1, 12345 & 255, 12, 14, 0, 0 }));
    assemble({ " DB -1" });
    EXPECT_EQ(assembler.assemblyErrorsText, " 1 - Error: Argumento Invalido [1001] : -1\r\n");
}

TEST_F(Assembling, MessagesForBadLines)
{
    assemble({ "dup", "dup", "C CONST 1", "C CONST 2", "V VAR 1", "V VAR 1", "E EEP 1", "E EEP 1", "x NOP", " FOO 1" });
    EXPECT_EQ(assembler.assemblyErrorsText,
        " 2 - Error: Etiqueta ya utilizada [1003] : dup\r\n"
        " 4 - Error: Constante ya utilizada [1004] : C\r\n"
        " 6 - Error: Variable ya utilizada [1005] : V\r\n"
        " 8 - Error: Variable EEPROM ya utilizada [1006] : E\r\n"
        " 9 - Error: Operador Inexistente [1009] : NOP\r\n"
        " 10 - Error: Instruccion Inexistente [1008] : FOO\r\n");
    EXPECT_EQ(assembler.assemblyErrorCount, 6);
    EXPECT_EQ(assembler.assemblyPass, 0); // errors in the first pass: no second pass
}

TEST_F(Assembling, RangeWarningsAndErrors)
{
    assemble({ "V VAR 9", "E EEP 200", " JMP 128", " EEW 9, 130", " RAMW 1, 64", " BIT 1, 8", " INC 9", " OUTC 256",
        " SIX 64", " MOVE 8, 1, 128" });
    EXPECT_EQ(assembler.assemblyErrorsText,
        " 1 - Aviso: Variable RAM fuera del memoria (Truncado) [2002] :  9\r\n"
        " 2 - Aviso: Variable EEPROM fuera de memoria (Truncado) [2003] :  200\r\n"
        " 3 - Error: Salto fuera de memoria [1011] :  128\r\n"
        " 4 - Aviso: Variable RAM fuera del memoria (Truncado) [2002] :  9\r\n"
        " 4 - Aviso: Variable EEPROM fuera de memoria (Truncado) [2003] :  130\r\n"
        " 5 - Aviso: Acceso a RAM del CPU fuera de memoria (Truncado) [2004] :  64\r\n"
        " 6 - Aviso: Numero de bit fuera de rango (0 a 7) (Truncado) [2008] :  8\r\n"
        " 7 - Aviso: Valor Truncado [2001] :  9\r\n"
        " 8 - Aviso: Argumento fuera de rango (truncado) [2009] :  256\r\n"
        " 9 - Aviso: Argumento fuera de rango (truncado) [2009] :  64\r\n"
        " 10 - Aviso: Argumento fuera de rango (truncado) [2009] :  8\r\n"
        " 10 - Aviso: Argumento fuera de rango (truncado) [2009] :  128\r\n");
    EXPECT_EQ(assembler.assemblyErrorCount, 1);
    EXPECT_EQ(assembler.programImage[0], 0x03);
    EXPECT_EQ(assembler.programImage[1], 128); // written reduced
}

TEST_F(Assembling, MissingOperandStops)
{
    assemble({ " QUAD 1, 2", " JMP 200" });
    EXPECT_EQ(
        assembler.assemblyErrorsText, " 1 - Error: Falta un Argumento para la instruccion invocada [1010] : QUAD\r\n");
    EXPECT_TRUE(assembler.assemblyDone);
}

TEST_F(Assembling, TooManySymbolsStop)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 130; ++i)
        lines.push_back("v" + std::to_string(i) + " VAR 1");
    assemble(lines);
    EXPECT_EQ(assembler.assemblyErrorsText, " 129 - Error: Demasiadas Variables en uso! [3002] : v128\r\n");
    EXPECT_TRUE(assembler.assemblyDone);

    lines.clear();
    for (int i = 0; i < 1030; ++i)
        lines.push_back("l" + std::to_string(i));
    lines.push_back(" JMP l999");
    assemble(lines);
    EXPECT_EQ(assembler.assemblyErrorsText, " 1025 - Error: Demasiadas Etiquetas en uso! [3001] : l1024\r\n");
}

TEST_F(Assembling, ReferenceToTheThousandthLabel)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i)
        lines.push_back("l" + std::to_string(i));
    lines.push_back(" JMP l999");
    for (int i = 0; i < 200; ++i)
        lines.push_back("c" + std::to_string(i) + " CONST " + std::to_string(i % 7));
    lines.push_back(" OUTC c199");
    EXPECT_EQ(assemble(lines), (Bytes { 0x03, 0, 0x0B, 199 % 7 }));
}

TEST_F(Assembling, TooManyErrorsCancel)
{
    std::vector<std::string> lines(200, " FOO");
    assemble(lines);
    EXPECT_EQ(assembler.assemblyErrorCount, 151);
    EXPECT_NE(assembler.assemblyErrorsText.find("Compilacion cancelada por exceso de errores!\r\n"), std::string::npos);
    // The message values list the same lines as the text.
    EXPECT_EQ(assemblyListSpanish(assembler.messages, assembler.cancelledAt), assembler.assemblyErrorsText);
}

TEST_F(Assembling, NeverWritesPastTheImage)
{
    // The first pass stops feeding lines once the count passes 2040 bytes: nothing is emitted, and
    // the stop is an error, not an assembly that looks complete.
    assemble({ " ORG 127", " DS \"" + std::string(3000, 'x') + "\"" });
    EXPECT_EQ(assembler.assemblyPass, 0);
    EXPECT_EQ(assembler.assemblyErrorsText, " 2 - Error: Codigo fuera de la memoria de programa [1013] :  3127\r\n");
    EXPECT_EQ(assembler.assemblyErrorCount, 1);
    // An ORG written with a symbol counts as 0 in the first pass; in the second the same line
    // would run past the image, and is stopped with its own error.
    assemble({ "K CONST 100", " ORG K", " DS \"" + std::string(2000, 'z') + "\"", " NOP" });
    EXPECT_EQ(assembler.assemblyErrorsText, " 3 - Error: Codigo fuera de la memoria de programa [1013] :  2049\r\n");
    EXPECT_TRUE(assembler.assemblyDone);
    EXPECT_EQ(assembler.imageLength, kImageBytes);
    EXPECT_EQ(assembler.programImage[kImageBytes - 1], 'z');
}

TEST_F(Assembling, CommentsAndEmptyLines)
{
    EXPECT_EQ(assemble({ "", "; comentario", " NOP ; despues", "   ", "\tetiqueta" }), (Bytes { 0x01 }));
    EXPECT_EQ(assembler.labelSymbols.size(), 1u);
    EXPECT_EQ(assembler.labelSymbols[0].name, "\tetiqueta");
}

// The code table against its reference list: each code's kind, effect and listed line, and the row
// a number outside the table falls back to.
TEST(AssemblyCodes, TableMatchesTheReferenceList)
{
    std::istringstream list(readFile(std::string(TARVEL_TEST_DATA) + "/assembler_codes.txt"));
    std::vector<AssemblyCode> codes(std::begin(kAssemblyCodes), std::end(kAssemblyCodes));
    codes.push_back(AssemblyCode(9999));
    std::size_t row = 0;
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == ';')
            continue;
        ASSERT_LT(row, codes.size()) << line;
        const AssemblyCode code = codes[row++];
        const AssemblyCodeInfo& info = assemblyCodeInfo(code);
        const std::string number = row == codes.size() ? "other" : std::to_string(int(code));
        const std::string expected = number + (info.warning ? " warning" : " error")
            + (info.stops ? " stops" : " continues") + " |" + assemblyMessageText({ code, 12, "k" }).spanish();
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(row, codes.size());
}

// The list keeps the cancel line after the message that caused it, each line ended by CR LF.
TEST(AssemblyCodes, ListPlacesTheCancelLine)
{
    const std::vector<AssemblyMessage> messages { { AssemblyCode::UnknownInstruction, 3, "XYZ" },
        { AssemblyCode::ValueTruncated, 4, "300" } };
    EXPECT_EQ(assemblyListSpanish(messages, 1),
        " 3 - Error: Instruccion Inexistente [1008] : XYZ\r\n"
        "Compilacion cancelada por exceso de errores!\r\n"
        " 4 - Aviso: Valor Truncado [2001] : 300\r\n");
    EXPECT_EQ(assemblyListSpanish(messages, -1).find("cancelada"), std::string::npos);
}
