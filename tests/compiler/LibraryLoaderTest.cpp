#include "BuildTestSupport.h"

#include "compiler/NextToken.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace tarvel;
using namespace testsupport;

TEST(NextToken, BlanksCommasAndCarriageReturns)
{
    std::size_t pos = 0;
    const std::string line = "  MOV  VRoja , 5\r tail";
    EXPECT_EQ(NextToken(line, pos, ' '), "MOV");
    EXPECT_EQ(NextToken(line, pos, ','), "VRoja ");
    EXPECT_EQ(NextToken(line, pos, ','), "5");
    EXPECT_EQ(NextToken(line, pos, ','), "");
    pos = 0;
    EXPECT_EQ(NextToken("", pos, ' '), "");
}

TEST(LibraryLoader, LineReaderPositionsAndEnd)
{
    const std::string bytes = "MOD 10 10 10\r\n{\r\nx";
    LibraryLineReader reader(bytes);
    EXPECT_EQ(reader.ReadLibraryLine(), "MOD 10 10 10");
    EXPECT_EQ(reader.libraryFilePosition(), 14); // the line feed of the pair
    EXPECT_EQ(reader.ReadLibraryLine(), "");
    EXPECT_EQ(reader.ReadLibraryLine(), "{");
    EXPECT_EQ(reader.ReadLibraryLine(), "");
    EXPECT_EQ(reader.ReadLibraryLine(), "x");
    EXPECT_EQ(reader.ReadLibraryLine(), "END");
    EXPECT_TRUE(reader.finished());
    EXPECT_EQ(reader.ReadLibraryLine(), "END");

    const std::string early = "  end  \r\nBRICKMODEL X\r\n";
    LibraryLineReader second(early);
    second.ReadLibraryLine();
    EXPECT_TRUE(second.finished());
    EXPECT_EQ(second.ReadLibraryLine(), "END");
}

TEST(LibraryLoader, TemplatePositionsAndSizes)
{
    // MOD body: 4 bytes after the line feed of the MOD line; FSIZE: the line feed of its own line.
    auto lib = libraryFromLines({"MOD 10 10 10", "{", " A", "}", "MOD 10 11 *", "{", "FSIZE 4", " B", "}",
                                 "MOD 10 12 26", "{", "FSIZE 3", "}", "  mod 11 10 12 ; comentario", "{", "}"});
    EXPECT_EQ(lib.templateOffsetTable.at(10, 10, 10), 13 + 1 + 4); // "MOD 10 10 10" is 12 bytes + CR
    EXPECT_EQ(lib.fileBytes.substr(std::size_t(lib.templateOffsetTable.at(10, 10, 10) - 1), 2), " A");
    EXPECT_EQ(lib.elementSizeTable.at(10, 10, 10), 0);
    for (int o = 9; o <= 26; ++o) {
        EXPECT_EQ(lib.elementSizeTable.at(10, 11, o), 4);
        EXPECT_EQ(lib.elementSizeTable.at(10, 12, o), 3);
    }
    const auto fsizeAt = lib.templateOffsetTable.at(10, 11, 9);
    EXPECT_EQ(lib.fileBytes[std::size_t(fsizeAt - 1)], '\n');
    EXPECT_EQ(lib.fileBytes.substr(std::size_t(fsizeAt - 9), 7), "FSIZE 4");
    EXPECT_EQ(lib.templateOffsetTable.at(10, 11, 26), fsizeAt);
    EXPECT_NE(lib.templateOffsetTable.at(11, 10, 12), 0);
}

TEST(LibraryLoader, InstructionSetAndNames)
{
    std::vector<UserMessage> messages;
    auto lib = libraryFromLines({"BEGINSET", "SET MOV $0A ARGTWOVARS", "SET JMP $a0b ARGADDR", "SET BAD 5 ARGNADA",
                                 "SET OUT 200 argoutcst", "MACTION 9 AVANZA", "MTIME 6 SEG", "BRICKMEM 129",
                                 "BRICKMODEL J9", "VELATRIXCODE ABC", "SETVERSION v1", "LIBVERSION v2"},
                                &messages);
    ASSERT_EQ(lib.instructionCount, 3);
    EXPECT_EQ(lib.instructionSet[0].opcode, 10);
    EXPECT_EQ(lib.instructionSet[1].opcode, 0); // three hex digits
    EXPECT_EQ(lib.instructionSet[2].mnemonic, "OUT");
    EXPECT_EQ(lib.instructionSet[2].opcode, 200);
    EXPECT_EQ(lib.instructionSet[2].operandKind, OperandKind::OutCst);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Argumento No Identificado: ARGNADA");
    EXPECT_EQ(messages[0].title, "Error de Carga");
    EXPECT_EQ(lib.motionActionNames[1], "AVANZA");
    EXPECT_EQ(lib.motionTimeNames[2], "SEG");
    EXPECT_EQ(lib.libraryCapacity, 128);
    EXPECT_EQ(memoryStatusText(lib), "Memoria: 0/128");
    EXPECT_EQ(libraryStatusText(lib), "Libreria: J9");
    EXPECT_EQ(lib.codeFormatName, "ABC");
    EXPECT_EQ(lib.setVersion, "v1");
}

TEST(LibraryLoader, ReloadKeepsWhatTheNewFileDoesNotSet)
{
    auto first = libraryFromLines({"BEGINSET", "SET A 1 ARGVOID", "BRICKMEM 100", "MOD 10 10 10", "{", "FSIZE 2", "}"});
    auto second = LoadLibraryBytes(first, "SET B 2 ARGVOID\r\n", "otra.LIB").library;
    EXPECT_EQ(second.instructionCount, 2);
    EXPECT_EQ(second.instructionSet[1].mnemonic, "B");
    EXPECT_EQ(second.libraryCapacity, 99);
    EXPECT_EQ(second.elementSizeTable.at(10, 10, 10), 0); // element tables start empty
    EXPECT_FALSE(second.hasTemplate(10, 10, 10));
    EXPECT_EQ(memoryStatusText(CompilationLibrary{}), "Memoria: 0/???");
}

TEST(LibraryLoader, KeysOutsideTheTablesAreRefusedNotWritten)
{
    std::vector<UserMessage> messages;
    auto lib = libraryFromLines({"MOD 8 10 10", "{", "FSIZE 7", "}", "MOD 300 10 10", "HLP 10 27 *", "MOD 10 10 10",
                                 "{", "FSIZE 300", "}"},
                                &messages);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(lib.elementSizeTable.at(10, 10, 10), 300 & 255);
    int filled = 0;
    lib.templateOffsetTable.forEach([&](int, int, int, std::int32_t v) { filled += v != 0; });
    EXPECT_EQ(filled, 1);
}

TEST(LibraryLoader, WithoutEndLoadsToTheEndOfTheFile)
{
    auto result = LoadLibraryBytes({}, "BRICKMODEL A\r\nEND\r\nBRICKMODEL B\r\n", "x");
    EXPECT_EQ(result.library.brickModelName, "A");
    result = LoadLibraryBytes({}, "BRICKMODEL A\r\nBRICKMODEL B", "x");
    EXPECT_EQ(result.library.brickModelName, "B");
}

TEST(LibraryLoader, MissingFileFallsBackToTheDefault)
{
    namespace fs = std::filesystem;
    const auto missing = fs::temp_directory_path() / "tarvel_no_existe.LIB";
    auto result = LoadLibrary({}, missing, std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB");
    EXPECT_TRUE(result.opened);
    EXPECT_TRUE(result.usedDefault);
    EXPECT_NE(result.library.libraryPath.find("Clib_J2A1_USB0.LIB"), std::string::npos);

    result = LoadLibrary({}, missing, missing);
    EXPECT_FALSE(result.opened);
    EXPECT_FALSE(result.messages.empty());
    EXPECT_EQ(result.library.brickModelName, "Desconocido");
}

TEST(LibraryLoader, IntegrityMismatchEmptiesTheElementTables)
{
    auto lib = libraryFromLines({"SET A 1 ARGVOID", "MOD 10 10 10", "{", "FSIZE 2", " A", "}"});
    const std::string code = computeIntegrityCode(lib);
    EXPECT_EQ(code.size(), 16u);
    lib.codeFormatName = code;
    EXPECT_FALSE(CheckLibraryIntegrity(lib));
    EXPECT_TRUE(lib.hasTemplate(10, 10, 10));

    lib.codeFormatName.clear();
    auto message = CheckLibraryIntegrity(lib);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "Falla en la Libreria de Datos de Compilacion!");
    EXPECT_EQ(message->title, "Error");
    EXPECT_FALSE(lib.hasTemplate(10, 10, 10));
    EXPECT_EQ(lib.instructionCount, 1); // the instruction set stays

    // One byte more before a template changes the code.
    auto moved = libraryFromLines({"", "SET A 1 ARGVOID", "MOD 10 10 10", "{", "FSIZE 2", " A", "}"});
    EXPECT_NE(computeIntegrityCode(moved), code);
}

TEST(LibraryLoader, HelpTexts)
{
    auto lib = libraryFromLines({"HLP 10 10 10", "Primera|Segunda\xA1 resto", "HLP 10 11 *", "sin fin"});
    EXPECT_EQ(elementHelpText(lib, 10, 10, 10), "Primera\r\nSegunda");
    EXPECT_EQ(elementHelpText(lib, 10, 11, 20), "sin fin");
    EXPECT_EQ(elementHelpText(lib, 10, 12, 10), "No Hay Ayuda Disponible para este Grafo");
    EXPECT_EQ(elementHelpText(lib, 0, 0, 10), "No Hay Ayuda Disponible para este Grafo");
}

TEST(LibraryLoader, InformationText)
{
    auto lib = libraryFromLines({"SETVERSION 2", "LIBVERSION 7", "VELATRIXCODE ABCD"});
    EXPECT_EQ(libraryInformationText(lib), "\r\nMaquina Virtual : 2\r\nVersion Libreria: 7\r\nCodigo Velatrix : ABCD\r\n");
    EXPECT_EQ(libraryInformationText(CompilationLibrary{}), "\r\nMaquina Virtual : \r\nVersion Libreria: \r\nCodigo Velatrix : \r\n");
}

TEST(LibraryLoader, WhatIsNoLibraryIsToldApart)
{
    const auto reason = [](const std::string& bytes) { return notALibrary(LoadLibraryBytes({}, bytes, "x")); };
    EXPECT_EQ(reason("BEGINSET\r\nSET NOP $00 ARGVOID\r\n"), "");
    EXPECT_EQ(reason("MOD 10 10 10\r\n{\r\nFSIZE 1\r\n NOP\r\n}\r\n"), "");
    EXPECT_EQ(reason("HLP 10 10 10\r\nAyuda\xA1\r\n"), "");
    EXPECT_EQ(reason("SET A 1 ARGNADA\r\nSET B 2 ARGVOID\r\n"), ""); // a bad line: still a library

    EXPECT_NE(reason(""), "");
    EXPECT_NE(reason("%PDF-1.4\r\n1 0 obj\r\n<< /Type /Catalog >>\r\n"), ""); // text without a library line
    EXPECT_NE(reason("VELATRIXCODE 0123456789ABCDEF\r\nBRICKMEM 256\r\n"), "");
    std::string program(92, '\0'); // a program file: records full of zero bytes
    program.replace(0, 3, "\x11\x0A\x0A");
    program.replace(28, 9, "MOD 10 10 10\r\n{");
    EXPECT_NE(reason(program).find("nulos"), std::string::npos);
    EXPECT_NE(reason("BRICKMEM 30000\r\nSET NOP $00 ARGVOID\r\n").find("BRICKMEM"), std::string::npos);
    EXPECT_EQ(reason("BRICKMEM 2049\r\nSET NOP $00 ARGVOID\r\n"), ""); // the largest image
}

TEST(LibraryLoader, ANamedFileThatCannotBeReadSaysWhy)
{
    namespace fs = std::filesystem;
    const auto folder = fs::temp_directory_path() / ("tarvel_lib_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    auto result = LoadLibrary({}, folder, std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB");
    EXPECT_TRUE(result.usedDefault);
    EXPECT_NE(result.unreadReason.find("carpeta"), std::string::npos);

    result = LoadLibrary({}, folder, "/dev/zero");
    EXPECT_FALSE(result.opened);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_NE(result.messages[0].text.spanish().find("carpeta"), std::string::npos);
    EXPECT_NE(result.messages[0].text.spanish().find("dispositivo"), std::string::npos);
    fs::remove_all(folder);
}
