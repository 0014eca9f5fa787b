#include "cli/CliSupport.h"

#include "model/Cp1252.h"
#include "model/ProgramFile.h"
#include "model/TextFile.h"
#include "model/TextUtil.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace tarvel::cli {

namespace
{

// Core messages break lines as the files do; a terminal wants plain line feeds.
std::string terminalLines(std::string text)
{
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

std::string extensionOf(const std::string& path)
{
    return upperCase(std::filesystem::path(path).extension().string());
}

} // namespace

std::string utf8(std::string_view cp1252)
{
    return cp1252ToUtf8(cp1252);
}

std::string hex(std::span<const std::uint8_t> bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

void printJson(const nlohmann::ordered_json& doc)
{
    // A file name typed in another encoding must not end the program half-way through its answer.
    std::cout << doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

int fail(const std::string& messageUtf8)
{
    std::cerr << terminalLines(messageUtf8) << '\n';
    return Refused;
}

int usage(const std::string& messageUtf8)
{
    std::cerr << terminalLines(messageUtf8) << '\n';
    return BadUsage;
}

std::string readInput(const std::string& path, std::uintmax_t maxBytes, std::string& bytes, const std::string& head)
{
    const std::string reason = readRegularFile(path, bytes, maxBytes);
    return reason.empty() ? std::string() : head + path + "\n" + utf8(reason);
}

std::string writeOutputs(const std::vector<std::pair<std::string, std::string>>& files)
{
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const auto& [path, bytes] : files) {
        const auto folder = std::filesystem::path(path).parent_path();
        removeStaleTemporaries(folder.empty() ? std::filesystem::path(".") : folder);
        pending.push_back(std::make_unique<PendingFile>());
        if (const Text error = pending.back()->prepare(path, bytes); !error.empty())
            return terminalLines(utf8(error)); // the prepared ones are removed with `pending`
    }
    for (auto& file : pending)
        if (const Text error = file->commit(); !error.empty())
            return terminalLines(utf8(error));
    return {};
}

std::string writeProgram(ProgramStore& store, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = serializeProgram(store);
    return writeOutputs({ { path, std::string(bytes.begin(), bytes.end()) } });
}

std::string notAnImage(const std::string& path, const std::string& bytes)
{
    const std::string extension = extensionOf(path);
    if (extension == ".GTF")
        return path + " es un programa, no una imagen: tarvel build --image la hace";
    if (extension == ".SRC")
        return path + " es codigo fuente, no una imagen: tarvel asm --image la hace";
    for (const char* text : { ".TXT", ".LIB", ".JSON", ".PGM", ".PPM" })
        if (extension == text)
            return path + " es un archivo de texto o de imagen del piso, no una imagen del Ladrillo";
    // A text file has line ends and nothing but letters, digits and signs: no image looks like that.
    bool onlyText = bytes.find('\n') != std::string::npos;
    for (unsigned char c : bytes)
        onlyText = onlyText && (c == '\r' || c == '\n' || c == '\t' || (c >= 0x20 && c < 0x7F));
    if (onlyText)
        return path + " es un texto, no una imagen binaria del Ladrillo";
    return {};
}

bool sameFile(const std::string& a, const std::string& b)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    const auto whole = [](const std::string& p) {
        std::error_code e;
        const fs::path full = fs::weakly_canonical(p, e);
        return e ? fs::absolute(p, e).lexically_normal() : full;
    };
    return whole(a) == whole(b);
}

} // namespace tarvel::cli
