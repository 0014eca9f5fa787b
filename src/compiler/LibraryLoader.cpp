#include "compiler/LibraryLoader.h"

#include "compiler/NextToken.h"
#include "model/NumberText.h"
#include "model/SpanishText.h"
#include "model/Text.h"
#include "model/TextFile.h"

#include <cstdio>

namespace tarvel {

namespace {

// Libraries are read line by line many times over (loading, fuzzing): the keywords are compared
// without making new strings.
std::string_view trimmedView(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// `word` equals the upper-case `keyword` in any case (ASCII letters).
bool sameKeyword(std::string_view word, std::string_view keyword)
{
    if (word.size() != keyword.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i] >= 'a' && word[i] <= 'z' ? char(word[i] - 32) : word[i];
        if (c != keyword[i])
            return false;
    }
    return true;
}

bool isEndLine(std::string_view line)
{
    return sameKeyword(trimmedView(line), "END");
}

// The four constants of the integrity code (published in docs/library-format.md).
constexpr std::uint32_t kIntegrityStartA = 0x2A5F3C17;
constexpr std::uint32_t kIntegrityStartB = 0x1B7D4E29;
constexpr std::uint32_t kIntegrityMaskA = 0x5C3A9E61;
constexpr std::uint32_t kIntegrityMaskB = 0x6E1F2B83;

constexpr int kStarOption = 26;

UserMessage loadError(Text text)
{
    return {std::move(text), QT_TRANSLATE_NOOP("core", "Error de Carga"), MessageIcon::Information};
}

class LibraryParser {
public:
    LibraryParser(CompilationLibrary& library, std::vector<UserMessage>& messages)
        : lib_(library)
        , messages_(messages)
    {
    }

    // One line; `position` is the reader's position after it (the line feed that ends it).
    void ParseLibraryLine(const std::string& rawLine, std::int32_t position, int lineNumber)
    {
        const std::string_view line = trimmedView(std::string_view(rawLine).substr(0, rawLine.find(';')));
        if (line.empty())
            return;
        std::size_t pos = 0;
        const std::string keywordWord = NextToken(line, pos, ' ');
        // Template lines start with a blank and are not keywords: most lines stop here.
        const std::string_view known[] = {"MOD", "HLP", "FSIZE", "FIXHEAD", "DEFAULT", "SET", "MACTION", "MTIME",
                                          "BRICKMODEL", "BRICKMEM", "VELATRIXCODE", "SETVERSION", "LIBVERSION",
                                          "BEGINSET"};
        std::string_view keyword;
        for (std::string_view k : known)
            if (sameKeyword(keywordWord, k))
                keyword = k;
        if (keyword.empty())
            return;
        if (keyword == "MOD" || keyword == "HLP") {
            const long long f = leadingDigits(NextToken(line, pos, ' '));
            const long long s = leadingDigits(NextToken(line, pos, ' '));
            const std::string optionWord = NextToken(line, pos, ' ');
            const bool star = optionWord == "*";
            const long long o = star ? kStarOption : leadingDigits(optionWord);
            if (!keyInRange(f, s, o, line, lineNumber)) {
                currentKey_ = {0, 0, 0};
                return;
            }
            auto& table = keyword == "MOD" ? lib_.templateOffsetTable : lib_.helpOffsetTable;
            const std::int32_t value = position + (keyword == "MOD" ? 4 : 1);
            if (star)
                for (int opt = kCodeFirst; opt <= kCodeLast; ++opt)
                    table.set(int(f), int(s), opt, value);
            else
                table.set(int(f), int(s), int(o), value);
            currentKey_ = {int(f), int(s), int(o)};
        } else if (keyword == "FSIZE") {
            const auto size = std::uint8_t(leadingDigits(NextToken(line, pos, ' ')) & 255);
            const auto [f, s, o] = currentKey_;
            if (o == kStarOption) {
                for (int opt = kCodeFirst; opt <= kCodeLast; ++opt)
                    setSize(f, s, opt, size, position);
            } else {
                setSize(f, s, o, size, position);
            }
        } else if (keyword == "FIXHEAD" || keyword == "DEFAULT") {
            const int option = keyword == "FIXHEAD" ? kFixHeadOption : kDefaultOption;
            lib_.templateOffsetTable.set(family::LibraryReserved, library::Templates, option, position + 4);
            currentKey_ = {family::LibraryReserved, library::Templates, option};
        } else if (keyword == "SET") {
            parseSet(line, pos, lineNumber);
        } else if (keyword == "MACTION") {
            const auto n = leadingDigits(NextToken(line, pos, ' ')) & 7;
            lib_.motionActionNames[std::size_t(n)] = NextToken(line, pos, ' ');
        } else if (keyword == "MTIME") {
            const auto n = leadingDigits(NextToken(line, pos, ' ')) & 3;
            lib_.motionTimeNames[std::size_t(n)] = NextToken(line, pos, ' ');
        } else if (keyword == "BRICKMODEL") {
            lib_.brickModelName = NextToken(line, pos, ' ');
        } else if (keyword == "BRICKMEM") {
            lib_.libraryCapacity = int(std::min<long long>(leadingDigits(NextToken(line, pos, ' ')), 32768)) - 1;
        } else if (keyword == "VELATRIXCODE") {
            lib_.codeFormatName = NextToken(line, pos, ' ');
        } else if (keyword == "SETVERSION") {
            lib_.setVersion = NextToken(line, pos, ' ');
        } else if (keyword == "LIBVERSION") {
            lib_.libVersion = NextToken(line, pos, ' ');
        } else if (keyword == "BEGINSET") {
            lib_.instructionCount = 0;
        }
    }

private:
    struct Key {
        int f, s, o;
    };

    bool keyInRange(long long f, long long s, long long o, std::string_view line, int lineNumber)
    {
        if (codeInTable(int(std::min(f, 255LL))) && codeInTable(int(std::min(s, 255LL))) &&
            codeInTable(int(std::min(o, 255LL))))
            return true;
        messages_.push_back(loadError(Text(QT_TRANSLATE_NOOP("core", "Clave fuera de rango (9 a 26) en la linea %1: %2"))
                                          .arg(plainNumber(lineNumber))
                                          .arg(std::string(line))));
        return false;
    }

    void setSize(int f, int s, int o, std::uint8_t size, std::int32_t position)
    {
        lib_.elementSizeTable.set(f, s, o, size);
        lib_.templateOffsetTable.set(f, s, o, position);
    }

    void parseSet(std::string_view line, std::size_t& pos, int lineNumber)
    {
        InstructionEntry entry;
        entry.mnemonic = NextToken(line, pos, ' ');
        const std::string opcodeWord = NextToken(line, pos, ' ');
        if (!opcodeWord.empty() && opcodeWord[0] == '$') {
            const std::string digits = opcodeWord.substr(1);
            unsigned value = 0;
            bool hex = digits.size() >= 1 && digits.size() <= 2;
            for (char c : digits)
                hex = hex && std::isxdigit((unsigned char)c);
            entry.opcode = hex && std::sscanf(digits.c_str(), "%x", &value) == 1 ? std::int32_t(value) : 0;
        } else {
            entry.opcode = std::int32_t(std::min(leadingDigits(opcodeWord), 0x7FFFFFFFLL));
        }
        const std::string kindWord = NextToken(line, pos, ' ');
        if (!operandKindFromKeyword(upperCase(kindWord), entry.operandKind)) {
            messages_.push_back(loadError(Text(QT_TRANSLATE_NOOP("core", "Argumento No Identificado: %1")).arg(kindWord)));
            return;
        }
        if (lib_.instructionCount >= kInstructionSlots) {
            messages_.push_back(loadError(Text(QT_TRANSLATE_NOOP("core", "Demasiadas Instrucciones en la Libreria (linea %1): %2"))
                                              .arg(plainNumber(lineNumber))
                                              .arg(entry.mnemonic)));
            return;
        }
        lib_.instructionSet[std::size_t(lib_.instructionCount++)] = entry;
    }

    CompilationLibrary& lib_;
    std::vector<UserMessage>& messages_;
    Key currentKey_{0, 0, 0};
};

} // namespace

std::string LibraryLineReader::ReadLibraryLine()
{
    if (finished_ || position_ >= bytes_.size()) {
        finished_ = true;
        return "END";
    }
    const std::size_t start = position_;
    while (position_ < bytes_.size() && bytes_[position_] != '\r' && bytes_[position_] != '\n')
        ++position_;
    std::string line = bytes_.substr(start, position_ - start);
    if (position_ < bytes_.size())
        ++position_; // the carriage return (or a lone line feed) ends the line
    if (isEndLine(line))
        finished_ = true;
    return line;
}

LibraryLoadResult LoadLibraryBytes(const CompilationLibrary& previous, std::string bytes, std::string path)
{
    LibraryLoadResult result;
    result.opened = true;
    CompilationLibrary& lib = result.library;
    lib = previous;
    lib.clearElementTables();
    lib.fileBytes = std::move(bytes);
    lib.libraryPath = std::move(path);

    LibraryParser parser(lib, result.messages);
    LibraryLineReader reader(lib.fileBytes);
    int lineNumber = 1; // of the file, for messages
    std::int32_t lineStart = reader.libraryFilePosition();
    while (true) {
        const std::string line = reader.ReadLibraryLine();
        if (isEndLine(line))
            break;
        parser.ParseLibraryLine(line, reader.libraryFilePosition(), lineNumber);
        const std::int32_t next = reader.libraryFilePosition();
        for (std::int32_t i = lineStart; i < next; ++i)
            lineNumber += lib.fileBytes[std::size_t(i - 1)] == '\n';
        lineStart = next;
    }
    return result;
}

LibraryLoadResult LoadLibrary(const CompilationLibrary& previous, const std::filesystem::path& path,
                              const std::filesystem::path& defaultPath)
{
    std::string bytes;
    const std::string reason = readRegularFile(path, bytes, kLibraryFileMaxBytes);
    if (reason.empty())
        return LoadLibraryBytes(previous, std::move(bytes), path.string());
    const std::string defaultReason = readRegularFile(defaultPath, bytes, kLibraryFileMaxBytes);
    if (defaultReason.empty()) {
        auto result = LoadLibraryBytes(previous, std::move(bytes), defaultPath.string());
        result.usedDefault = true;
        result.unreadReason = reason;
        return result;
    }
    LibraryLoadResult result;
    result.library = previous;
    result.library.clearElementTables();
    result.library.fileBytes.clear();
    result.unreadReason = reason;
    std::vector<Text> lines { Text(QT_TRANSLATE_NOOP("core", "No se Pudo Abrir la Libreria %1 ni la Libreria %2"))
                                  .arg(pathText(path))
                                  .arg(pathText(defaultPath)),
        Text::sentence(reason) };
    if (defaultReason != reason)
        lines.push_back(Text::sentence(defaultReason));
    result.messages.push_back({ Text::lines(lines),
        QT_TRANSLATE_NOOP("core", "Error de Carga"), MessageIcon::Critical });
    return result;
}

std::string notALibrary(const LibraryLoadResult& loaded)
{
    const CompilationLibrary& lib = loaded.library;
    if (lib.fileBytes.find('\0') != std::string::npos)
        return QT_TRANSLATE_NOOP("core", "El archivo no es una libreria: no es un texto (tiene bytes nulos).");
    bool anyEntry = false;
    const auto note = [&](int, int, int, std::int32_t v) { anyEntry = anyEntry || v != 0; };
    lib.templateOffsetTable.forEach(note);
    lib.helpOffsetTable.forEach(note);
    if (!anyEntry && lib.instructionCount == 0)
        return QT_TRANSLATE_NOOP("core", "El archivo no es una libreria: no tiene instrucciones ni elementos.");
    if (lib.libraryCapacity < -1 || std::uintmax_t(lib.libraryCapacity + 1) > kImageFileMaxBytes)
        return QT_TRANSLATE_NOOP("core", "El archivo no es una libreria: su memoria (BRICKMEM) no puede ser la de un Ladrillo.");
    return {};
}

std::string computeIntegrityCode(const CompilationLibrary& library)
{
    std::uint32_t a = kIntegrityStartA, b = kIntegrityStartB;
    library.templateOffsetTable.forEach(
        [&](int, int, int, std::int32_t v) { a = (a + std::uint32_t(v)) & 0x7FFFFFFFu; });
    library.elementSizeTable.forEach([&](int, int, int, std::uint8_t v) { b = (b + v) & 0x7FFFFFFFu; });
    a = (a ^ kIntegrityMaskA) | 0x80000000u;
    b = (b ^ kIntegrityMaskB) | 0x80000000u;
    char text[17];
    std::snprintf(text, sizeof text, "%08X%08X", a, b);
    return text;
}

std::optional<UserMessage> CheckLibraryIntegrity(CompilationLibrary& library)
{
    if (computeIntegrityCode(library) == library.codeFormatName)
        return std::nullopt;
    library.clearElementTables();
    return UserMessage{QT_TRANSLATE_NOOP("core", "Falla en la Libreria de Datos de Compilacion!"), QT_TRANSLATE_NOOP("core", "Error"), MessageIcon::Critical};
}

Text libraryStatusText(const CompilationLibrary& library)
{
    return Text(QT_TRANSLATE_NOOP("core", "Libreria: %1")).arg(library.brickModelName);
}

Text memoryStatusText(const CompilationLibrary& library)
{
    return library.libraryCapacity == 0 ? Text(QT_TRANSLATE_NOOP("core", "Memoria: 0/???"))
                                        : Text(QT_TRANSLATE_NOOP("core", "Memoria: 0/%1")).arg(plainNumber(library.libraryCapacity));
}

Text libraryInformationText(const CompilationLibrary& library)
{
    return Text::lines({Text::literal(""), Text(QT_TRANSLATE_NOOP("core", "Maquina Virtual : %1")).arg(library.setVersion),
                        Text(QT_TRANSLATE_NOOP("core", "Version Libreria: %1")).arg(library.libVersion),
                        Text(QT_TRANSLATE_NOOP("core", "Codigo Velatrix : %1")).arg(library.codeFormatName), Text::literal("")});
}

std::string elementHelpText(const CompilationLibrary& library, int family, int subtype, int option)
{
    const std::int32_t start = family != 0 && subtype != 0 ? library.helpOffsetTable.at(family, subtype, option) : 0;
    if (start <= 0)
        return QT_TRANSLATE_NOOP("core", "No Hay Ayuda Disponible para este Grafo");
    std::string text;
    for (std::size_t i = std::size_t(start - 1); i < library.fileBytes.size(); ++i) {
        const char c = library.fileBytes[i];
        if (c == cp::invertedExclamation)
            break;
        if (c == '|')
            text += "\r\n";
        else if (c != '\r' && c != '\n')
            text += c;
    }
    return text;
}

} // namespace tarvel
