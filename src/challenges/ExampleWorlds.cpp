#include "challenges/ExampleWorlds.h"

#include "model/Cp1252.h"
#include "model/TextFile.h"
#include "model/TextUtil.h"

namespace tarvel {

namespace {

std::string trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

bool plainName(const std::string& name)
{
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name != "." && name != "..";
}

} // namespace

ExampleWorlds parseExampleWorlds(std::string_view bytes)
{
    ExampleWorlds list;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string line = trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line == "%")
            continue;
        const auto at = line.find('%');
        const std::string program = at == std::string::npos ? std::string() : trimmed(line.substr(0, at));
        const std::string world = at == std::string::npos ? std::string() : trimmed(line.substr(at + 1));
        if (!plainName(program) || !plainName(world) || world.find('%') != std::string::npos) {
            ++list.badLines;
            continue;
        }
        list.worldOf[upperCase(program)] = world;
    }
    return list;
}

ExampleWorlds loadExampleWorlds(const std::filesystem::path& appFolder)
{
    std::string bytes;
    if (!readWholeFile(appFolder / kExampleWorldsName, bytes, kListFileMaxBytes))
        return {};
    return parseExampleWorlds(bytes);
}

std::optional<std::string> ExampleWorlds::worldFor(const std::filesystem::path& programPath) const
{
    const auto it = worldOf.find(upperCase(utf8ToCp1252(programPath.filename().string())));
    if (it == worldOf.end())
        return std::nullopt;
    return it->second;
}

} // namespace tarvel
