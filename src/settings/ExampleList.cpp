#include "settings/ExampleList.h"

#include "model/Cp1252.h"
#include "model/Text.h"
#include "model/TextFile.h"
#include "model/TextUtil.h"

#include <array>
#include <filesystem>

namespace tarvel {

namespace {

// The captions of the examples the application folder ships in its list, for the translation files:
// the menus show them in the interface's language. A caption a teacher adds is shown as it is.
[[maybe_unused]] constexpr const char* kShippedCaptions[] = {
    QT_TRANSLATE_NOOP("core", "Luces Intermitentes"), QT_TRANSLATE_NOOP("core", "Baile del Robot"),
    QT_TRANSLATE_NOOP("core", "Evitar Obstaculos"), QT_TRANSLATE_NOOP("core", "Sigue la Luz"),
    QT_TRANSLATE_NOOP("core", "Una Melodia"), QT_TRANSLATE_NOOP("core", "Cuenta regresiva con aplausos"),
    QT_TRANSLATE_NOOP("core", "Medidor de sonido"), QT_TRANSLATE_NOOP("core", "Dado electronico"),
    QT_TRANSLATE_NOOP("core", "Manejar con el control remoto"), QT_TRANSLATE_NOOP("core", "Salir del laberinto"),
    QT_TRANSLATE_NOOP("core", "Barra de luz"), QT_TRANSLATE_NOOP("core", "Despertador"),
    QT_TRANSLATE_NOOP("core", "Seguir la Linea"),
};

} // namespace

int exampleMenuItems(int list)
{
    switch (list) {
    case 0:
    case 1:
    case 2: return 8;
    case 9: return 13;
    default: return 0;
    }
}

std::optional<std::string> exampleHelpText(const std::string& folder, const std::string& helpName)
{
    const std::string name = trimBlanks(helpName);
    if (upperCase(helpName) == "VOID" || name.size() <= 4)
        return std::nullopt;
    std::string bytes;
    if (!readWholeFile(std::filesystem::path(folder) / cp1252ToUtf8(name), bytes, kListFileMaxBytes))
        return std::nullopt; // a help file that is not there is no help
    return bytes;
}

ExampleListResult parseExampleList(const std::string& bytes, const std::string& fileName)
{
    ExampleListResult result;
    if (bytes.size() <= 2)
        return result;
    std::array<int, kExampleLists> counts{};
    std::size_t pos = 0;
    int line = 1;
    auto upTo = [&](char stop, bool& found) {
        std::string field;
        while (pos < bytes.size() && bytes[pos] != stop && !(stop == '%' && (bytes[pos] == '\r' || bytes[pos] == '\n')))
            field += bytes[pos++];
        found = pos < bytes.size() && bytes[pos] == stop;
        if (found)
            ++pos;
        return field;
    };
    auto problem = [&](const std::string& what) {
        result.problems.push_back(fileName + ", linea " + std::to_string(line) + ": " + what);
    };
    while (pos < bytes.size() && bytes[pos] != '%') {
        const char digit = bytes[pos++];
        ++pos; // the separator after the digit
        bool f1 = false, f2 = false, f3 = false;
        ExampleEntry e;
        e.programFile = upTo('%', f1);
        if (f1)
            e.helpFile = upTo('%', f2);
        if (f2)
            e.caption = upTo('\r', f3);
        // Whatever ended the line, the next one starts after its line feed.
        while (pos < bytes.size() && bytes[pos] != '\n')
            ++pos;
        if (pos < bytes.size())
            ++pos;
        const int list = digit - '0';
        if (!f1 || !f2) {
            problem("faltan los separadores \"%\" entre programa, ayuda y titulo");
        } else if (list < 0 || list >= kExampleLists) {
            problem(std::string("numero de lista invalido \"") + digit + "\"");
        } else if (counts[std::size_t(list)] >= kExamplesPerList ||
                   (exampleMenuItems(list) > 0 && counts[std::size_t(list)] >= exampleMenuItems(list))) {
            problem("la lista " + std::to_string(list) + " ya esta completa");
        } else {
            e.list = list;
            e.index = counts[std::size_t(list)]++;
            result.entries.push_back(std::move(e));
        }
        ++line;
    }
    return result;
}

ExampleListResult loadExampleList(const std::string& path)
{
    std::string bytes;
    if (const std::string reason = readRegularFile(path, bytes, kListFileMaxBytes); !reason.empty()) {
        ExampleListResult result;
        std::error_code ec;
        if (std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found)
            result.problems.push_back(pathText(path) + ": " + reason); // no list at all is no problem
        return result;
    }
    return parseExampleList(bytes, pathText(path));
}

} // namespace tarvel
