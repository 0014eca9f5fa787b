#pragma once
// A compilation library: the tables one brick model's library file gives the build chain.
#include "model/Text.h"
#include "model/CodeTable.h"
#include "model/ElementCodes.h"
#include "model/UserMessage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

// Operand kinds of the instruction set; the code fixes the instruction's length.
enum class OperandKind : std::uint8_t {
    Void = 0,
    TwoBytesVoid = 1,
    Addr = 2,
    InVarAddrEep = 3,
    InVarAddrRam = 4,
    InVar = 16,
    OutVar = 17,
    TwoVars = 18,
    Bit = 19,
    InCst = 32,
    OutCst = 34,
    InVarOutCst = 35,
    QuadCst = 36,
    InVarAddr = 37,
    SixBitCst = 38,
    TwoBytesAddr = 39,
    TwoVarCst = 40,
    TwoInVarAddr = 41,
    MTime = 128,
};

// The keyword of a kind ("ARGVOID" ...) to its code; false when it is not one.
bool operandKindFromKeyword(const std::string& upperKeyword, OperandKind& kind);
const char* operandKindKeyword(OperandKind kind);
int operandKindLength(OperandKind kind);

struct InstructionEntry {
    std::string mnemonic;
    std::int32_t opcode = 0;
    OperandKind operandKind = OperandKind::Void;
};

constexpr int kInstructionSlots = 257;
constexpr int kFixHeadOption = library::FixedHeader; // key (26, 9, 9)
constexpr int kDefaultOption = library::DefaultCode; // key (26, 9, 10)

struct CompilationLibrary {
    CodeTable<std::int32_t> templateOffsetTable; // 1-based byte positions in `fileBytes`; 0 = none
    CodeTable<std::uint8_t> elementSizeTable;
    CodeTable<std::int32_t> helpOffsetTable;
    std::array<InstructionEntry, kInstructionSlots> instructionSet{};
    int instructionCount = 0;
    std::array<std::string, 8> motionActionNames{};
    std::array<std::string, 4> motionTimeNames{};
    std::string brickModelName = QT_TRANSLATE_NOOP("core", "Desconocido");
    int libraryCapacity = 0;
    std::string codeFormatName;
    std::string setVersion;
    std::string libVersion;

    // The bytes of the file the tables were read from: templates and help texts are read from
    // these bytes, so a build always uses the text of the library whose tables are loaded.
    std::string fileBytes;
    std::string libraryPath;

    bool hasTemplate(int f, int s, int o) const { return templateOffsetTable.at(f, s, o) != 0; }
    void clearElementTables();
};

} // namespace tarvel
