#include "model/TextFile.h"

#include <fstream>
#include <random>

namespace tarvel {

bool readWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string writeFileReplacing(const std::filesystem::path& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    std::random_device rd;
    fs::path temp = path;
    temp += ".tmp" + std::to_string(rd() % 1000000);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(bytes.data(), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return "No se Pudo Escribir el Archivo " + path.string();
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return "No se Pudo Reemplazar el Archivo " + path.string();
    }
    return {};
}

} // namespace tarvel
