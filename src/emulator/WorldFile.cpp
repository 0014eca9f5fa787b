#include "emulator/WorldFile.h"

#include "model/Cp1252.h"
#include "model/TextFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace tarvel {

namespace {

using json = nlohmann::json;

constexpr double kMaxCoordinate = 100'000; // cm
constexpr std::size_t kMaxItems = 10'000;
constexpr int kMaxPictureSide = 4096;

// A failed field: the message names it, in the words of the file.
struct Bad {
    std::string text;
};

double number(const json& object, const char* key, double fallback, double low = -kMaxCoordinate,
              double high = kMaxCoordinate)
{
    if (!object.is_object() || !object.contains(key))
        return fallback;
    const json& v = object.at(key);
    if (!v.is_number())
        throw Bad{std::string("\"") + key + "\" debe ser un numero"};
    const double d = v.get<double>();
    if (!std::isfinite(d) || d < low || d > high)
        throw Bad{std::string("\"") + key + "\" esta fuera de rango"};
    return d;
}

bool flag(const json& object, const char* key, bool fallback)
{
    if (!object.contains(key))
        return fallback;
    const json& v = object.at(key);
    if (!v.is_boolean())
        throw Bad{std::string("\"") + key + "\" debe ser true o false"};
    return v.get<bool>();
}

std::string text(const json& object, const char* key)
{
    if (!object.contains(key))
        return {};
    const json& v = object.at(key);
    if (!v.is_string())
        throw Bad{std::string("\"") + key + "\" debe ser un texto"};
    return v.get<std::string>();
}

const json& list(const json& object, const char* key, const json& empty)
{
    if (!object.contains(key))
        return empty;
    const json& v = object.at(key);
    if (!v.is_array())
        throw Bad{std::string("\"") + key + "\" debe ser una lista"};
    if (v.size() > kMaxItems)
        throw Bad{std::string("\"") + key + "\" tiene demasiados elementos"};
    return v;
}

double coordinate(const json& v)
{
    if (!v.is_number())
        throw Bad{"una coordenada debe ser un numero"};
    const double d = v.get<double>();
    if (!std::isfinite(d) || std::fabs(d) > kMaxCoordinate)
        throw Bad{"una coordenada esta fuera de rango"};
    return d;
}

WorldPoint point(const json& v)
{
    if (!v.is_array() || v.size() != 2)
        throw Bad{"un punto se escribe [x, y]"};
    return {coordinate(v[0]), coordinate(v[1])};
}

std::uint8_t brightness(const json& object, double fallback)
{
    return std::uint8_t(std::lround(number(object, "brightness", fallback, 0, 255)));
}

FloorMark mark(const json& m)
{
    if (!m.is_object())
        throw Bad{"cada marca del piso es un objeto"};
    FloorMark mark;
    mark.brightness = brightness(m, 20);
    mark.width = number(m, "width", 2, 0, kMaxCoordinate);
    if (m.contains("line")) {
        mark.kind = FloorMark::Kind::Line;
        const json& points = m.at("line");
        if (!points.is_array() || points.empty() || points.size() > kMaxItems)
            throw Bad{"\"line\" debe ser una lista de puntos [x, y]"};
        for (const auto& p : points)
            mark.points.push_back(point(p));
        mark.closed = flag(m, "closed", false);
    } else if (m.contains("rect")) {
        mark.kind = FloorMark::Kind::Rect;
        const json& r = m.at("rect");
        if (!r.is_array() || r.size() != 4)
            throw Bad{"\"rect\" se escribe [x, y, ancho, alto]"};
        mark.x = coordinate(r[0]);
        mark.y = coordinate(r[1]);
        mark.w = coordinate(r[2]);
        mark.h = coordinate(r[3]);
    } else if (m.contains("circle")) {
        mark.kind = FloorMark::Kind::Circle;
        const json& c = m.at("circle");
        if (!c.is_array() || c.size() != 3)
            throw Bad{"\"circle\" se escribe [x, y, radio]"};
        mark.x = coordinate(c[0]);
        mark.y = coordinate(c[1]);
        mark.radius = std::fabs(coordinate(c[2]));
        mark.width = number(m, "width", 0, 0, kMaxCoordinate);
    } else {
        throw Bad{"una marca del piso necesita \"line\", \"rect\" o \"circle\""};
    }
    return mark;
}

WorldSource source(const json& s)
{
    if (!s.is_object())
        throw Bad{"cada fuente es un objeto"};
    WorldSource source;
    const std::string kind = text(s, "kind");
    if (kind == "light")
        source.kind = SourceKind::Light;
    else if (kind == "sound")
        source.kind = SourceKind::Sound;
    else if (kind == "infrared")
        source.kind = SourceKind::Infrared;
    else
        throw Bad{"\"kind\" de una fuente es \"light\", \"sound\" o \"infrared\""};
    source.at = {number(s, "x", 0), number(s, "y", 0)};
    source.range = number(s, "range", 40, 0, kMaxCoordinate);
    source.intensity = int(number(s, "intensity", 150, 0, 255));
    source.frequency = int(number(s, "frequency", 1000, 0, 100000));
    source.data = std::uint8_t(number(s, "data", 1, 0, 255));
    source.on = flag(s, "on", true);
    return source;
}

bool safePictureName(const std::string& name)
{
    // Only a file beside the world: no folders, so a world cannot point anywhere else.
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name != "." && name != "..";
}

World readWorld(const json& doc, const std::filesystem::path& folder)
{
    if (!doc.is_object())
        throw Bad{"el archivo debe ser un objeto JSON"};
    World world;
    world.name = utf8ToCp1252(text(doc, "name"));
    world.width = number(doc, "width", 200, 10, kMaxWorldSide);
    world.height = number(doc, "height", 150, 10, kMaxWorldSide);
    world.ambient = int(number(doc, "ambient", 110, 0, 255));
    world.lampLight = int(number(doc, "lamp", 145, 0, 255));
    world.border = flag(doc, "border", true);
    world.wallThickness = number(doc, "wallThickness", 2, 0.1, 100);
    const json empty = json::array();
    if (doc.contains("floor")) {
        const json& floor = doc.at("floor");
        if (!floor.is_object())
            throw Bad{"\"floor\" debe ser un objeto"};
        world.floorBrightness = brightness(floor, 230);
        world.pictureFile = text(floor, "picture");
        if (!world.pictureFile.empty()) {
            if (!safePictureName(world.pictureFile) || folder.empty())
                throw Bad{"la imagen del piso debe estar en la misma carpeta que el mundo"};
            std::string bytes;
            if (const std::string reason = readRegularFile(folder / world.pictureFile, bytes, kFloorPictureMaxBytes);
                !reason.empty())
                throw Bad { "no se pudo leer la imagen del piso " + world.pictureFile + ": " + cp1252ToUtf8(reason) };
            std::string error;
            world.picture = parsePicture(bytes, error);
            if (world.picture.empty())
                throw Bad{world.pictureFile + ": " + error};
        }
    }
    for (const auto& m : list(doc, "marks", empty))
        world.marks.push_back(mark(m));
    for (const auto& w : list(doc, "walls", empty)) {
        if (!w.is_array() || w.size() != 4)
            throw Bad{"una pared se escribe [x1, y1, x2, y2]"};
        world.walls.push_back({{coordinate(w[0]), coordinate(w[1])}, {coordinate(w[2]), coordinate(w[3])}});
    }
    for (const auto& s : list(doc, "sources", empty))
        world.sources.push_back(source(s));
    if (doc.contains("robot")) {
        const json& r = doc.at("robot");
        if (!r.is_object())
            throw Bad{"\"robot\" debe ser un objeto"};
        world.robot.at = {number(r, "x", world.width / 2), number(r, "y", world.height / 2)};
        world.robot.heading = number(r, "heading", 0, -36000, 36000);
        const std::string steering = text(r, "steering");
        if (steering == "car")
            world.robot.steering = Steering::Car;
        else if (steering.empty() || steering == "differential")
            world.robot.steering = Steering::Differential;
        else
            throw Bad{"\"steering\" es \"differential\" o \"car\""};
    } else {
        world.robot.at = {world.width / 2, world.height / 2};
    }
    return world;
}

// The next header word of a PNM file (comments from "#" to the end of the line are skipped).
bool headerNumber(std::string_view bytes, std::size_t& pos, long& value)
{
    while (pos < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[pos]);
        if (c == '#') {
            while (pos < bytes.size() && bytes[pos] != '\n' && bytes[pos] != '\r')
                ++pos;
        } else if (std::isspace(c)) {
            ++pos;
        } else {
            break;
        }
    }
    if (pos >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[pos])))
        return false;
    value = 0;
    while (pos < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[pos]))) {
        value = value * 10 + (bytes[pos++] - '0');
        if (value > 1'000'000)
            return false;
    }
    return true;
}

} // namespace

GreyPicture parsePicture(std::string_view bytes, std::string& error)
{
    GreyPicture picture;
    const bool known =
        bytes.size() >= 2 && bytes[0] == 'P' && std::string_view("2356").find(bytes[1]) != std::string_view::npos;
    if (!known) {
        error = "la imagen del piso debe ser PGM o PPM (P2, P3, P5 o P6)";
        return picture;
    }
    const bool colour = bytes[1] == '3' || bytes[1] == '6';
    const bool binary = bytes[1] == '5' || bytes[1] == '6';
    std::size_t pos = 2;
    long width = 0, height = 0, maxval = 0;
    if (!headerNumber(bytes, pos, width) || !headerNumber(bytes, pos, height) || !headerNumber(bytes, pos, maxval)) {
        error = "la cabecera de la imagen esta incompleta";
        return picture;
    }
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide || maxval < 1 ||
        maxval > 65535) {
        error = "la imagen es demasiado grande o su cabecera no es valida";
        return picture;
    }
    const std::size_t samples = std::size_t(width) * std::size_t(height) * (colour ? 3 : 1);
    std::vector<long> values;
    values.reserve(samples);
    if (binary) {
        ++pos; // the one blank after the header
        const std::size_t width8 = maxval > 255 ? 2 : 1;
        if (pos > bytes.size() || bytes.size() - pos < samples * width8) {
            error = "la imagen esta cortada";
            return picture;
        }
        for (std::size_t i = 0; i < samples; ++i) {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + pos + i * width8);
            values.push_back(width8 == 2 ? p[0] * 256 + p[1] : p[0]);
        }
    } else {
        long v = 0;
        for (std::size_t i = 0; i < samples; ++i) {
            if (!headerNumber(bytes, pos, v)) {
                error = "la imagen esta cortada o tiene valores que no son numeros";
                return picture;
            }
            values.push_back(v);
        }
    }
    picture.width = int(width);
    picture.height = int(height);
    picture.pixels.resize(std::size_t(width) * std::size_t(height));
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        double grey = colour ? 0.299 * values[3 * i] + 0.587 * values[3 * i + 1] + 0.114 * values[3 * i + 2]
                             : double(values[i]);
        picture.pixels[i] = std::uint8_t(std::clamp(std::lround(grey * 255.0 / double(maxval)), 0L, 255L));
    }
    return picture;
}

WorldLoad parseWorld(std::string_view text, const std::filesystem::path& folder)
{
    WorldLoad load;
    const json doc = json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded()) {
        load.error = "el archivo no es un texto JSON valido";
        return load;
    }
    try {
        load.world = readWorld(doc, folder);
    } catch (const Bad& bad) {
        load.error = utf8ToCp1252(bad.text);
    } catch (const json::exception&) {
        load.error = "el archivo tiene un valor que no se entiende";
    }
    return load;
}

WorldLoad loadWorldFile(const std::filesystem::path& path)
{
    std::string bytes;
    WorldLoad load;
    if (const std::string reason = readRegularFile(path, bytes, kWorldFileMaxBytes); !reason.empty()) {
        load.error = "No se pudo abrir el mundo " + utf8ToCp1252(path.filename().string()) + "\r\n" + reason;
        return load;
    }
    load = parseWorld(bytes, path.parent_path());
    if (!load.error.empty())
        load.error = "Mundo " + utf8ToCp1252(path.filename().string()) + ": " + load.error;
    else if (load.world->name.empty())
        load.world->name = utf8ToCp1252(path.stem().string());
    return load;
}

std::vector<std::filesystem::path> worldFiles(const std::filesystem::path& folder)
{
    return jsonFilesIn(folder);
}

std::vector<std::filesystem::path> jsonFilesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && it->path().extension() == ".json")
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace tarvel
