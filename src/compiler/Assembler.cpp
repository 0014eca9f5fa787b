#include "compiler/Assembler.h"

#include "compiler/CompilationLibrary.h"
#include "compiler/NextToken.h"
#include "model/NumberText.h"

#include <algorithm>
#include <optional>

namespace tarvel {

namespace {

constexpr std::size_t kMaxSymbolName = 100;
constexpr int kCodeOutOfImage = 1013; // a line that would write past the image

const char* messageText(int code)
{
    switch (code) {
    case 1001: return "Error: Argumento Invalido [";
    case 1003: return "Error: Etiqueta ya utilizada [";
    case 1004: return "Error: Constante ya utilizada [";
    case 1005: return "Error: Variable ya utilizada [";
    case 1006: return "Error: Variable EEPROM ya utilizada [";
    case 1008: return "Error: Instruccion Inexistente [";
    case 1009: return "Error: Operador Inexistente [";
    case 1010: return "Error: Falta un Argumento para la instruccion invocada [";
    case 1011: return "Error: Salto fuera de memoria [";
    case 1012: return "Error: ORG definido fuera de la memoria existente [";
    case kCodeOutOfImage: return "Error: Codigo fuera de la memoria de programa [";
    case 2001: return "Aviso: Valor Truncado [";
    case 2002: return "Aviso: Variable RAM fuera del memoria (Truncado) [";
    case 2003: return "Aviso: Variable EEPROM fuera de memoria (Truncado) [";
    case 2004: return "Aviso: Acceso a RAM del CPU fuera de memoria (Truncado) [";
    case 2005: return "Aviso: Etiqueta demasiado larga (Truncado) [";
    case 2006: return "Aviso: Nombre demasiado largo (Truncado) [";
    case 2007: return "Aviso: Argumento demasiado largo (Truncado) [";
    case 2008: return "Aviso: Numero de bit fuera de rango (0 a 7) (Truncado) [";
    case 2009: return "Aviso: Argumento fuera de rango (truncado) [";
    case 3001: return "Error: Demasiadas Etiquetas en uso! [";
    case 3002: return "Error: Demasiadas Variables en uso! [";
    case 3003: return "Error: Demasiadas Constantes o EQUs en uso! [";
    case 3004: return "Error: Demasiadas Variables EEPROM (EEP) en uso! [";
    default: return "Error Desconocido [";
    }
}

bool isWarning(int code) { return code >= 2001 && code <= 2009; }
bool stopsAssembly(int code) { return code == 1010 || code == kCodeOutOfImage || (code >= 3001 && code <= 3004); }
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
    assemblyPass = 0;
    lineAddress.clear();
    assemblyDone = false;
    cancelled_ = false;
    listedWarnings_.clear();
}

void Assembler::ReportAssemblyMessage(int code, const std::string& text)
{
    const std::string entry = signedNumber(lineNumber_) + " - " + messageText(code) + plainNumber(code) + "] : " + text + "\r\n";
    if (isWarning(code)) {
        // A warning found in both passes is listed once; one found only while emitting (an
        // instruction operand) is listed too, so that no value is truncated silently.
        if (std::find(listedWarnings_.begin(), listedWarnings_.end(), entry) != listedWarnings_.end())
            return;
        listedWarnings_.push_back(entry);
    } else {
        ++assemblyErrorCount;
    }
    assemblyErrorsText += entry;
    if (stopsAssembly(code))
        assemblyDone = true;
    if (assemblyErrorCount > 150 && !cancelled_) {
        cancelled_ = true;
        assemblyDone = true;
        assemblyErrorsText += "Compilacion cancelada por exceso de errores!\r\n";
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
                ReportAssemblyMessage(kCodeOutOfImage, signedNumber(imageLength));
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
                             int duplicateCode, int fullCode, int longCode)
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
        defineSymbol(labelSymbols, 1024, name, imageLength, 1003, 3001, 2005);
    } else if (directive == "CONST" || directive == "EQU") {
        const std::int32_t value = ParseOperandValue(NextToken(line, pos, ' '));
        defineSymbol(constantSymbols, 256, name, value, 1004, 3003, 2006);
    } else if (directive == "VAR") {
        std::int32_t value = ParseOperandValue(NextToken(line, pos, ' '));
        if (value > 7) {
            ReportAssemblyMessage(2002, signedNumber(value));
            value &= 7;
        }
        defineSymbol(variableSymbols, 128, name, value, 1005, 3002, 2006);
    } else if (directive == "EEP") {
        std::int32_t value = ParseOperandValue(NextToken(line, pos, ' '));
        if (value > 127) {
            ReportAssemblyMessage(2003, signedNumber(value));
            value &= 255;
        }
        defineSymbol(eepromSymbols, 128, name, value, 1006, 3004, 2006);
    } else {
        ReportAssemblyMessage(1009, directiveWord);
    }
}

std::int32_t Assembler::ParseOperandValue(std::string token)
{
    if (token.empty())
        return 0;
    const char first = token[0];
    if (first == '$') {
        if (token.size() > 5) {
            ReportAssemblyMessage(2001, token);
            token.resize(5);
        }
        std::int32_t value = 0;
        for (std::size_t i = 1; i < token.size(); ++i)
            value = value * 16 + hexDigit(token[i]);
        return value;
    }
    if (first == '%') {
        if (token.size() > 17) {
            ReportAssemblyMessage(2001, token);
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
            ReportAssemblyMessage(2001, token);
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
        ReportAssemblyMessage(2007, token);
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
    ReportAssemblyMessage(1001, token);
    return 0;
}

bool Assembler::emitByte(std::uint8_t byte)
{
    if (imageLength < 0 || imageLength >= kImageBytes) {
        ReportAssemblyMessage(kCodeOutOfImage, signedNumber(imageLength));
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
            ReportAssemblyMessage(1012, signedNumber(v));
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
                ReportAssemblyMessage(2001, token);
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
        ReportAssemblyMessage(1008, word);
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
            ReportAssemblyMessage(1010, mnemonic);
            missing = true;
            return 0;
        }
        return ParseOperandValue(token);
    };
    auto check = [&](std::int32_t value, std::int32_t limit, int code) {
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
        check(a, 127, 1011);
        bytes = {op, std::uint8_t(a & 255)};
        break;
    }
    case OperandKind::InVarAddrEep:
    case OperandKind::InVarAddrRam: {
        const auto v = operand(','), a = operand(',');
        check(v, 7, 2002);
        if (entry.operandKind == OperandKind::InVarAddrEep)
            check(a, 127, 2003);
        else
            check(a, 63, 2004);
        bytes = {std::uint8_t(op | hi3(v)), std::uint8_t(a & 255)};
        break;
    }
    case OperandKind::InVar: {
        const auto v = operand(',');
        check(v, 7, 2002);
        bytes = {std::uint8_t(op | hi3(v))};
        break;
    }
    case OperandKind::OutVar: {
        const auto v = operand(',');
        check(v, 7, 2002);
        bytes = {hi3(v), op};
        break;
    }
    case OperandKind::TwoVars: {
        const auto v = operand(','), w = operand(',');
        check(v, 7, 2002);
        check(w, 7, 2002);
        bytes = {std::uint8_t(hi3(v) | mid3(w)), op};
        break;
    }
    case OperandKind::Bit: {
        const auto v = operand(','), b = operand(',');
        check(v, 7, 2002);
        check(b, 7, 2008);
        bytes = {std::uint8_t(hi3(v) | mid3(b)), op};
        break;
    }
    case OperandKind::InCst: {
        const auto c = operand(',');
        check(c, 7, 2001);
        bytes = {std::uint8_t(op | hi3(c))};
        break;
    }
    case OperandKind::OutCst: {
        const auto c = operand(',');
        check(c, 255, 2009);
        bytes = {op, std::uint8_t(c & 255)};
        break;
    }
    case OperandKind::InVarOutCst: {
        const auto v = operand(',');
        const auto c = operand(' ');
        check(v, 7, 2002);
        check(c, 255, 2009);
        bytes = {std::uint8_t(op | hi3(v)), std::uint8_t(c & 255)};
        break;
    }
    case OperandKind::QuadCst: {
        bytes = {op};
        for (int i = 0; i < 4; ++i) {
            const auto c = operand(',');
            check(c, 255, 2009);
            bytes.push_back(std::uint8_t(c & 255));
        }
        break;
    }
    case OperandKind::InVarAddr: {
        const auto v = operand(','), a = operand(',');
        check(v, 7, 2002);
        check(a, 127, 1011);
        bytes = {std::uint8_t(op | hi3(v)), std::uint8_t(a & 255)};
        break;
    }
    case OperandKind::SixBitCst: {
        const auto c = operand(',');
        check(c, 63, 2009);
        bytes = {std::uint8_t((c & 63) << 2), op};
        break;
    }
    case OperandKind::TwoBytesAddr: {
        const auto a = operand(',');
        check(a, 127, 1011);
        bytes = {240, op, std::uint8_t(a & 127)};
        break;
    }
    case OperandKind::TwoVarCst: {
        const auto v = operand(','), c = operand(',');
        check(v, 7, 2002);
        check(c, 255, 2009);
        bytes = {hi3(v), op, std::uint8_t(c & 255)};
        break;
    }
    case OperandKind::TwoInVarAddr: {
        const auto v = operand(','), a = operand(',');
        check(v, 7, 2002);
        check(a, 127, 1011);
        bytes = {hi3(v), op, std::uint8_t(a & 127)};
        break;
    }
    case OperandKind::MTime: {
        const auto m = operand(','), t = operand(','), x = operand(',');
        check(m, 7, 2009);
        check(t, 7, 2009);
        check(x, 127, 2009);
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
