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

std::string storeConfig(const std::string& path, const AppSettings& settings)
{
    return writeFileReplacing(path, configText(settings));
}

ConfigLoad loadOrCreateConfig(const std::string& path, const std::string& defaultLibraryPath)
{
    ConfigLoad result;
    std::string bytes;
    const std::string reason = readRegularFile(path, bytes, kListFileMaxBytes);
    if (auto parsed = parseConfig(bytes); reason.empty() && parsed) {
        result.settings = *parsed;
        return result;
    }
    result.settings = defaultAppSettings(defaultLibraryPath);
    std::error_code ec;
    if (!reason.empty() && std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found) {
        // Something is there that cannot be read (a folder, a file that is too large, a failing
        // disk): it is not replaced, the defaults only hold for this run.
        result.error = "No se Pudo Leer el Archivo " + pathText(path) + "\r\n" + reason;
        return result;
    }
    result.created = true;
    result.error = storeConfig(path, result.settings);
    return result;
}

} // namespace tarvel
