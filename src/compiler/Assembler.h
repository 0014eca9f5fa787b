#pragma once
// The two-pass assembler: source lines in, the brick's byte image and a message list out.
#include "compiler/AssemblyMessages.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvel {

struct CompilationLibrary;

constexpr int kImageBytes = 2049; // addresses 0..2048
constexpr int kImageStopAt = 2040;

struct Symbol {
    std::string name;
    std::int16_t value = 0;
};

using ImageArray = std::array<std::uint8_t, kImageBytes>;

// What one assembly made.
struct Assembly {
    ImageArray image{};
    int imageLength = 0;
    // The list, message by message; the cancel line follows the first `cancelledAt` of them.
    std::vector<AssemblyMessage> messages;
    int cancelledAt = -1;
    int errorCount = 0;
    // The list as the command line prints it, one CR LF ended line per message.
    std::string errorsText;
    // The image address at which each source line starts (index = line number; -1 for lines the
    // second pass did not reach).
    std::vector<int> lineAddress;
    std::vector<Symbol> labelSymbols, constantSymbols, variableSymbols, eepromSymbols;

    // The image's first `imageLength` bytes.
    std::span<const std::uint8_t> bytes() const;
};

// Assembles the lines into a copy of `start`: bytes that ORG skips keep its values (a cleared image
// when none is given).
Assembly assemble(const std::vector<std::string>& lines, const CompilationLibrary& library,
                  const ImageArray* start = nullptr);

// The two passes' working state (assemble makes one per assembly). Tests drive its steps one by one.
class Assembler {
public:
    explicit Assembler(const CompilationLibrary& library)
        : library_(library)
    {
    }

    // Empties the symbol tables and the messages; the image is left as it is (a flowchart build
    // clears it, a source-only assembly keeps bytes that ORG skips).
    void reset();
    void clearImage() { programImage.fill(0); }

    void AssembleLine(const std::string& line);
    std::int32_t ParseOperandValue(std::string token);
    void ReportAssemblyMessage(AssemblyCode code, const std::string& operand);

    // The driving loop: feeds the lines (restarting for the second pass) until the assembly is
    // done, the image passes 2040 bytes or the lines run out.
    void assembleLines(const std::vector<std::string>& lines);

    ImageArray programImage{};
    int imageLength = 0;
    int assemblyPass = 0;
    int sourceLineNumber = 1;
    std::string assemblyErrorsText;
    // The list, message by message; the cancel line follows the first `cancelledAt` of them.
    std::vector<AssemblyMessage> messages;
    int cancelledAt = -1;
    int assemblyErrorCount = 0;
    bool assemblyDone = false;
    // The image address at which each source line starts in the second pass (index = line number;
    // -1 for lines the second pass did not reach).
    std::vector<int> lineAddress;
    std::vector<Symbol> labelSymbols, constantSymbols, variableSymbols, eepromSymbols;

private:
    int lineNumber_ = 0; // of the line being assembled, for its messages
    bool restartRequested_ = false;
    const CompilationLibrary& library_;

    void definitionLine(const std::string& line);
    void instructionLine(const std::string& line);
    void emitInstruction(const std::string& mnemonic, int entryIndex, const std::string& line, std::size_t pos);
    bool emitByte(std::uint8_t byte);
    bool defineSymbol(std::vector<Symbol>& table, std::size_t capacity, std::string name, std::int32_t value,
                      AssemblyCode duplicateCode, AssemblyCode fullCode, AssemblyCode longCode);
};

// Splits a text into lines on CR LF, CR or LF (the line ends are not part of the lines).
std::vector<std::string> splitSourceLines(const std::string& text);

} // namespace tarvel
