#include "challenges/ChallengeFile.h"

#include "emulator/WorldFile.h"
#include "model/Cp1252.h"
#include "model/TextFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>

namespace tarvel {

namespace {

using json = nlohmann::json;

constexpr double kMaxSeconds = 600; // ten minutes of virtual time: a lesson, never a hang
constexpr std::size_t kMaxItems = 1000;
constexpr int kMaxDepth = 8;
constexpr double kMaxCoordinate = 100'000;

// A refusal: thrown where the field is read, caught once at the top.
struct Bad {
    Text text;
};

[[noreturn]] void refuse(const char* pattern, const std::string& field)
{
    throw Bad{Text("core", pattern).arg(utf8ToCp1252(field))};
}

std::string joinNames(std::initializer_list<const char*> names)
{
    std::string out;
    for (const char* n : names)
        out += (out.empty() ? "" : ", ") + std::string(n);
    return out;
}

// A JSON object and the field path that leads to it ("goals.all[2]"), for the messages.
class Fields {
public:
    Fields(const json& object, std::string path)
        : object_(object)
        , path_(std::move(path))
    {
        if (!object_.is_object() && path_.empty())
            throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El reto debe ser un objeto JSON: { ... }"))};
        if (!object_.is_object())
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser un objeto"), path_);
    }

    // Every key must be one of these: a misspelt field is never ignored.
    void allow(std::initializer_list<const char*> keys) const
    {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            if (std::none_of(keys.begin(), keys.end(), [&](const char* k) { return it.key() == k; }))
                throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El campo \"%1\" no se conoce (se esperaba: %2)"))
                              .arg(utf8ToCp1252(name(it.key().c_str())))
                              .arg(joinNames(keys))};
        }
    }

    bool has(const char* key) const { return object_.contains(key); }
    std::string name(const char* key) const { return path_.empty() ? key : path_ + "." + key; }

    const json& at(const char* key) const
    {
        if (!object_.contains(key))
            refuse(QT_TRANSLATE_NOOP("core", "Falta el campo \"%1\""), name(key));
        return object_.at(key);
    }

    double number(const char* key, double low, double high) const
    {
        const json& v = at(key);
        if (!v.is_number())
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser un número"), name(key));
        const double d = v.get<double>();
        if (!std::isfinite(d) || d < low || d > high)
            throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El campo \"%1\" está fuera de rango (%2 a %3)"))
                          .arg(utf8ToCp1252(name(key)))
                          .arg(plain(low))
                          .arg(plain(high))};
        return d;
    }
    double number(const char* key, double low, double high, double fallback) const
    {
        return has(key) ? number(key, low, high) : fallback;
    }
    int whole(const char* key, int low, int high) const
    {
        const double d = number(key, low, high);
        if (d != std::floor(d))
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser un número entero"), name(key));
        return int(d);
    }
    int whole(const char* key, int low, int high, int fallback) const
    {
        return has(key) ? whole(key, low, high) : fallback;
    }

    std::string text(const char* key) const
    {
        const json& v = at(key);
        if (!v.is_string())
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser un texto"), name(key));
        return v.get<std::string>();
    }
    std::string text(const char* key, const std::string& fallback) const { return has(key) ? text(key) : fallback; }

    bool flag(const char* key, bool fallback) const
    {
        if (!has(key))
            return fallback;
        const json& v = at(key);
        if (!v.is_boolean())
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser true o false"), name(key));
        return v.get<bool>();
    }

    const json& list(const char* key) const
    {
        const json& v = at(key);
        if (!v.is_array())
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser una lista"), name(key));
        if (v.size() > kMaxItems)
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" tiene demasiados elementos"), name(key));
        return v;
    }

    // One of the words `choices`; its index.
    std::size_t choice(const char* key, std::initializer_list<const char*> choices) const
    {
        const std::string word = text(key);
        std::size_t i = 0;
        for (const char* c : choices) {
            if (word == c)
                return i;
            ++i;
        }
        throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser uno de estos: %2"))
                      .arg(utf8ToCp1252(name(key)))
                      .arg(joinNames(choices))};
    }

    // A list of exactly `count` numbers.
    std::vector<double> numbers(const char* key, std::size_t count) const
    {
        const json& v = at(key);
        if (!v.is_array() || v.size() != count)
            throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser una lista de %2 números"))
                          .arg(utf8ToCp1252(name(key)))
                          .arg(int(count))};
        std::vector<double> out;
        for (const auto& n : v) {
            if (!n.is_number() || !std::isfinite(n.get<double>()) || std::fabs(n.get<double>()) > kMaxCoordinate)
                throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser una lista de %2 números"))
                              .arg(utf8ToCp1252(name(key)))
                              .arg(int(count))};
            out.push_back(n.get<double>());
        }
        return out;
    }

    static std::string plain(double v)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%g", v);
        return text;
    }

    const std::string& path() const { return path_; }

private:
    const json& object_;
    std::string path_;
};

std::string item(const std::string& path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

std::int64_t microseconds(double seconds)
{
    // Whole milliseconds: the judge looks at the run once a millisecond.
    return std::llround(seconds * 1000) * 1000;
}

ChallengeInput readInput(const json& v, const std::string& path)
{
    Fields f(v, path);
    ChallengeInput in;
    in.atUs = microseconds(f.number("at", 0, kMaxSeconds, 0));
    using K = ChallengeInput::Kind;
    static constexpr K kinds[] = {K::Clap, K::Remote, K::PcByte, K::Light, K::Touch, K::Sound, K::Source};
    in.kind = kinds[f.choice("input", {"clap", "remote", "pc", "light", "touch", "sound", "source"})];
    switch (in.kind) {
    case K::Clap: f.allow({"at", "input"}); break;
    case K::Remote:
    case K::PcByte:
        f.allow({"at", "input", "value"});
        in.value = f.whole("value", 0, 255);
        break;
    case K::Light:
    case K::Touch:
    case K::Sound:
        f.allow({"at", "input", "value", "release"});
        in.release = f.flag("release", false);
        if (!in.release)
            in.value = f.whole("value", 0, in.kind == K::Light ? 255 : 1);
        break;
    case K::Source:
        f.allow({"at", "input", "value", "on"});
        in.value = f.whole("value", 0, 1000);
        in.on = f.flag("on", true);
        break;
    }
    return in;
}

Goal readGoal(const json& v, const std::string& path, int depth, const World& world);

void readGroup(Goal& goal, const json& list, const std::string& path, int depth, const World& world)
{
    if (!list.is_array() || list.empty())
        refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser una lista de objetivos"), path);
    if (list.size() > kMaxItems)
        refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" tiene demasiados elementos"), path);
    for (std::size_t i = 0; i < list.size(); ++i)
        goal.parts.push_back(readGoal(list[i], item(path, i), depth + 1, world));
}

// Gives every goal labelled `spanish` its English label; whether any was.
bool labelInEnglish(Goal& goal, const std::string& spanish, const std::string& english)
{
    bool found = false;
    if (goal.label == spanish) {
        goal.englishLabel = english;
        found = true;
    }
    for (Goal& part : goal.parts)
        found = labelInEnglish(part, spanish, english) || found;
    return found;
}

// "labels": {"la salida": "the exit", ...}, each key a label of the goals as the file writes it.
void readEnglishLabels(Goal& goals, const json& labels, const std::string& path)
{
    if (!labels.is_object())
        refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser un objeto"), path);
    for (auto it = labels.begin(); it != labels.end(); ++it) {
        const std::string name = path + "." + it.key();
        if (!it.value().is_string() || it.value().get<std::string>().empty())
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser un texto"), name);
        if (it.key().empty() || !labelInEnglish(goals, utf8ToCp1252(it.key()), utf8ToCp1252(it.value().get<std::string>())))
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" no es el nombre de ningún objetivo"), name);
    }
}

bool hasDarkLine(const World& world)
{
    return std::any_of(world.marks.begin(), world.marks.end(), [](const FloorMark& m) {
        return m.kind == FloorMark::Kind::Line && m.brightness < 128 && !m.points.empty();
    });
}

Goal readGoal(const json& v, const std::string& path, int depth, const World& world)
{
    if (depth > kMaxDepth)
        refuse(QT_TRANSLATE_NOOP("core", "Los objetivos de \"%1\" están anidados demasiado hondo"), path);
    Fields f(v, path);
    Goal g;
    if (f.has("all") || f.has("any")) {
        f.allow({"all", "any", "label"});
        if (f.has("all") && f.has("any"))
            refuse(QT_TRANSLATE_NOOP("core", "El objetivo \"%1\" tiene \"all\" y \"any\": se usa uno solo"), path);
        g.kind = f.has("all") ? Goal::Kind::All : Goal::Kind::Any;
        g.label = utf8ToCp1252(f.text("label", ""));
        readGroup(g, f.at(f.has("all") ? "all" : "any"), f.name(f.has("all") ? "all" : "any"), depth, world);
        return g;
    }
    using K = Goal::Kind;
    static constexpr K kinds[] = {K::Reach, K::NoWall, K::OnLine, K::LineEnd, K::Led, K::Lamp,
                                  K::Tone,  K::Send,   K::End,    K::Within,  K::Variable, K::Still};
    g.kind = kinds[f.choice("kind", {"reach", "noWall", "onLine", "lineEnd", "led", "lamp", "tone", "send", "end",
                                     "within", "variable", "still"})];
    g.label = utf8ToCp1252(f.text("label", ""));
    const bool timed = g.kind == K::Reach || g.kind == K::LineEnd || g.kind == K::Led || g.kind == K::Lamp ||
                       g.kind == K::Tone || g.kind == K::Send;
    if ((g.kind == K::OnLine || g.kind == K::LineEnd) && !hasDarkLine(world))
        refuse(QT_TRANSLATE_NOOP("core", "El objetivo \"%1\" sigue una línea, pero el mundo no tiene ninguna línea oscura"),
               path);
    if (timed) {
        g.afterUs = microseconds(f.number("after", 0, kMaxSeconds, 0));
        if (f.has("before"))
            g.beforeUs = microseconds(f.number("before", 0, kMaxSeconds));
        if (g.beforeUs <= g.afterUs)
            refuse(QT_TRANSLATE_NOOP("core", "En \"%1\", \"before\" debe ser mayor que \"after\""), path);
    }
    switch (g.kind) {
    case K::Reach: {
        f.allow({"kind", "label", "after", "before", "rect", "circle", "atEnd"});
        g.atEnd = f.flag("atEnd", false);
        if (f.has("rect") == f.has("circle"))
            refuse(QT_TRANSLATE_NOOP("core", "El objetivo \"%1\" necesita \"rect\" o \"circle\""), path);
        if (f.has("rect")) {
            const auto r = f.numbers("rect", 4);
            g.x = r[0], g.y = r[1], g.w = r[2], g.h = r[3];
            if (g.w <= 0 || g.h <= 0)
                refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe tener ancho y alto mayores que 0"),
                       f.name("rect"));
        } else {
            const auto c = f.numbers("circle", 3);
            g.circle = true;
            g.x = c[0], g.y = c[1], g.radius = c[2];
            if (g.radius <= 0)
                refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe tener un radio mayor que 0"), f.name("circle"));
        }
        break;
    }
    case K::NoWall: f.allow({"kind", "label"}); break;
    case K::OnLine:
        f.allow({"kind", "label", "share", "of", "margin"});
        g.share = f.number("share", 0, 1);
        g.ofPath = f.has("of") && f.choice("of", {"time", "path"}) == 1;
        g.margin = f.number("margin", 0, 50, 3);
        break;
    case K::LineEnd:
        f.allow({"kind", "label", "after", "before", "margin"});
        g.margin = f.number("margin", 0, 50, 3);
        break;
    case K::Led: {
        f.allow({"kind", "label", "after", "before", "led", "on", "atEnd"});
        g.led = int(f.choice("led", {"A", "B", "C"}));
        g.on = f.flag("on", true);
        g.atEnd = f.flag("atEnd", false);
        break;
    }
    case K::Lamp:
        f.allow({"kind", "label", "after", "before", "on", "atEnd"});
        g.on = f.flag("on", true);
        g.atEnd = f.flag("atEnd", false);
        break;
    case K::Tone:
        f.allow({"kind", "label", "after", "before", "count", "frequency", "tolerance", "notes"});
        if (f.has("notes") && (f.has("count") || f.has("frequency")))
            refuse(QT_TRANSLATE_NOOP("core", "El objetivo \"%1\" tiene \"notes\": no lleva \"count\" ni \"frequency\""),
                   path);
        if (f.has("notes")) {
            const json& notes = f.list("notes");
            if (notes.empty())
                refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser una lista de frecuencias"), f.name("notes"));
            for (std::size_t i = 0; i < notes.size(); ++i) {
                if (!notes[i].is_number() || !(notes[i].get<double>() >= 20 && notes[i].get<double>() <= 20000))
                    refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser una frecuencia de 20 a 20000 Hz"),
                           item(f.name("notes"), i));
                g.notes.push_back(notes[i].get<double>());
            }
        }
        g.count = f.whole("count", 1, 1000, 1);
        g.frequency = f.number("frequency", 20, 20000, 0);
        g.tolerance = f.number("tolerance", 0, 10000, 0);
        break;
    case K::Send:
        f.allow({"kind", "label", "after", "before", "byte"});
        g.byte = f.whole("byte", 0, 255, -1);
        break;
    case K::End: {
        f.allow({"kind", "label", "how"});
        static const char* const hows[] = {"any", "stop", "halt", "restart", "lock"};
        g.end = hows[f.has("how") ? f.choice("how", {"any", "stop", "halt", "restart", "lock"}) : 0];
        break;
    }
    case K::Within:
        f.allow({"kind", "label", "seconds"});
        g.seconds = f.number("seconds", 0.001, kMaxSeconds);
        break;
    case K::Variable: {
        f.allow({"kind", "label", "variable", "compare", "value"});
        g.variable = 1 + int(f.choice("variable", {"roja", "azul", "verde", "rosa", "naranja"}));
        static const char* const compares[] = {"=", "!=", ">", "<", ">=", "<="};
        g.compare = compares[f.has("compare") ? f.choice("compare", {"=", "!=", ">", "<", ">=", "<="}) : 0];
        g.value = f.whole("value", 0, 255);
        break;
    }
    case K::Still: f.allow({"kind", "label"}); break;
    case K::All:
    case K::Any: break;
    }
    return g;
}

StarRule readStars(const json& v)
{
    Fields f(v, "stars");
    f.allow({"by", "three", "two"});
    StarRule rule;
    using M = StarRule::Measure;
    static constexpr M measures[] = {M::Time, M::Distance, M::LineShare, M::LineProgress};
    rule.measure = measures[f.choice("by", {"time", "distance", "lineShare", "lineProgress"})];
    const bool shares = rule.measure == M::LineShare || rule.measure == M::LineProgress;
    rule.three = f.number("three", 0, shares ? 1 : kMaxCoordinate);
    rule.two = f.number("two", 0, shares ? 1 : kMaxCoordinate);
    if (shares ? rule.three < rule.two : rule.three > rule.two)
        refuse(QT_TRANSLATE_NOOP("core", "En \"%1\", tres estrellas deben pedir más que dos"), "stars");
    return rule;
}

bool safeFileName(const std::string& name)
{
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name != "." && name != ".." && name.find('\0') == std::string::npos;
}

World readWorld(const Fields& top, const std::filesystem::path& worldsFolder, std::string& worldName)
{
    const json& w = top.at("world");
    if (w.is_object()) {
        // An inline world: the world reader's own rules, with no folder for a picture.
        const WorldLoad load = parseWorld(w.dump(), {});
        if (!load.world)
            throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El mundo del campo \"world\" no es válido: %1"))
                          .arg(load.error)};
        return *load.world;
    }
    if (!w.is_string())
        refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser el nombre de un mundo o un mundo"), "world");
    worldName = w.get<std::string>();
    std::string file = worldName;
    if (file.size() < 5 || file.substr(file.size() - 5) != ".json")
        file += ".json";
    std::error_code ec;
    const std::filesystem::path path = worldsFolder / file;
    if (!safeFileName(file) || worldsFolder.empty() || !std::filesystem::is_regular_file(path, ec))
        throw Bad{Text("core", QT_TRANSLATE_NOOP("core", "El mundo \"%1\" no existe en la carpeta de mundos"))
                      .arg(utf8ToCp1252(worldName))};
    WorldLoad load = loadWorldFile(path);
    if (!load.world)
        throw Bad{Text::literal(load.error)};
    return *load.world;
}

Challenge readChallenge(const json& doc, const std::filesystem::path& worldsFolder)
{
    Fields f(doc, "");
    f.allow({"title", "description", "world", "start", "seconds", "inputs", "goals", "stars", "translations",
             "solution"});
    Challenge c;
    c.title = utf8ToCp1252(f.text("title"));
    c.description = utf8ToCp1252(f.text("description"));
    if (c.title.empty())
        refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" no puede estar vacío"), "title");
    c.world = readWorld(f, worldsFolder, c.worldName);
    if (f.has("start")) {
        Fields s(f.at("start"), "start");
        s.allow({"x", "y", "heading"});
        c.world.robot.at = {s.number("x", 0, c.world.width), s.number("y", 0, c.world.height)};
        c.world.robot.heading = s.number("heading", -360, 360, c.world.robot.heading);
    }
    c.seconds = f.number("seconds", 0.1, kMaxSeconds);
    if (f.has("inputs")) {
        const json& inputs = f.list("inputs");
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            c.inputs.push_back(readInput(inputs[i], item("inputs", i)));
            if (c.inputs.back().kind == ChallengeInput::Kind::Source &&
                std::size_t(c.inputs.back().value) >= c.world.sources.size())
                refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" nombra una fuente que el mundo no tiene"),
                       item("inputs", i) + ".value");
        }
        std::stable_sort(c.inputs.begin(), c.inputs.end(),
                         [](const ChallengeInput& a, const ChallengeInput& b) { return a.atUs < b.atUs; });
    }
    const json& goals = f.at("goals");
    if (goals.is_array()) {
        c.goals.kind = Goal::Kind::All;
        readGroup(c.goals, goals, "goals", 0, c.world);
    } else {
        c.goals = readGoal(goals, "goals", 0, c.world);
    }
    if (f.has("stars"))
        c.stars = readStars(f.at("stars"));
    if (f.has("translations")) {
        Fields t(f.at("translations"), "translations");
        t.allow({"en"});
        if (t.has("en")) {
            Fields en(t.at("en"), "translations.en");
            en.allow({"title", "description", "labels"});
            c.englishTitle = utf8ToCp1252(en.text("title", ""));
            c.englishDescription = utf8ToCp1252(en.text("description", ""));
            if (en.has("labels"))
                readEnglishLabels(c.goals, en.at("labels"), en.name("labels"));
        }
    }
    if (f.has("solution")) {
        c.solution = f.text("solution");
        if (!safeFileName(c.solution))
            refuse(QT_TRANSLATE_NOOP("core", "El campo \"%1\" debe ser un archivo de la misma carpeta"), "solution");
    }
    return c;
}

} // namespace

ChallengeLoad parseChallenge(std::string_view text, const std::filesystem::path& worldsFolder)
{
    ChallengeLoad load;
    const json doc = json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded()) {
        load.error = Text("core", QT_TRANSLATE_NOOP("core", "El archivo no es un texto JSON válido"));
        return load;
    }
    try {
        load.challenge = readChallenge(doc, worldsFolder);
    } catch (const Bad& bad) {
        load.error = bad.text;
    } catch (const json::exception&) {
        load.error = Text("core", QT_TRANSLATE_NOOP("core", "El archivo tiene un valor que no se entiende"));
    }
    return load;
}

ChallengeLoad loadChallengeFile(const std::filesystem::path& path, const std::filesystem::path& worldsFolder)
{
    std::string bytes;
    ChallengeLoad load;
    const std::string shown = utf8ToCp1252(path.filename().string());
    if (const std::string reason = readRegularFile(path, bytes, kChallengeFileMaxBytes); !reason.empty()) {
        load.error = Text("core", QT_TRANSLATE_NOOP("core", "No se pudo abrir el reto %1: %2")).arg(shown).arg(reason);
        return load;
    }
    load = parseChallenge(bytes, worldsFolder);
    if (load.challenge)
        load.challenge->id = path.stem().string();
    else
        load.error = Text("core", QT_TRANSLATE_NOOP("core", "Reto %1: %2")).arg(shown).arg(load.error);
    return load;
}

namespace {

void labelsInEnglish(Goal& goal)
{
    if (!goal.englishLabel.empty())
        goal.label = goal.englishLabel;
    for (Goal& part : goal.parts)
        labelsInEnglish(part);
}

} // namespace

Challenge inEnglish(Challenge c)
{
    if (!c.englishTitle.empty())
        c.title = c.englishTitle;
    if (!c.englishDescription.empty())
        c.description = c.englishDescription;
    labelsInEnglish(c.goals);
    return c;
}

std::vector<std::filesystem::path> challengeFiles(const std::filesystem::path& folder)
{
    return jsonFilesIn(folder);
}

} // namespace tarvel
