#include "compiler/Assembler.h"

#include "compiler/CompilationLibrary.h"
#include "compiler/NextToken.h"
#include "model/NumberText.h"

#include <algorithm>
#include <optional>

namespace tarvel {

namespace {

constexpr std::size_t kMaxSymbolName = 100;
constexpr int kMostErrors = 150; // one more cancels the assembly
bool isQuote(char c) { return c == '"' || c == '\''; }

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
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
    AssemblyMessage message{code, lineNumber_, operand};
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
    table.push_back({name, std::int16_t(value)});
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
            value = value * 16 + hexDigit(token[i]);
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
    for (const auto* table : {&constantSymbols, &variableSymbols, &eepromSymbols, &labelSymbols})
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

void Assembler::emitInstruction(const std::string& mnemonic, int entryIndex, const std::string& line, std::size_t pos)
{
    const InstructionEntry& entry = library_.instructionSet[std::size_t(entryIndex)];
    const auto op = std::uint8_t(entry.opcode & 255);
    bool missing = false;
    auto operand = [&](char separator) -> std::int32_t {
        if (missing)
            return 0;
        const std::string token = NextToken(line, pos, separator);
        if (token.empty()) {
            ReportAssemblyMessage(AssemblyCode::MissingArgument, mnemonic);
            missing = true;
            return 0;
        }
        return ParseOperandValue(token);
    };
    auto check = [&](std::int32_t value, std::int32_t limit, AssemblyCode code) {
        if (value > limit)
            ReportAssemblyMessage(code, signedNumber(value));
    };
    auto hi3 = [](std::int32_t v) { return std::uint8_t((v & 7) << 5); };
    auto mid3 = [](std::int32_t v) { return std::uint8_t((v & 7) << 2); };

    std::vector<std::uint8_t> bytes;
    switch (entry.operandKind) {
    case OperandKind::Void: bytes = {op}; break;
    case OperandKind::TwoBytesVoid: bytes = {0, op}; break;
    case OperandKind::Addr: {
        const auto a = operand(',');
        check(a, 127, AssemblyCode::JumpOutOfMemory);
        bytes = {op, std::uint8_t(a & 255)};
        break;
    }
    case OperandKind::InVarAddrEep:
    case OperandKind::InVarAddrRam: {
        const auto v = operand(','), a = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        if (entry.operandKind == OperandKind::InVarAddrEep)
            check(a, 127, AssemblyCode::EepromVariableOutOfRange);
        else
            check(a, 63, AssemblyCode::CpuRamOutOfRange);
        bytes = {std::uint8_t(op | hi3(v)), std::uint8_t(a & 255)};
        break;
    }
    case OperandKind::InVar: {
        const auto v = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        bytes = {std::uint8_t(op | hi3(v))};
        break;
    }
    case OperandKind::OutVar: {
        const auto v = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        bytes = {hi3(v), op};
        break;
    }
    case OperandKind::TwoVars: {
        const auto v = operand(','), w = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        check(w, 7, AssemblyCode::RamVariableOutOfRange);
        bytes = {std::uint8_t(hi3(v) | mid3(w)), op};
        break;
    }
    case OperandKind::Bit: {
        const auto v = operand(','), b = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        check(b, 7, AssemblyCode::BitOutOfRange);
        bytes = {std::uint8_t(hi3(v) | mid3(b)), op};
        break;
    }
    case OperandKind::InCst: {
        const auto c = operand(',');
        check(c, 7, AssemblyCode::ValueTruncated);
        bytes = {std::uint8_t(op | hi3(c))};
        break;
    }
    case OperandKind::OutCst: {
        const auto c = operand(',');
        check(c, 255, AssemblyCode::ArgumentOutOfRange);
        bytes = {op, std::uint8_t(c & 255)};
        break;
    }
    case OperandKind::InVarOutCst: {
        const auto v = operand(',');
        const auto c = operand(' ');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        check(c, 255, AssemblyCode::ArgumentOutOfRange);
        bytes = {std::uint8_t(op | hi3(v)), std::uint8_t(c & 255)};
        break;
    }
    case OperandKind::QuadCst: {
        bytes = {op};
        for (int i = 0; i < 4; ++i) {
            const auto c = operand(',');
            check(c, 255, AssemblyCode::ArgumentOutOfRange);
            bytes.push_back(std::uint8_t(c & 255));
        }
        break;
    }
    case OperandKind::InVarAddr: {
        const auto v = operand(','), a = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        check(a, 127, AssemblyCode::JumpOutOfMemory);
        bytes = {std::uint8_t(op | hi3(v)), std::uint8_t(a & 255)};
        break;
    }
    case OperandKind::SixBitCst: {
        const auto c = operand(',');
        check(c, 63, AssemblyCode::ArgumentOutOfRange);
        bytes = {std::uint8_t((c & 63) << 2), op};
        break;
    }
    case OperandKind::TwoBytesAddr: {
        const auto a = operand(',');
        check(a, 127, AssemblyCode::JumpOutOfMemory);
        bytes = {240, op, std::uint8_t(a & 127)};
        break;
    }
    case OperandKind::TwoVarCst: {
        const auto v = operand(','), c = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        check(c, 255, AssemblyCode::ArgumentOutOfRange);
        bytes = {hi3(v), op, std::uint8_t(c & 255)};
        break;
    }
    case OperandKind::TwoInVarAddr: {
        const auto v = operand(','), a = operand(',');
        check(v, 7, AssemblyCode::RamVariableOutOfRange);
        check(a, 127, AssemblyCode::JumpOutOfMemory);
        bytes = {hi3(v), op, std::uint8_t(a & 127)};
        break;
    }
    case OperandKind::MTime: {
        const auto m = operand(','), t = operand(','), x = operand(',');
        check(m, 7, AssemblyCode::ArgumentOutOfRange);
        check(t, 7, AssemblyCode::ArgumentOutOfRange);
        check(x, 127, AssemblyCode::ArgumentOutOfRange);
        bytes = {std::uint8_t(hi3(m) | mid3(t)), std::uint8_t((x & 127) | 128)};
        break;
    }
    }
    if (missing)
        return;
    for (std::uint8_t b : bytes)
        if (!emitByte(b))
            return;
}

} // namespace tarvel
