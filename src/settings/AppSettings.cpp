#include "settings/AppSettings.h"

#include "model/Cp1252.h"

#include "model/NumberText.h"
#include "model/TextFile.h"

#include <algorithm>
#include <filesystem>

#include <vector>

namespace tarvel {

AppSettings defaultAppSettings(const std::string& defaultLibraryPath)
{
    AppSettings s;
    s.libraryPath = defaultLibraryPath;
    return s;
}

namespace {

std::vector<std::string> splitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(current);
            current.clear();
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current += bytes[i];
        }
    }
    if (!current.empty())
        lines.push_back(current);
    return lines;
}

int firstDigit(const std::string& line)
{
    return !line.empty() && line[0] >= '0' && line[0] <= '9' ? line[0] - '0' : 0;
}

int wholeNumber(const std::string& line)
{
    const auto start = line.find_first_not_of(' ');
    if (start == std::string::npos)
        return 0;
    return int(std::clamp(signedLeadingNumber(std::string_view(line).substr(start)), -32767LL, 32767LL));
}

} // namespace

std::optional<AppSettings> parseConfig(const std::string& bytes)
{
    if (bytes.size() < 3 || bytes[0] == '0')
        return std::nullopt;
    std::vector<std::string> lines = splitLines(bytes);
    lines.resize(std::max<std::size_t>(lines.size(), 9));
    AppSettings s;
    s.comPort = firstDigit(lines[1]);
    s.warnUncodedIcons = firstDigit(lines[2]) == 1;
    s.storeSourceFiles = firstDigit(lines[3]) == 1;
    s.interfaceMode = firstDigit(lines[4]) == 1;
    s.dontShowFlags = wholeNumber(lines[5]);
    s.libraryPath = cp1252ToUtf8(lines[6]); // the file is Windows-1252 text; the path is the system's bytes
    s.useSimulatedBrick = firstDigit(lines[7]) == 1;
    // Any other value is the interface's own language.
    s.language = firstDigit(lines[8]) == 1 ? InterfaceLanguage::English : InterfaceLanguage::Spanish;
    return s;
}

std::string configText(const AppSettings& s)
{
    auto flag = [](bool b) { return b ? "1" : "0"; };
    return std::string("1\r\n") + std::to_string(s.comPort) + "\r\n" + flag(s.warnUncodedIcons) + "\r\n" +
           flag(s.storeSourceFiles) + "\r\n" + flag(s.interfaceMode) + "\r\n" + std::to_string(s.dontShowFlags) +
           "\r\n" + utf8ToCp1252(s.libraryPath) + "\r\n" + flag(s.useSimulatedBrick) + "\r\n" +
           flag(s.language == InterfaceLanguage::English) + "\r\n";
}

int damagedConfigLine(const std::string& bytes)
{
    const std::vector<std::string> lines = splitLines(bytes);
    auto digitLine = [](const std::string& l) { return !l.empty() && l[0] >= '0' && l[0] <= '9'; };
    auto flagLine = [](const std::string& l) { return !l.empty() && (l[0] == '0' || l[0] == '1'); };
    auto numberLine = [](const std::string& l) {
        const auto start = l.find_first_not_of(' ');
        if (start == std::string::npos)
            return false;
        const std::string_view v = std::string_view(l).substr(start + (l[start] == '-' ? 1 : 0));
        return !v.empty() && std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    auto textLine = [](const std::string& l) {
        return std::none_of(l.begin(), l.end(), [](char c) { return (unsigned char)c < 0x20 || c == 0x7F; });
    };
    // Lines 1 to 7 are in every file ever written; 8 and 9 came later and read anything but "1" as
    // their default, so they cannot be damaged.
    for (std::size_t n = 0; n < 7; ++n) {
        if (n >= lines.size())
            return int(n) + 1;
        const std::string& l = lines[n];
        const bool fits = n <= 1 ? digitLine(l) : n <= 4 ? flagLine(l) : n == 5 ? numberLine(l) : textLine(l);
        if (!fits)
            return int(n) + 1;
    }
    return 0;
}

Text storeConfig(const std::string& path, const AppSettings& settings)
{
    return writeFileReplacing(path, configText(settings));
}

ConfigLoad loadOrCreateConfig(const std::string& path, const std::string& defaultLibraryPath)
{
    ConfigLoad result;
    std::string bytes;
    const std::string reason = readRegularFile(path, bytes, kListFileMaxBytes);
    const auto parsed = parseConfig(bytes);
    const int damaged = parsed ? damagedConfigLine(bytes) : 0;
    if (reason.empty() && parsed && damaged == 0) {
        result.settings = *parsed;
        return result;
    }
    result.settings = defaultAppSettings(defaultLibraryPath);
    if (reason.empty() && damaged > 0) {
        // Whatever was in it may matter to someone: it stays beside the new file.
        const std::string backup = path + ".bak";
        std::error_code ec;
        std::filesystem::rename(path, backup, ec);
        std::vector<Text> error {
            Text(QT_TRANSLATE_NOOP("core", "No se Pudo Leer la Configuracion del Archivo %1")).arg(pathText(path)),
            Text(QT_TRANSLATE_NOOP("core", "La Linea %1 No Tiene el Formato Esperado.")).arg(plainNumber(damaged))
        };
        if (ec) {
            // Not ours to overwrite without a copy: the defaults hold for this run only.
            error.push_back(Text(QT_TRANSLATE_NOOP("core", "No se Pudo Guardar una Copia del Archivo Como %1")).arg(pathText(backup)));
            error.push_back(QT_TRANSLATE_NOOP("core", "Se Usan los Valores por Omision."));
            result.error = Text::lines(error);
            return result;
        }
        result.created = true;
        error.push_back(QT_TRANSLATE_NOOP("core", "Se Reemplazo por los Valores por Omision."));
        error.push_back(Text(QT_TRANSLATE_NOOP("core", "El Archivo Anterior se Guardo Como %1")).arg(pathText(backup)));
        if (Text written = storeConfig(path, result.settings); !written.empty())
            error.push_back(std::move(written));
        result.error = Text::lines(error);
        return result;
    }
    std::error_code ec;
    if (!reason.empty() && std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found) {
        // Something is there that cannot be read (a folder, a file that is too large, a failing
        // disk): it is not replaced, the defaults only hold for this run.
        result.error = Text::lines({Text(QT_TRANSLATE_NOOP("core", "No se Pudo Leer el Archivo %1")).arg(pathText(path)),
                                    Text::sentence(reason)});
        return result;
    }
    result.created = true;
    result.error = storeConfig(path, result.settings);
    return result;
}

} // namespace tarvel
