#pragma once
// What the assembler lists: a numbered code, the source line and the operand it is about. The
// numbers are the ones users and library authors know from the list (1001, 2002, ...); one table
// gives each code its sentence, whether it counts as an error and whether it stops the assembly.
#include "model/Text.h"

#include <string>
#include <vector>

namespace tarvel {

// Every code, by name and number. The list generates the enumeration and kAssemblyCodes, so that
// whatever must cover every code (the table's test, the English check) walks the same list.
#define TARVEL_ASSEMBLY_CODES(X)                                                                                      \
    X(InvalidArgument, 1001)                                                                                          \
    X(LabelInUse, 1003)                                                                                               \
    X(ConstantInUse, 1004)                                                                                            \
    X(VariableInUse, 1005)                                                                                            \
    X(EepromVariableInUse, 1006)                                                                                      \
    X(UnknownInstruction, 1008)                                                                                       \
    X(UnknownOperator, 1009)                                                                                          \
    X(MissingArgument, 1010)                                                                                          \
    X(JumpOutOfMemory, 1011)                                                                                          \
    X(OrgOutOfMemory, 1012)                                                                                           \
    X(CodeOutOfImage, 1013)                                                                                           \
    X(ValueTruncated, 2001)                                                                                           \
    X(RamVariableOutOfRange, 2002)                                                                                    \
    X(EepromVariableOutOfRange, 2003)                                                                                 \
    X(CpuRamOutOfRange, 2004)                                                                                         \
    X(LabelTooLong, 2005)                                                                                             \
    X(NameTooLong, 2006)                                                                                              \
    X(ArgumentTooLong, 2007)                                                                                          \
    X(BitOutOfRange, 2008)                                                                                            \
    X(ArgumentOutOfRange, 2009)                                                                                       \
    X(TooManyLabels, 3001)                                                                                            \
    X(TooManyVariables, 3002)                                                                                         \
    X(TooManyConstants, 3003)                                                                                         \
    X(TooManyEepromVariables, 3004)

enum class AssemblyCode : int {
#define TARVEL_ASSEMBLY_CODE_ENUMERATOR(name, number) name = number,
    TARVEL_ASSEMBLY_CODES(TARVEL_ASSEMBLY_CODE_ENUMERATOR)
#undef TARVEL_ASSEMBLY_CODE_ENUMERATOR
};

inline constexpr AssemblyCode kAssemblyCodes[] = {
#define TARVEL_ASSEMBLY_CODE_ENTRY(name, number) AssemblyCode::name,
    TARVEL_ASSEMBLY_CODES(TARVEL_ASSEMBLY_CODE_ENTRY)
#undef TARVEL_ASSEMBLY_CODE_ENTRY
};

struct AssemblyCodeInfo {
    AssemblyCode code;
    bool warning = false; // listed, but not counted as an error
    bool stops = false;   // ends the assembly at once
    const char* sentence = nullptr; // UTF-8 pattern of the translation files, context "core"
};

// The table's row of `code`; a number the table does not hold gets the row of an unknown error.
const AssemblyCodeInfo& assemblyCodeInfo(AssemblyCode code);

struct AssemblyMessage {
    AssemblyCode code = AssemblyCode::InvalidArgument;
    int line = 0;        // source line, 1-based
    std::string operand; // what the line had there, Windows-1252
    bool operator==(const AssemblyMessage&) const = default;
};

// " 12 - Error: Argumento Invalido [1001] : k": the line first (a double click reads it), then the
// sentence with its number, then the operand.
Text assemblyMessageText(const AssemblyMessage& message);
// The line that follows the error that made too many of them.
Text assemblyCancelledText();

// The list as the assembler lists it: one text per line, the cancel line after the message that
// caused it (`cancelledAt` messages before it; -1 when there is none).
std::vector<Text> assemblyListTexts(const std::vector<AssemblyMessage>& messages, int cancelledAt);
// The same list as Windows-1252 bytes, each line ended by CR LF: what the command line prints, the
// build window shows and the source editor lists.
std::string assemblyListSpanish(const std::vector<AssemblyMessage>& messages, int cancelledAt);

} // namespace tarvel
