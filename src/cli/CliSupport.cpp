#include "cli/CliSupport.h"

#include "model/Cp1252.h"

#include <iostream>

namespace tarvel::cli {

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
    std::cout << doc.dump(2) << '\n';
}

int fail(const std::string& messageUtf8)
{
    std::cerr << messageUtf8 << '\n';
    return Refused;
}

} // namespace tarvel::cli
