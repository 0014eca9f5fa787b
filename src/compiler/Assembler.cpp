#include "compiler/Assembler.h"

#include "compiler/CompilationLibrary.h"
#include "compiler/NextToken.h"
#include "model/NumberText.h"
#include "model/TextUtil.h"

#include <algorithm>
#include <optional>

namespace tarvel
{

namespace
{

constexpr std::size_t kMaxSymbolName = 100;
constexpr int kMostErrors = 150; // one more cancels the assembly
bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

std::optional<std::int32_t> lookup(const std::vector<Symbol>& table, const std::string& name)
{
    for (const auto& s : table)
        if (s.name == name)
            return s.value;
    return std::nullopt;
}

} // namespace

std::vector<std::string> splitSourceLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(std::move(current));
    return lines;
}

void Assembler::reset()
{
    imageLength = 0;
    labelSymbols.clear();
    constantSymbols.clear();
    variableSymbols.clear();
    eepromSymbols.clear();
    sourceLineNumber = 1;
    assemblyErrorCount = 0;
    assemblyErrorsText.clear();
    messages.clear();
    cancelledAt = -1;
    assemblyPass = 0;
    lineAddress.clear();
    assemblyDone = false;
}

void Assembler::ReportAssemblyMessage(AssemblyCode code, const std::string& operand)
{
    AssemblyMessage message { code, lineNumber_, operand };
    const AssemblyCodeInfo& info = assemblyCodeInfo(code);
    if (info.warning) {
        // A warning found in both passes is listed once; one found only while emitting (an
        // instruction operand) is listed too, so that no value is truncated silently.
        if (std::find(messages.begin(), messages.end(), message) != messages.end())
            return;
    } else {
        ++assemblyErrorCount;
    }
    assemblyErrorsText += assemblyMessageText(message).spanish() + "\r\n";
    messages.push_back(std::move(message));
    if (info.stops)
        assemblyDone = true;
    if (assemblyErrorCount > kMostErrors && cancelledAt < 0) {
        cancelledAt = int(messages.size());
        assemblyDone = true;
        assemblyErrorsText += assemblyCancelledText().spanish() + "\r\n";
    }
}

void Assembler::assembleLines(const std::vector<std::string>& lines)
{
    std::size_t i = 0;
    while (!assemblyDone && i < lines.size()) {
        restartRequested_ = false;
        AssembleLine(lines[i++]);
        if (restartRequested_) {
            i = 0;
        } else if (imageLength > kImageStopAt) {
            // The image has no room left: an assembly that stops here must not look complete.
            if (!assemblyDone)
                ReportAssemblyMessage(AssemblyCode::CodeOutOfImage, signedNumber(imageLength));
            break;
        }
    }
}

std::span<const std::uint8_t> Assembly::bytes() const
{
    return {image.data(), std::size_t(std::clamp(imageLength, 0, kImageBytes))};
}

Assembly assemble(const std::vector<std::string>& lines, const CompilationLibrary& library, const ImageArray* start)
{
    Assembler a(library);
    if (start)
        a.programImage = *start;
    a.assembleLines(lines);
    return {a.programImage,
            a.imageLength,
            std::move(a.messages),
            a.cancelledAt,
            a.assemblyErrorCount,
            std::move(a.assemblyErrorsText),
            std::move(a.lineAddress),
            std::move(a.labelSymbols),
            std::move(a.constantSymbols),
            std::move(a.variableSymbols),
            std::move(a.eepromSymbols)};
}

void Assembler::AssembleLine(const std::string& rawLine)
{
    lineNumber_ = sourceLineNumber++;
    if (assemblyPass == 1) {
        if (lineAddress.size() <= std::size_t(lineNumber_))
            lineAddress.resize(std::size_t(lineNumber_) + 1, -1);
        lineAddress[std::size_t(lineNumber_)] = imageLength;
    }
    if (rawLine.empty() || rawLine[0] == ';')
        return;
    std::string line = rawLine.substr(0, rawLine.find(';'));
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    if (line.empty())
        return;
    if (line[0] != ' ') {
        if (assemblyPass == 0)
            definitionLine(line);
        return;
    }
    instructionLine(line.substr(line.find_first_not_of(' ')));
}

bool Assembler::defineSymbol(std::vector<Symbol>& table, std::size_t capacity, std::string name, std::int32_t value,
    AssemblyCode duplicateCode, AssemblyCode fullCode, AssemblyCode longCode)
{
    if (name.size() > kMaxSymbolName) {
        ReportAssemblyMessage(longCode, name);
        name.resize(kMaxSymbolName);
    }
    if (lookup(table, name)) {
        ReportAssemblyMessage(duplicateCode, name);
        return false;
    }
    if (table.size() >= capacity) {
        ReportAssemblyMessage(fullCode, name);
        return false;
    }
    table.push_back({ name, std::int16_t(value) });
    return true;
}

void Assembler::definitionLine(const std::string& line)
{
    std::size_t pos = 0;
    std::string name = NextToken(line, pos, ' ');
    if (!name.empty() && name.back() == ':')
        name.pop_back();
    const std::string directiveWord = NextToken(line, pos, ' ');
    const std::string directive = upperCase(directiveWord);
    if (directive.empty()) {
        defineSymbol(labelSymbols, 1024, name, imageLength, AssemblyCode::LabelInUse, AssemblyCode::TooManyLabels,
            AssemblyCode::LabelTooLong);
    } else if (directive == "CONST" || directive == "EQU") {
        const std::int32_t value = ParseOperandValue(NextToken(line, pos, ' '));
        defineSymbol(constantSymbols, 256, name, value, AssemblyCode::ConstantInUse, AssemblyCode::TooManyConstants,
            AssemblyCode::NameTooLong);
    } else if (directive == "VAR") {
        std::int32_t value = ParseOperandValue(NextToken(line, pos, ' '));
        if (value > 7) {
            ReportAssemblyMessage(AssemblyCode::RamVariableOutOfRange, signedNumber(value));
            value &= 7;
        }
        defineSymbol(variableSymbols, 128, name, value, AssemblyCode::VariableInUse, AssemblyCode::TooManyVariables,
            AssemblyCode::NameTooLong);
    } else if (directive == "EEP") {
        std::int32_t value = ParseOperandValue(NextToken(line, pos, ' '));
        if (value > 127) {
            ReportAssemblyMessage(AssemblyCode::EepromVariableOutOfRange, signedNumber(value));
            value &= 255;
        }
        defineSymbol(eepromSymbols, 128, name, value, AssemblyCode::EepromVariableInUse,
            AssemblyCode::TooManyEepromVariables, AssemblyCode::NameTooLong);
    } else {
        ReportAssemblyMessage(AssemblyCode::UnknownOperator, directiveWord);
    }
}

std::int32_t Assembler::ParseOperandValue(std::string token)
{
    if (token.empty())
        return 0;
    const char first = token[0];
    if (first == '$') {
        if (token.size() > 5) {
            ReportAssemblyMessage(AssemblyCode::ValueTruncated, token);
            token.resize(5);
        }
        std::int32_t value = 0;
        for (std::size_t i = 1; i < token.size(); ++i)
            value = value * 16 + std::max(0, hexDigit(token[i])); // a stray character counts as 0
        return value;
    }
    if (first == '%') {
        if (token.size() > 17) {
            ReportAssemblyMessage(AssemblyCode::ValueTruncated, token);
            token.resize(17);
        }
        std::int32_t value = 0;
        for (std::size_t i = 1; i < token.size(); ++i)
            value = value * 2 + (token[i] == '1' ? 1 : 0);
        return value;
    }
    if (first == '\'')
        return token.size() >= 2 ? std::uint8_t(token[1]) : 0;
    if (first >= '0' && first <= '9') {
        if (token.size() > 5) {
            ReportAssemblyMessage(AssemblyCode::ValueTruncated, token);
            token.resize(5);
        }
        std::size_t i = 0;
        double value = 0;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9')
            value = value * 10 + (token[i++] - '0');
        if (i < token.size() && token[i] == '.') {
            double scale = 0.1;
            for (++i; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i, scale /= 10)
                value += (token[i] - '0') * scale;
        }
        return std::int32_t(roundHalfEven(value));
    }
    if (assemblyPass == 0)
        return 0;
    if (token.size() > kMaxSymbolName) {
        ReportAssemblyMessage(AssemblyCode::ArgumentTooLong, token);
        token.resize(kMaxSymbolName);
    }
    const std::string upper = upperCase(token);
    for (std::size_t i = 0; i < library_.motionTimeNames.size(); ++i)
        if (upper == library_.motionTimeNames[i])
            return std::int32_t(i);
    for (std::size_t i = 0; i < library_.motionActionNames.size(); ++i)
        if (upper == library_.motionActionNames[i])
            return std::int32_t(i);
    for (const auto* table : { &constantSymbols, &variableSymbols, &eepromSymbols, &labelSymbols })
        if (auto value = lookup(*table, token))
            return *value;
    ReportAssemblyMessage(AssemblyCode::InvalidArgument, token);
    return 0;
}

bool Assembler::emitByte(std::uint8_t byte)
{
    if (imageLength < 0 || imageLength >= kImageBytes) {
        ReportAssemblyMessage(AssemblyCode::CodeOutOfImage, signedNumber(imageLength));
        return false;
    }
    programImage[std::size_t(imageLength++)] = byte;
    return true;
}

void Assembler::instructionLine(const std::string& line)
{
    std::size_t pos = 0;
    const std::string word = NextToken(line, pos, ' ');
    const std::string upper = upperCase(word);
    const bool emitting = assemblyPass == 1;

    if (upper == "ORG") {
        const std::int32_t v = ParseOperandValue(NextToken(line, pos, ' '));
        if (v >= 0 && v < 128)
            imageLength = v;
        else
            ReportAssemblyMessage(AssemblyCode::OrgOutOfMemory, signedNumber(v));
    } else if (upper == "END") {
        sourceLineNumber = 1;
        if (assemblyErrorCount == 0 && assemblyPass == 0) {
            assemblyPass = 1;
            imageLength = 0;
            restartRequested_ = true;
        } else {
            assemblyDone = true;
        }
    } else if (upper == "DB" || upper == "DW") {
        const bool word16 = upper == "DW";
        for (std::string token = NextToken(line, pos, ','); !token.empty() && !assemblyDone;
             token = NextToken(line, pos, ',')) {
            const std::int32_t v = ParseOperandValue(token);
            if (v > (word16 ? 65535 : 255))
                ReportAssemblyMessage(AssemblyCode::ValueTruncated, token);
            if (!emitting) {
                imageLength += word16 ? 2 : 1;
            } else if (word16) {
                if (!emitByte(std::uint8_t((v >> 8) & 255)) || !emitByte(std::uint8_t(v & 255)))
                    return;
            } else if (!emitByte(std::uint8_t(v & 255))) {
                return;
            }
        }
    } else if (upper == "DDW") {
        // accepted, no bytes
    } else if (upper == "DS") {
        const std::string token = NextToken(line, pos, ',');
        if (token.size() >= 2 && isQuote(token.front()) && isQuote(token.back())) {
            for (std::size_t i = 1; i + 1 < token.size(); ++i) {
                if (!emitting)
                    ++imageLength;
                else if (!emitByte(std::uint8_t(token[i])))
                    return;
            }
        }
    } else {
        for (int i = 0; i < library_.instructionCount; ++i)
            if (library_.instructionSet[std::size_t(i)].mnemonic == upper) {
                if (emitting)
                    emitInstruction(word, i, line, pos);
                else
                    imageLength += operandKindLength(library_.instructionSet[std::size_t(i)].operandKind);
                return;
            }
        ReportAssemblyMessage(AssemblyCode::UnknownInstruction, word);
    }
}

namespace
{

// One operand of an instruction: the character that ends it, the largest value it takes and the
// message for a larger one.
struct OperandField {
    char separator = ',';
    std::int32_t limit = 0;
    AssemblyCode overLimit = AssemblyCode::ArgumentOutOfRange;
};

std::uint8_t hi3(std::int32_t v)
{
    return std::uint8_t((v & 7) << 5);
}
std::uint8_t mid3(std::int32_t v)
{
    return std::uint8_t((v & 7) << 2);
}
std::uint8_t low8(std::int32_t v)
{
    return std::uint8_t(v & 255);
}
std::uint8_t low7(std::int32_t v)
{
    return std::uint8_t(v & 127);
}

// How each operand kind is written: its operands in order, and the bytes they make with the
// opcode. Operands are read first and checked after, except where `checkEach` checks each one as
// it is read (the order the messages are listed in).
struct OperandLayout {
    OperandKind kind;
    std::vector<OperandField> fields;
    std::vector<std::uint8_t> (*encode)(std::uint8_t op, const std::int32_t* v);
    bool checkEach = false;
};

constexpr OperandField kVar { ',', 7, AssemblyCode::RamVariableOutOfRange };
constexpr OperandField kJump { ',', 127, AssemblyCode::JumpOutOfMemory };
constexpr OperandField kByte { ',', 255, AssemblyCode::ArgumentOutOfRange };

const std::vector<OperandLayout>& operandLayouts()
{
    using K = OperandKind;
    using C = AssemblyCode;
    using B = std::vector<std::uint8_t>;
    static const std::vector<OperandLayout> layouts {
        { K::Void, {}, [](std::uint8_t op, const std::int32_t*) { return B { op }; } },
        { K::TwoBytesVoid, {},
            [](std::uint8_t op, const std::int32_t*) {
                return B { 0, op };
            } },
        { K::Addr, { kJump },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { op, low8(v[0]) };
            } },
        { K::InVarAddrEep, { kVar, { ',', 127, C::EepromVariableOutOfRange } },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { std::uint8_t(op | hi3(v[0])), low8(v[1]) };
            } },
        { K::InVarAddrRam, { kVar, { ',', 63, C::CpuRamOutOfRange } },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { std::uint8_t(op | hi3(v[0])), low8(v[1]) };
            } },
        { K::InVar, { kVar },
            [](std::uint8_t op, const std::int32_t* v) { return B { std::uint8_t(op | hi3(v[0])) }; } },
        { K::OutVar, { kVar },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { hi3(v[0]), op };
            } },
        { K::TwoVars, { kVar, kVar },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { std::uint8_t(hi3(v[0]) | mid3(v[1])), op };
            } },
        { K::Bit, { kVar, { ',', 7, C::BitOutOfRange } },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { std::uint8_t(hi3(v[0]) | mid3(v[1])), op };
            } },
        { K::InCst, { { ',', 7, C::ValueTruncated } },
            [](std::uint8_t op, const std::int32_t* v) { return B { std::uint8_t(op | hi3(v[0])) }; } },
        { K::OutCst, { kByte },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { op, low8(v[0]) };
            } },
        { K::InVarOutCst, { kVar, { ' ', 255, C::ArgumentOutOfRange } },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { std::uint8_t(op | hi3(v[0])), low8(v[1]) };
            } },
        { K::QuadCst, { kByte, kByte, kByte, kByte },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { op, low8(v[0]), low8(v[1]), low8(v[2]), low8(v[3]) };
            },
            true },
        { K::InVarAddr, { kVar, kJump },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { std::uint8_t(op | hi3(v[0])), low8(v[1]) };
            } },
        { K::SixBitCst, { { ',', 63, C::ArgumentOutOfRange } },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { std::uint8_t((v[0] & 63) << 2), op };
            } },
        { K::TwoBytesAddr, { kJump },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { 240, op, low7(v[0]) };
            } },
        { K::TwoVarCst, { kVar, kByte },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { hi3(v[0]), op, low8(v[1]) };
            } },
        { K::TwoInVarAddr, { kVar, kJump },
            [](std::uint8_t op, const std::int32_t* v) {
                return B { hi3(v[0]), op, low7(v[1]) };
            } },
        { K::MTime,
            { { ',', 7, C::ArgumentOutOfRange }, { ',', 7, C::ArgumentOutOfRange },
                { ',', 127, C::ArgumentOutOfRange } },
            [](std::uint8_t, const std::int32_t* v) {
                return B { std::uint8_t(hi3(v[0]) | mid3(v[1])), std::uint8_t((v[2] & 127) | 128) };
            } },
    };
    return layouts;
}

} // namespace

void Assembler::emitInstruction(const std::string& mnemonic, int entryIndex, const std::string& line, std::size_t pos)
{
    const InstructionEntry& entry = library_.instructionSet[std::size_t(entryIndex)];
    const auto& layouts = operandLayouts();
    const auto layout = std::find_if(
        layouts.begin(), layouts.end(), [&](const OperandLayout& l) { return l.kind == entry.operandKind; });
    if (layout == layouts.end())
        return;
    bool missing = false;
    auto check = [&](std::int32_t value, const OperandField& field) {
        if (value > field.limit)
            ReportAssemblyMessage(field.overLimit, signedNumber(value));
    };
    std::int32_t values[4] = { 0, 0, 0, 0 };
    for (std::size_t i = 0; i < layout->fields.size(); ++i) {
        if (!missing) {
            const std::string token = NextToken(line, pos, layout->fields[i].separator);
            if (token.empty()) {
                ReportAssemblyMessage(AssemblyCode::MissingArgument, mnemonic);
                missing = true;
            } else {
                values[i] = ParseOperandValue(token);
            }
        }
        if (layout->checkEach)
            check(values[i], layout->fields[i]);
    }
    if (!layout->checkEach)
        for (std::size_t i = 0; i < layout->fields.size(); ++i)
            check(values[i], layout->fields[i]);
    if (missing)
        return;
    for (std::uint8_t b : layout->encode(std::uint8_t(entry.opcode & 255), values))
        if (!emitByte(b))
            return;
}

} // namespace tarvel
