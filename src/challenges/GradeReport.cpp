#include "challenges/GradeReport.h"

#include "model/Cp1252.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarvel {

namespace {

using json = nlohmann::ordered_json;

constexpr std::size_t kPicturePoints = 300; // enough for the shape of a path, small enough for a page

Text say(const char* pattern)
{
    return Text("core", pattern);
}

std::string fixed(double v, int decimals)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

double rounded(double v, double unit)
{
    return std::round(v / unit) * unit;
}

// At most `count` points of the trail, its ends kept.
std::vector<WorldPoint> fewer(const std::vector<WorldPoint>& trail, std::size_t count)
{
    if (trail.size() <= count)
        return trail;
    std::vector<WorldPoint> out;
    const double step = double(trail.size() - 1) / double(count - 1);
    for (std::size_t i = 0; i < count; ++i)
        out.push_back(trail[std::min(trail.size() - 1, std::size_t(std::llround(double(i) * step)))]);
    return out;
}

Text stateText(const GradeEntry& e)
{
    if (!e.built)
        return say(QT_TRANSLATE_NOOP("core", "No se pudo compilar"));
    if (e.verdict.cancelled)
        return say(QT_TRANSLATE_NOOP("core", "Interrumpido"));
    return e.verdict.passed ? say(QT_TRANSLATE_NOOP("core", "Cumplido")) : say(QT_TRANSLATE_NOOP("core", "No cumplido"));
}

const char* stateWord(const GradeEntry& e)
{
    if (!e.built)
        return "notBuilt";
    return e.verdict.passed ? "passed" : "failed";
}

// Why a program did not earn the challenge, in one sentence; empty when it did.
Text whyNot(const GradeEntry& e)
{
    if (!e.built)
        return e.message;
    if (const GoalResult* miss = firstMissedGoal(e.verdict); miss && !e.verdict.passed)
        return miss->reason;
    return {};
}

std::string html(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r': break;
        case '\n': out += "<br>"; break;
        default: out += c;
        }
    }
    return out;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string grey(int level)
{
    char text[16];
    const int v = std::clamp(level, 0, 255);
    std::snprintf(text, sizeof text, "#%02x%02x%02x", v, v, v);
    return text;
}

std::string points(const std::vector<WorldPoint>& ps)
{
    std::string out;
    for (const WorldPoint& p : ps)
        out += (out.empty() ? "" : " ") + fixed(p.x, 1) + "," + fixed(p.y, 1);
    return out;
}

void regions(const Goal& g, std::string& svg)
{
    if (g.kind == Goal::Kind::Reach) {
        const char* style = R"( fill="#4caf5033" stroke="#2e7d32" stroke-width="0.8" stroke-dasharray="3 2")";
        if (g.circle)
            svg += "<circle cx=\"" + fixed(g.x, 1) + "\" cy=\"" + fixed(g.y, 1) + "\" r=\"" + fixed(g.radius, 1) + "\"" +
                   style + "/>";
        else
            svg += "<rect x=\"" + fixed(g.x, 1) + "\" y=\"" + fixed(g.y, 1) + "\" width=\"" + fixed(g.w, 1) +
                   "\" height=\"" + fixed(g.h, 1) + "\"" + style + "/>";
    }
    for (const Goal& part : g.parts)
        regions(part, svg);
}

json goalsJson(const Verdict& v, const ReportWords& words)
{
    json goals = json::array();
    for (const GoalResult& g : v.goals) {
        json one = {{"depth", g.depth}, {"met", g.met}, {"goal", words(g.statement)}, {"reason", words(g.reason)}};
        if (g.atUs)
            one["seconds"] = rounded(double(*g.atUs) / 1e6, 0.001);
        goals.push_back(one);
    }
    return goals;
}

struct Counts {
    int passed = 0, failed = 0, notBuilt = 0;
};

Counts counted(const std::vector<GradeEntry>& entries)
{
    Counts c;
    for (const auto& e : entries)
        (!e.built ? c.notBuilt : e.verdict.passed ? c.passed : c.failed)++;
    return c;
}

Text summaryText(const std::vector<GradeEntry>& entries)
{
    const Counts c = counted(entries);
    return say(QT_TRANSLATE_NOOP("core", "%1 programas: %2 cumplieron el reto, %3 no lo cumplieron y %4 no se pudieron compilar"))
        .arg(int(entries.size()))
        .arg(c.passed)
        .arg(c.failed)
        .arg(c.notBuilt);
}

} // namespace

std::string spanishWords(const Text& text)
{
    return cp1252ToUtf8(text.spanish());
}

std::string gradeLine(const GradeEntry& e, const ReportWords& words)
{
    std::string line = e.student + ": " + words(stateText(e));
    if (e.built && e.verdict.passed)
        line += ", " + words(starsText(e.verdict.stars)) + ", " + words(secondsWords(e.verdict.seconds)) + " s";
    else if (const Text why = whyNot(e); !why.empty())
        line += " - " + words(why);
    return line;
}

std::string gradeJson(const Challenge& challenge, const std::vector<GradeEntry>& entries, const ReportWords& words)
{
    json programs = json::array();
    for (const GradeEntry& e : entries) {
        json one = {{"program", e.program}, {"student", e.student}, {"state", stateWord(e)}, {"built", e.built}};
        if (!e.built) {
            one["message"] = words(e.message);
        } else {
            const Verdict& v = e.verdict;
            json trail = json::array();
            for (const WorldPoint& p : fewer(v.trail, kPicturePoints))
                trail.push_back({rounded(p.x, 0.1), rounded(p.y, 0.1)});
            one.update({{"passed", v.passed},
                        {"stars", v.stars},
                        {"seconds", rounded(v.seconds, 0.001)},
                        {"end", v.end},
                        {"endSeconds", rounded(v.endSeconds, 0.001)},
                        {"distance", rounded(v.distance, 0.01)},
                        {"lineShare", rounded(v.lineShare, 0.001)},
                        {"lineProgress", rounded(v.lineProgress, 0.001)},
                        {"reason", words(whyNot(e))},
                        {"goals", goalsJson(v, words)},
                        {"trail", trail}});
        }
        programs.push_back(one);
    }
    const Counts c = counted(entries);
    const json doc = {{"ok", true},
                      {"challenge",
                       {{"id", challenge.id},
                        {"title", cp1252ToUtf8(challenge.title)},
                        {"seconds", challenge.seconds}}},
                      {"programs", programs},
                      {"summary",
                       {{"programs", entries.size()}, {"passed", c.passed}, {"failed", c.failed}, {"notBuilt", c.notBuilt}}}};
    return doc.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string gradeCsv(const Challenge&, const std::vector<GradeEntry>& entries, const ReportWords& words)
{
    std::string out;
    const Text heads[] = {say(QT_TRANSLATE_NOOP("core", "Alumno")), say(QT_TRANSLATE_NOOP("core", "Programa")),
                          say(QT_TRANSLATE_NOOP("core", "Estado")), say(QT_TRANSLATE_NOOP("core", "Estrellas")),
                          say(QT_TRANSLATE_NOOP("core", "Tiempo (s)")),
                          say(QT_TRANSLATE_NOOP("core", "Objetivos cumplidos")),
                          say(QT_TRANSLATE_NOOP("core", "Motivo"))};
    for (const Text& h : heads)
        out += (out.empty() ? "" : ",") + csvField(words(h));
    out += "\r\n";
    for (const GradeEntry& e : entries) {
        int met = 0, total = 0;
        for (const GoalResult& g : e.verdict.goals)
            if (g.kind != Goal::Kind::All && g.kind != Goal::Kind::Any) {
                ++total;
                met += g.met;
            }
        out += csvField(e.student) + "," + csvField(e.program) + "," + csvField(words(stateText(e))) + ",";
        if (e.built)
            out += std::to_string(e.verdict.stars) + "," + fixed(e.verdict.seconds, 3) + "," + std::to_string(met) +
                   "/" + std::to_string(total);
        else
            out += ",,";
        out += "," + csvField(words(whyNot(e))) + "\r\n";
    }
    return out;
}

std::string trailSvg(const Challenge& challenge, const std::vector<WorldPoint>& trail, int widthPx)
{
    const World& w = challenge.world;
    const int heightPx = std::max(1, int(std::lround(widthPx * w.height / w.width)));
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(widthPx) + "\" height=\"" +
                      std::to_string(heightPx) + "\" viewBox=\"0 0 " + fixed(w.width, 1) + " " + fixed(w.height, 1) +
                      "\" role=\"img\">";
    // The table's y grows upward; the picture's downward.
    svg += "<g transform=\"translate(0," + fixed(w.height, 1) + ") scale(1,-1)\">";
    svg += "<rect width=\"" + fixed(w.width, 1) + "\" height=\"" + fixed(w.height, 1) + "\" fill=\"" +
           grey(w.floorBrightness) + "\"/>";
    for (const FloorMark& m : w.marks) {
        const std::string colour = grey(m.brightness);
        switch (m.kind) {
        case FloorMark::Kind::Line:
            svg += std::string(m.closed ? "<polygon" : "<polyline") + " points=\"" + points(m.points) +
                   "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + fixed(m.width, 2) + "\"/>";
            break;
        case FloorMark::Kind::Rect:
            svg += "<rect x=\"" + fixed(m.x, 1) + "\" y=\"" + fixed(m.y, 1) + "\" width=\"" + fixed(m.w, 1) +
                   "\" height=\"" + fixed(m.h, 1) + "\" fill=\"" + colour + "\"/>";
            break;
        case FloorMark::Kind::Circle:
            svg += "<circle cx=\"" + fixed(m.x, 1) + "\" cy=\"" + fixed(m.y, 1) + "\" r=\"" + fixed(m.radius, 1) + "\"" +
                   (m.width > 0 ? " fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + fixed(m.width, 2) + "\""
                                : " fill=\"" + colour + "\"") +
                   "/>";
            break;
        }
    }
    for (const WorldSource& s : w.sources)
        if (s.kind == SourceKind::Light)
            svg += "<circle cx=\"" + fixed(s.at.x, 1) + "\" cy=\"" + fixed(s.at.y, 1) +
                   "\" r=\"3.5\" fill=\"#ffd600\" stroke=\"#000\" stroke-width=\"0.5\"/>";
    regions(challenge.goals, svg);
    for (const WorldWall& wall : solidWalls(w))
        svg += "<line x1=\"" + fixed(wall.from.x, 1) + "\" y1=\"" + fixed(wall.from.y, 1) + "\" x2=\"" +
               fixed(wall.to.x, 1) + "\" y2=\"" + fixed(wall.to.y, 1) + "\" stroke=\"#5d4037\" stroke-width=\"" +
               fixed(w.wallThickness, 1) + "\"/>";
    const std::vector<WorldPoint> path = fewer(trail, kPicturePoints);
    if (path.size() > 1)
        svg += "<polyline points=\"" + points(path) +
               "\" fill=\"none\" stroke=\"#1565c0\" stroke-width=\"1.2\" stroke-linejoin=\"round\"/>";
    const WorldPoint start = trail.empty() ? w.robot.at : trail.front();
    svg += "<circle cx=\"" + fixed(start.x, 1) + "\" cy=\"" + fixed(start.y, 1) +
           "\" r=\"2.5\" fill=\"#fff\" stroke=\"#1565c0\" stroke-width=\"0.8\"/>";
    if (!trail.empty())
        svg += "<circle cx=\"" + fixed(trail.back().x, 1) + "\" cy=\"" + fixed(trail.back().y, 1) +
               "\" r=\"2.5\" fill=\"#1565c0\"/>";
    svg += "</g></svg>";
    return svg;
}

std::string gradeHtml(const Challenge& challenge, const std::vector<GradeEntry>& entries, const ReportWords& words)
{
    const std::string title = cp1252ToUtf8(challenge.title);
    std::string out = "<!DOCTYPE html>\n<html lang=\"" + words(say(QT_TRANSLATE_NOOP("core", "es"))) +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + html(title) + "</title>\n";
    out += "<style>body{font-family:sans-serif;margin:1.5em;color:#263238}"
           "table{border-collapse:collapse}td,th{border:1px solid #b0bec5;padding:.4em .6em;vertical-align:top;"
           "text-align:left}th{background:#eceff1}.met{color:#2e7d32}.miss{color:#c62828}.stars{color:#f9a825;"
           "font-size:1.3em;white-space:nowrap}ul{margin:0;padding-left:1.1em;list-style:none}"
           "li.depth1{margin-left:1em}li.depth2{margin-left:2em}li.depth3{margin-left:3em}</style>\n</head>\n<body>\n";
    out += "<h1>" + html(title) + "</h1>\n<p>" + html(cp1252ToUtf8(challenge.description)) + "</p>\n";
    out += "<p>" + html(words(summaryText(entries))) + "</p>\n<table>\n<tr>";
    const Text heads[] = {say(QT_TRANSLATE_NOOP("core", "Alumno")), say(QT_TRANSLATE_NOOP("core", "Estado")),
                          say(QT_TRANSLATE_NOOP("core", "Estrellas")), say(QT_TRANSLATE_NOOP("core", "Tiempo (s)")),
                          say(QT_TRANSLATE_NOOP("core", "Objetivos")), say(QT_TRANSLATE_NOOP("core", "Recorrido"))};
    for (const Text& h : heads)
        out += "<th>" + html(words(h)) + "</th>";
    out += "</tr>\n";
    for (const GradeEntry& e : entries) {
        out += "<tr><td>" + html(e.student) + "</td><td class=\"" + (e.built && e.verdict.passed ? "met" : "miss") +
               "\">" + html(words(stateText(e))) + "</td>";
        if (!e.built) {
            out += "<td></td><td></td><td colspan=\"2\">" + html(words(e.message)) + "</td></tr>\n";
            continue;
        }
        const Verdict& v = e.verdict;
        std::string stars;
        for (int i = 0; i < 3; ++i)
            stars += i < v.stars ? "\u2605" : "\u2606";
        out += "<td class=\"stars\" title=\"" + html(words(starsText(v.stars))) + "\">" + stars + "</td>";
        out += "<td>" + html(words(secondsWords(v.seconds))) + "</td><td><ul>";
        for (const GoalResult& g : v.goals)
            out += "<li class=\"depth" + std::to_string(std::min(g.depth, 3)) + " " + (g.met ? "met" : "miss") + "\">" +
                   (g.met ? "\u2714 " : "\u2718 ") + html(words(g.statement)) + ": " + html(words(g.reason)) + "</li>";
        out += "</ul></td><td>" + trailSvg(challenge, v.trail, 220) + "</td></tr>\n";
    }
    out += "</table>\n</body>\n</html>\n";
    return out;
}

} // namespace tarvel
