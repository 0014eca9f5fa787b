#include "challenges/Judge.h"

#include "challenges/ProgramImage.h"
#include "emulator/Robot.h"
#include "emulator/SimReport.h"
#include "emulator/SimulatorControls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarvel {

namespace {

constexpr std::int64_t kSampleUs = kWorldTickUs; // the robot moves once a millisecond: none is missed
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
constexpr int kLineStride = 10; // the share over the line looks every 10 ms: a share, not an event
constexpr double kTrailStep = 1.0; // cm between the points of the trail

Text say(const char* pattern)
{
    return Text("core", pattern);
}

Text secondsArg(std::int64_t us)
{
    return secondsWords(double(us) / 1e6);
}

Text percent(double share)
{
    return Text::number(std::lround(std::clamp(share, 0.0, 1.0) * 100));
}

Text hertz(double f)
{
    return Text::number(std::lround(f));
}

Text variableName(int v)
{
    static const char* const names[] = {QT_TRANSLATE_NOOP("core", "Var. Roja"), QT_TRANSLATE_NOOP("core", "Var. Azul"),
                                        QT_TRANSLATE_NOOP("core", "Var. Verde"), QT_TRANSLATE_NOOP("core", "Var. Rosa"),
                                        QT_TRANSLATE_NOOP("core", "Var. Naranja")};
    return say(names[std::clamp(v, 1, 5) - 1]);
}

// The dark lines of the floor a robot can follow: lines painted darker than the middle grey.
struct DarkLine {
    std::vector<WorldPoint> points;
    bool closed = false;
    double half = 1;
};

std::vector<DarkLine> darkLines(const World& world)
{
    std::vector<DarkLine> lines;
    for (const auto& mark : world.marks)
        if (mark.kind == FloorMark::Kind::Line && mark.brightness < 128 && !mark.points.empty())
            lines.push_back({mark.points, mark.closed && mark.points.size() > 2, std::max(mark.width, 0.0) / 2});
    return lines;
}

// How far a point is from the nearest dark line's edge (0 on it).
double lineDistance(const std::vector<DarkLine>& lines, WorldPoint p)
{
    double best = 1e18;
    for (const auto& line : lines) {
        const std::size_t n = line.points.size();
        const std::size_t segments = line.closed ? n : std::max<std::size_t>(n - 1, 1);
        for (std::size_t i = 0; i < segments; ++i) {
            const WorldPoint a = line.points[i], b = line.points[n == 1 ? i : (i + 1) % n];
            best = std::min(best, std::max(0.0, distanceToSegment(p, a, b) - line.half));
        }
    }
    return best;
}

WorldPoint sensorOf(const RunSample& s)
{
    return sensorPoint({s.x, s.y, s.heading});
}

double distance(WorldPoint a, WorldPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

std::int64_t sampleTime(std::size_t i)
{
    return std::int64_t(i) * kSampleUs;
}

// The share of the run the light sensor spent over a dark line: of the time, or of the distance.
double shareOverLine(const std::vector<DarkLine>& lines, const ChallengeRun& run, double margin, bool ofPath)
{
    if (lines.empty() || run.samples.empty())
        return 0;
    double over = 0, total = 0;
    WorldPoint last{run.samples[0].x, run.samples[0].y};
    for (std::size_t i = 0; i < run.samples.size(); i += kLineStride) {
        const RunSample& s = run.samples[i];
        const WorldPoint centre{s.x, s.y};
        const double weight = ofPath ? distance(centre, last) : 1.0;
        last = centre;
        total += weight;
        if (lineDistance(lines, sensorOf(s)) <= margin)
            over += weight;
    }
    return total > 0 ? over / total : 0;
}

// How much of the main line (the one of most points) the sensor followed in order, from the point
// nearest where it started: a closed line all the way round, an open one to its far end.
struct LineProgress {
    double share = 0;
    std::optional<std::int64_t> doneUs;
    bool closed = false;
};

LineProgress followLine(const std::vector<DarkLine>& lines, const ChallengeRun& run, double margin,
                        std::int64_t afterUs, std::int64_t beforeUs)
{
    LineProgress out;
    if (lines.empty() || run.samples.empty())
        return out;
    const DarkLine& line = *std::max_element(lines.begin(), lines.end(), [](const DarkLine& a, const DarkLine& b) {
        return a.points.size() < b.points.size();
    });
    out.closed = line.closed;
    const int n = int(line.points.size());
    const WorldPoint first = sensorOf(run.samples[0]);
    int start = 0;
    for (int i = 1; i < n; ++i)
        if (distance(first, line.points[std::size_t(i)]) < distance(first, line.points[std::size_t(start)]))
            start = i;
    const double reach = line.half + margin;
    struct Way {
        Way(int d, int s)
            : direction(d)
            , steps(s)
        {
        }
        int direction, steps, done = 0;
        std::optional<std::int64_t> at;
    };
    std::vector<Way> ways;
    if (line.closed) {
        ways = {Way{1, n}, Way{-1, n}};
    } else if (n - 1 - start >= start) {
        ways = {Way{1, n - 1 - start}};
    } else {
        ways = {Way{-1, start}};
    }
    for (std::size_t i = 0; i < run.samples.size(); ++i) {
        const WorldPoint p = sensorOf(run.samples[i]);
        for (Way& way : ways) {
            // A few points ahead count too: a point missed by a hair on a curve is not a stop.
            for (int ahead = 3; ahead >= 1; --ahead) {
                if (way.done + ahead > way.steps)
                    continue;
                const int index = ((start + way.direction * (way.done + ahead)) % n + n) % n;
                if (distance(p, line.points[std::size_t(index)]) <= reach) {
                    way.done += ahead;
                    if (way.done == way.steps && !way.at && sampleTime(i) >= afterUs && sampleTime(i) <= beforeUs)
                        way.at = sampleTime(i);
                    break;
                }
            }
        }
    }
    for (const Way& way : ways) {
        const double share = way.steps > 0 ? double(way.done) / way.steps : 1.0;
        if (way.at && (!out.doneUs || *way.at < *out.doneUs))
            out.doneUs = way.at;
        out.share = std::max(out.share, share);
    }
    return out;
}

bool inside(const Goal& g, WorldPoint p)
{
    if (g.circle)
        return distance(p, {g.x, g.y}) <= g.radius;
    return p.x >= g.x && p.x <= g.x + g.w && p.y >= g.y && p.y <= g.y + g.h;
}

double distanceTo(const Goal& g, WorldPoint p)
{
    if (g.circle)
        return std::max(0.0, distance(p, {g.x, g.y}) - g.radius);
    const double dx = std::max({g.x - p.x, 0.0, p.x - (g.x + g.w)});
    const double dy = std::max({g.y - p.y, 0.0, p.y - (g.y + g.h)});
    return std::hypot(dx, dy);
}

bool inWindow(const Goal& g, std::int64_t t)
{
    return t >= g.afterUs && t <= g.beforeUs;
}

Text withWindow(Text statement, const Goal& g)
{
    const bool after = g.afterUs > 0, before = g.beforeUs != kNever;
    if (after && before)
        return Text::layout("%1 %2", {std::move(statement), say(QT_TRANSLATE_NOOP("core", "(entre los %1 s y los %2 s)"))
                                                                .arg(secondsArg(g.afterUs))
                                                                .arg(secondsArg(g.beforeUs))});
    if (after)
        return Text::layout("%1 %2", {std::move(statement), say(QT_TRANSLATE_NOOP("core", "(después de los %1 s)"))
                                                                .arg(secondsArg(g.afterUs))});
    if (before)
        return Text::layout("%1 %2", {std::move(statement), say(QT_TRANSLATE_NOOP("core", "(antes de los %1 s)"))
                                                                .arg(secondsArg(g.beforeUs))});
    return statement;
}

Text endFact(const ChallengeRun& run)
{
    const Text at = secondsArg(run.endUs);
    if (run.end == "stop")
        return say(QT_TRANSLATE_NOOP("core", "El programa terminó y apagó el Ladrillo a los %1 s")).arg(at);
    if (run.end == "halt")
        return say(QT_TRANSLATE_NOOP("core", "El programa devolvió el mando a la PC a los %1 s")).arg(at);
    if (run.end == "restart")
        return say(QT_TRANSLATE_NOOP("core", "El programa reinició el Ladrillo a los %1 s")).arg(at);
    if (run.end == "lock")
        return say(QT_TRANSLATE_NOOP("core", "El programa dejó el Ladrillo bloqueado a los %1 s")).arg(at);
    return say(QT_TRANSLATE_NOOP("core", "El programa seguía funcionando cuando se acabó el tiempo (%1 s)")).arg(at);
}

// When one output bit was switched on and off during the run: first inside the goal's part of the
// run, and first outside it (to say so when that is all there was).
struct Switching {
    std::optional<std::int64_t> litAt, offAt, litOutside, offOutside;
};

Switching switching(const ChallengeRun& run, SimEvent::Kind kind, int bit, const Goal& g)
{
    Switching out;
    bool lit = false; // everything is off when a program starts
    for (const SimEvent& e : run.events) {
        if (e.kind != kind)
            continue;
        const bool now = kind == SimEvent::Kind::Lamp ? e.value != 0 : (e.value & bit) != 0;
        if (now != lit) {
            const bool counts = inWindow(g, e.timeUs);
            auto& first = now ? (counts ? out.litAt : out.litOutside) : (counts ? out.offAt : out.offOutside);
            if (!first)
                first = e.timeUs;
        }
        lit = now;
    }
    return out;
}

// The patterns of a goal met when an output switched: what it asks, when it switched, when it
// switched only outside the goal's part of the run, and that it never did. A led's patterns name it
// first (%1), so that their time is %2.
struct SwitchTexts {
    const char* asks;
    const char* at;
    const char* outside;
    const char* never;
};

GoalResult switchResult(const Goal& g, std::optional<std::int64_t> at, std::optional<std::int64_t> outside,
                        const SwitchTexts& t, const std::optional<Text>& name)
{
    const auto text = [&](const char* pattern) { return name ? say(pattern).arg(*name) : say(pattern); };
    GoalResult r;
    r.statement = withWindow(text(t.asks), g);
    r.met = at.has_value();
    r.atUs = at;
    if (at)
        r.reason = text(t.at).arg(secondsArg(*at));
    else if (outside)
        r.reason = text(t.outside).arg(secondsArg(*outside));
    else
        r.reason = text(t.never);
    return r;
}

class Evaluator {
public:
    Evaluator(const Challenge& challenge, const ChallengeRun& run)
        : c_(challenge)
        , run_(run)
        , lines_(darkLines(challenge.world))
    {
    }

    // Adds the goal and its parts to `out`; returns its index there.
    std::size_t evaluate(const Goal& g, int depth, std::vector<GoalResult>& out)
    {
        const std::size_t at = out.size();
        out.emplace_back();
        GoalResult r = g.kind == Goal::Kind::All || g.kind == Goal::Kind::Any ? group(g, depth, out) : single(g);
        r.depth = depth;
        r.kind = g.kind;
        if (!g.label.empty() && g.kind != Goal::Kind::Reach)
            r.statement = Text::literal(g.label);
        out[at] = std::move(r);
        return at;
    }

    double lineShare()
    {
        const Goal* g = find(c_.goals, Goal::Kind::OnLine);
        return shareOverLine(lines_, run_, g ? g->margin : 3, g ? g->ofPath : false);
    }
    double lineProgress()
    {
        const Goal* g = find(c_.goals, Goal::Kind::LineEnd);
        return followLine(lines_, run_, g ? g->margin : 3, 0, kNever).share;
    }

private:
    static const Goal* find(const Goal& g, Goal::Kind kind)
    {
        if (g.kind == kind)
            return &g;
        for (const Goal& part : g.parts)
            if (const Goal* found = find(part, kind))
                return found;
        return nullptr;
    }

    GoalResult group(const Goal& g, int depth, std::vector<GoalResult>& out)
    {
        GoalResult r;
        int met = 0, total = 0;
        std::optional<std::int64_t> latest, earliest;
        bool untimed = false;
        for (const Goal& part : g.parts) {
            const GoalResult& p = out[evaluate(part, depth + 1, out)];
            ++total;
            if (!p.met)
                continue;
            ++met;
            if (p.atUs) {
                latest = std::max(latest.value_or(0), *p.atUs);
                earliest = std::min(earliest.value_or(kNever), *p.atUs);
            } else {
                untimed = true;
            }
        }
        if (g.kind == Goal::Kind::All) {
            r.met = met == total;
            r.statement = say(QT_TRANSLATE_NOOP("core", "Cumplir todos estos objetivos"));
            r.reason = r.met ? say(QT_TRANSLATE_NOOP("core", "Se cumplieron todos"))
                             : say(QT_TRANSLATE_NOOP("core", "Se cumplieron %1 de %2")).arg(met).arg(total);
            if (r.met)
                r.atUs = latest;
        } else {
            r.met = met > 0;
            r.statement = say(QT_TRANSLATE_NOOP("core", "Cumplir al menos uno de estos objetivos"));
            r.reason = r.met ? say(QT_TRANSLATE_NOOP("core", "Se cumplieron %1 de %2")).arg(met).arg(total)
                             : say(QT_TRANSLATE_NOOP("core", "No se cumplió ninguno"));
            // A part met all along (no moment) meets the group from the start.
            if (r.met && !untimed)
                r.atUs = earliest;
        }
        return r;
    }

    GoalResult single(const Goal& g)
    {
        switch (g.kind) {
        case Goal::Kind::Reach: return reach(g);
        case Goal::Kind::NoWall: return noWall();
        case Goal::Kind::OnLine: return onLine(g);
        case Goal::Kind::LineEnd: return lineEnd(g);
        case Goal::Kind::Led: return led(g);
        case Goal::Kind::Lamp: return lamp(g);
        case Goal::Kind::Tone: return tone(g);
        case Goal::Kind::Send: return send(g);
        case Goal::Kind::End: return end(g);
        case Goal::Kind::Within: return within(g);
        case Goal::Kind::Variable: return variable(g);
        case Goal::Kind::Still: return still();
        case Goal::Kind::All:
        case Goal::Kind::Any: break;
        }
        return {};
    }

    GoalResult reach(const Goal& g)
    {
        GoalResult r;
        const Text place = g.label.empty() ? say(QT_TRANSLATE_NOOP("core", "la zona marcada")) : Text::literal(g.label);
        r.statement = withWindow(g.atEnd ? say(QT_TRANSLATE_NOOP("core", "Terminar en %1")).arg(place)
                                         : say(QT_TRANSLATE_NOOP("core", "Llegar a %1")).arg(place),
                                 g);
        std::optional<std::int64_t> first, firstOutside;
        double closest = 1e18;
        for (std::size_t i = 0; i < run_.samples.size(); ++i) {
            const WorldPoint p{run_.samples[i].x, run_.samples[i].y};
            closest = std::min(closest, distanceTo(g, p));
            if (!inside(g, p))
                continue;
            if (inWindow(g, sampleTime(i))) {
                if (!first)
                    first = sampleTime(i);
            } else if (!firstOutside) {
                firstOutside = sampleTime(i);
            }
        }
        const Text missed = say(QT_TRANSLATE_NOOP("core", "El robot no llegó a %1: estuvo a %2 cm como mínimo"))
                                .arg(place)
                                .arg(secondsWords(closest));
        if (g.atEnd) {
            const RunSample& last = run_.samples.back();
            r.met = inside(g, {last.x, last.y});
            if (r.met)
                r.reason = say(QT_TRANSLATE_NOOP("core", "El robot terminó en %1")).arg(place);
            else if (first || firstOutside)
                r.reason = say(QT_TRANSLATE_NOOP("core", "El robot pasó por %1 pero terminó fuera")).arg(place);
            else
                r.reason = missed;
            if (r.met)
                r.atUs = run_.endUs;
            return r;
        }
        r.met = first.has_value();
        if (first) {
            r.atUs = first;
            r.reason = say(QT_TRANSLATE_NOOP("core", "El robot llegó a %1 a los %2 s")).arg(place).arg(secondsArg(*first));
        } else if (firstOutside) {
            r.reason = say(QT_TRANSLATE_NOOP("core", "El robot llegó a %1 a los %2 s, fuera del tiempo pedido"))
                           .arg(place)
                           .arg(secondsArg(*firstOutside));
        } else {
            r.reason = missed;
        }
        return r;
    }

    GoalResult noWall()
    {
        GoalResult r;
        r.statement = say(QT_TRANSLATE_NOOP("core", "No tocar ninguna pared"));
        for (std::size_t i = 0; i < run_.samples.size(); ++i)
            if (run_.samples[i].touching) {
                r.reason = say(QT_TRANSLATE_NOOP("core", "El robot tocó la pared a los %1 s")).arg(secondsArg(sampleTime(i)));
                return r;
            }
        r.met = true;
        r.reason = say(QT_TRANSLATE_NOOP("core", "El robot no tocó ninguna pared"));
        return r;
    }

    GoalResult onLine(const Goal& g)
    {
        GoalResult r;
        const double share = shareOverLine(lines_, run_, g.margin, g.ofPath);
        r.met = share + 1e-9 >= g.share;
        if (g.ofPath) {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Llevar el sensor sobre la línea al menos el %1 % del recorrido"))
                              .arg(percent(g.share));
            r.reason = say(QT_TRANSLATE_NOOP("core", "El sensor estuvo sobre la línea el %1 % del recorrido"))
                           .arg(percent(share));
        } else {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Llevar el sensor sobre la línea al menos el %1 % del tiempo"))
                              .arg(percent(g.share));
            r.reason = say(QT_TRANSLATE_NOOP("core", "El sensor estuvo sobre la línea el %1 % del tiempo"))
                           .arg(percent(share));
        }
        return r;
    }

    GoalResult lineEnd(const Goal& g)
    {
        GoalResult r;
        const LineProgress p = followLine(lines_, run_, g.margin, g.afterUs, g.beforeUs);
        r.statement = withWindow(p.closed ? say(QT_TRANSLATE_NOOP("core", "Dar la vuelta entera a la pista"))
                                          : say(QT_TRANSLATE_NOOP("core", "Seguir la línea hasta su final")),
                                 g);
        r.met = p.doneUs.has_value();
        r.atUs = p.doneUs;
        if (r.met)
            r.reason = p.closed ? say(QT_TRANSLATE_NOOP("core", "El robot dio la vuelta entera a los %1 s")).arg(secondsArg(*p.doneUs))
                                : say(QT_TRANSLATE_NOOP("core", "El robot llegó al final de la línea a los %1 s"))
                                      .arg(secondsArg(*p.doneUs));
        else
            r.reason = say(QT_TRANSLATE_NOOP("core", "El robot siguió solo el %1 % de la línea")).arg(percent(p.share));
        return r;
    }

    GoalResult led(const Goal& g)
    {
        GoalResult r;
        const Text name = Text::literal(std::string(1, char('A' + g.led)));
        const int bit = 4 >> g.led;
        if (g.atEnd) {
            r.statement = g.on ? say(QT_TRANSLATE_NOOP("core", "Terminar con el led %1 encendido")).arg(name)
                               : say(QT_TRANSLATE_NOOP("core", "Terminar con el led %1 apagado")).arg(name);
            const bool lit = (run_.leds & bit) != 0;
            r.met = lit == g.on;
            r.reason = lit ? say(QT_TRANSLATE_NOOP("core", "El led %1 terminó encendido")).arg(name)
                           : say(QT_TRANSLATE_NOOP("core", "El led %1 terminó apagado")).arg(name);
            return r;
        }
        const Switching s = switching(run_, SimEvent::Kind::Leds, bit, g);
        if (g.on)
            return switchResult(g, s.litAt, s.litOutside,
                                {QT_TRANSLATE_NOOP("core", "Encender el led %1"),
                                 QT_TRANSLATE_NOOP("core", "El led %1 se encendió a los %2 s"),
                                 QT_TRANSLATE_NOOP("core", "El led %1 se encendió a los %2 s, fuera del tiempo pedido"),
                                 QT_TRANSLATE_NOOP("core", "El led %1 no se encendió")},
                                name);
        return switchResult(g, s.offAt, s.offOutside,
                            {QT_TRANSLATE_NOOP("core", "Apagar el led %1"),
                             QT_TRANSLATE_NOOP("core", "El led %1 se apagó a los %2 s"),
                             QT_TRANSLATE_NOOP("core", "El led %1 se apagó a los %2 s, fuera del tiempo pedido"),
                             QT_TRANSLATE_NOOP("core", "El led %1 no se apagó")},
                            name);
    }

    GoalResult lamp(const Goal& g)
    {
        GoalResult r;
        if (g.atEnd) {
            r.statement = g.on ? say(QT_TRANSLATE_NOOP("core", "Terminar con la luz encendida"))
                               : say(QT_TRANSLATE_NOOP("core", "Terminar con la luz apagada"));
            r.met = run_.lamp == g.on;
            r.reason = run_.lamp ? say(QT_TRANSLATE_NOOP("core", "La luz terminó encendida"))
                                 : say(QT_TRANSLATE_NOOP("core", "La luz terminó apagada"));
            return r;
        }
        const Switching s = switching(run_, SimEvent::Kind::Lamp, 1, g);
        if (g.on)
            return switchResult(g, s.litAt, s.litOutside,
                                {QT_TRANSLATE_NOOP("core", "Encender la luz"),
                                 QT_TRANSLATE_NOOP("core", "La luz se encendió a los %1 s"),
                                 QT_TRANSLATE_NOOP("core", "La luz se encendió a los %1 s, fuera del tiempo pedido"),
                                 QT_TRANSLATE_NOOP("core", "La luz no se encendió")},
                                std::nullopt);
        return switchResult(g, s.offAt, s.offOutside,
                            {QT_TRANSLATE_NOOP("core", "Apagar la luz"),
                             QT_TRANSLATE_NOOP("core", "La luz se apagó a los %1 s"),
                             QT_TRANSLATE_NOOP("core", "La luz se apagó a los %1 s, fuera del tiempo pedido"),
                             QT_TRANSLATE_NOOP("core", "La luz no se apagó")},
                            std::nullopt);
    }

    static bool sameTone(double played, double wanted, double tolerance)
    {
        const double allowed = tolerance > 0 ? tolerance : std::max(3.0, wanted * 0.03);
        return std::fabs(played - wanted) <= allowed;
    }

    GoalResult tone(const Goal& g)
    {
        GoalResult r;
        int wanted = g.count, heard = 0;
        std::optional<std::int64_t> doneAt, outside;
        const double first = g.notes.empty() ? g.frequency : g.notes.front();
        for (const SimEvent& e : run_.events)
            if (e.kind == SimEvent::Kind::Tone && !inWindow(g, e.timeUs) && !outside &&
                (first <= 0 || sameTone(e.frequency, first, g.tolerance)))
                outside = e.timeUs;
        if (!g.notes.empty()) {
            wanted = int(g.notes.size());
            std::string list;
            for (double f : g.notes)
                list += (list.empty() ? "" : ", ") + std::to_string(std::lround(f));
            r.statement = withWindow(say(QT_TRANSLATE_NOOP("core", "Tocar la melodía de %1 notas: %2 Hz"))
                                         .arg(wanted)
                                         .arg(list),
                                     g);
            for (const SimEvent& e : run_.events)
                if (e.kind == SimEvent::Kind::Tone && inWindow(g, e.timeUs) && heard < wanted &&
                    sameTone(e.frequency, g.notes[std::size_t(heard)], g.tolerance))
                    if (++heard == wanted)
                        doneAt = e.timeUs;
        } else {
            if (g.frequency > 0)
                r.statement = wanted == 1 ? say(QT_TRANSLATE_NOOP("core", "Tocar un tono de %1 Hz")).arg(hertz(g.frequency))
                                          : say(QT_TRANSLATE_NOOP("core", "Tocar %1 tonos de %2 Hz")).arg(wanted).arg(hertz(g.frequency));
            else
                r.statement = wanted == 1 ? say(QT_TRANSLATE_NOOP("core", "Tocar un tono"))
                                          : say(QT_TRANSLATE_NOOP("core", "Tocar %1 tonos")).arg(wanted);
            r.statement = withWindow(r.statement, g);
            for (const SimEvent& e : run_.events)
                if (e.kind == SimEvent::Kind::Tone && inWindow(g, e.timeUs) &&
                    (g.frequency <= 0 || sameTone(e.frequency, g.frequency, g.tolerance)) && heard < wanted)
                    if (++heard == wanted)
                        doneAt = e.timeUs;
        }
        r.met = doneAt.has_value();
        r.atUs = doneAt;
        if (r.met)
            r.reason = wanted == 1 ? say(QT_TRANSLATE_NOOP("core", "El tono sonó a los %1 s")).arg(secondsArg(*doneAt))
                                   : say(QT_TRANSLATE_NOOP("core", "Los %1 tonos sonaron; el último a los %2 s"))
                                         .arg(wanted)
                                         .arg(secondsArg(*doneAt));
        else if (heard == 0 && outside)
            r.reason = say(QT_TRANSLATE_NOOP("core", "El primer tono pedido sonó a los %1 s, fuera del tiempo pedido"))
                           .arg(secondsArg(*outside));
        else if (heard == 0)
            r.reason = say(QT_TRANSLATE_NOOP("core", "No sonó ningún tono de los pedidos"));
        else
            r.reason = say(QT_TRANSLATE_NOOP("core", "Sonaron %1 de los %2 tonos pedidos")).arg(heard).arg(wanted);
        return r;
    }

    GoalResult send(const Goal& g)
    {
        GoalResult r;
        r.statement = withWindow(g.byte >= 0 ? say(QT_TRANSLATE_NOOP("core", "Enviar el byte %1 a la PC")).arg(g.byte)
                                             : say(QT_TRANSLATE_NOOP("core", "Enviar un byte a la PC")),
                                 g);
        std::optional<int> other;
        for (const SimEvent& e : run_.events) {
            if (e.kind != SimEvent::Kind::Send || !inWindow(g, e.timeUs))
                continue;
            if (g.byte < 0 || e.value == g.byte) {
                r.met = true;
                r.atUs = e.timeUs;
                r.reason = say(QT_TRANSLATE_NOOP("core", "El programa envió %1 a la PC a los %2 s"))
                               .arg(e.value)
                               .arg(secondsArg(e.timeUs));
                return r;
            }
            if (!other)
                other = e.value;
        }
        if (other)
            r.reason = say(QT_TRANSLATE_NOOP("core", "El programa envió %1 a la PC, no %2")).arg(*other).arg(g.byte);
        else
            r.reason = say(QT_TRANSLATE_NOOP("core", "El programa no envió nada a la PC"));
        return r;
    }

    GoalResult end(const Goal& g)
    {
        GoalResult r;
        if (g.end == "stop")
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar el programa apagando el Ladrillo"));
        else if (g.end == "halt")
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar el programa devolviendo el mando a la PC"));
        else if (g.end == "restart")
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar el programa reiniciando el Ladrillo"));
        else if (g.end == "lock")
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar el programa con el Ladrillo bloqueado"));
        else
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar el programa"));
        r.met = run_.ended && (g.end == "any" || g.end == run_.end);
        r.reason = endFact(run_);
        if (r.met)
            r.atUs = run_.endUs;
        return r;
    }

    GoalResult within(const Goal& g)
    {
        GoalResult r;
        const std::int64_t limit = std::llround(g.seconds * 1e6);
        r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar antes de los %1 s")).arg(secondsArg(limit));
        r.met = run_.ended && run_.endUs <= limit;
        r.reason = endFact(run_);
        if (r.met)
            r.atUs = run_.endUs;
        return r;
    }

    GoalResult variable(const Goal& g)
    {
        GoalResult r;
        const Text name = variableName(g.variable);
        const int v = run_.v[std::size_t(g.variable)];
        const std::string& op = g.compare;
        if (op == "!=") {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar con %1 distinta de %2")).arg(name).arg(g.value);
            r.met = v != g.value;
        } else if (op == ">") {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar con %1 mayor que %2")).arg(name).arg(g.value);
            r.met = v > g.value;
        } else if (op == "<") {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar con %1 menor que %2")).arg(name).arg(g.value);
            r.met = v < g.value;
        } else if (op == ">=") {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar con %1 mayor o igual a %2")).arg(name).arg(g.value);
            r.met = v >= g.value;
        } else if (op == "<=") {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar con %1 menor o igual a %2")).arg(name).arg(g.value);
            r.met = v <= g.value;
        } else {
            r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar con %1 igual a %2")).arg(name).arg(g.value);
            r.met = v == g.value;
        }
        r.reason = say(QT_TRANSLATE_NOOP("core", "%1 terminó valiendo %2")).arg(name).arg(v);
        return r;
    }

    GoalResult still()
    {
        GoalResult r;
        r.statement = say(QT_TRANSLATE_NOOP("core", "Terminar con el robot quieto"));
        r.met = run_.motors == 0;
        r.reason = r.met ? say(QT_TRANSLATE_NOOP("core", "El robot terminó quieto"))
                         : say(QT_TRANSLATE_NOOP("core", "Los motores seguían encendidos al final"));
        return r;
    }

    const Challenge& c_;
    const ChallengeRun& run_;
    std::vector<DarkLine> lines_;
};

void applyInput(Simulation& sim, const ChallengeInput& in)
{
    using K = ChallengeInput::Kind;
    const auto forced = [&](InputName name) {
        if (in.release)
            sim.releaseInput(name);
        else
            sim.setInput(name, in.value);
    };
    switch (in.kind) {
    case K::Clap: sim.clap(); break;
    case K::Remote: sim.pressRemoteKey(std::uint8_t(in.value)); break;
    case K::PcByte: sim.sendMessage(std::uint8_t(in.value)); break;
    case K::Light: forced(InputName::Light); break;
    case K::Touch: forced(InputName::Touch); break;
    case K::Sound: forced(InputName::Sound); break;
    case K::Source: sim.switchSource(std::size_t(in.value), in.on); break;
    }
}

RunSample sampleOf(const Simulation& sim)
{
    const RobotState& robot = sim.robot();
    return {float(robot.pose.x), float(robot.pose.y), float(robot.pose.heading), robot.bumper || robot.blocked};
}

std::vector<WorldPoint> thinned(const std::vector<RunSample>& samples)
{
    std::vector<WorldPoint> trail;
    for (const RunSample& s : samples) {
        const WorldPoint p{s.x, s.y};
        if (trail.empty() || distance(p, trail.back()) >= kTrailStep)
            trail.push_back(p);
    }
    if (!samples.empty() && distance({samples.back().x, samples.back().y}, trail.back()) > 0)
        trail.push_back({samples.back().x, samples.back().y});
    return trail;
}

} // namespace

std::string secondsText(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::round(seconds * 10) / 10);
    std::string out = text;
    std::replace(out.begin(), out.end(), '.', ',');
    return out;
}

Text secondsWords(double seconds)
{
    const std::string text = secondsText(seconds);
    const std::size_t mark = text.find(',');
    if (mark == std::string::npos)
        return Text::literal(text);
    //: A number of seconds: its whole part and its tenths, with the language's decimal mark between them
    return Text("core", QT_TRANSLATE_NOOP("core", "%1,%2"))
        .arg(Text::literal(text.substr(0, mark)))
        .arg(Text::literal(text.substr(mark + 1)));
}

const GoalResult* firstMissedGoal(const Verdict& v)
{
    if (v.goals.empty() || v.goals.front().met)
        return nullptr;
    for (const GoalResult& g : v.goals)
        if (!g.met && g.kind != Goal::Kind::All && g.kind != Goal::Kind::Any)
            return &g;
    return &v.goals.front();
}

Text verdictText(const Verdict& v)
{
    if (v.cancelled)
        return Text("core", QT_TRANSLATE_NOOP("core", "La prueba se interrumpió"));
    if (v.passed)
        return Text("core", QT_TRANSLATE_NOOP("core", "¡Reto cumplido! %1 a los %2 s"))
            .arg(starsText(v.stars))
            .arg(secondsWords(v.seconds));
    const GoalResult* miss = firstMissedGoal(v);
    return Text("core", QT_TRANSLATE_NOOP("core", "Reto no cumplido: %1")).arg(miss ? miss->reason : Text());
}

Text starsText(int stars)
{
    if (stars == 1)
        return Text("core", QT_TRANSLATE_NOOP("core", "1 estrella"));
    return Text("core", QT_TRANSLATE_NOOP("core", "%1 estrellas")).arg(stars);
}

ChallengeRun runChallenge(const Challenge& challenge, Simulation& sim, const std::atomic<bool>* cancel)
{
    ChallengeRun run;
    const std::int64_t origin = sim.timeUs();
    const std::int64_t limit = std::llround(challenge.seconds * 1000) * 1000;
    sim.start();
    run.samples.reserve(std::size_t(limit / kSampleUs) + 1);
    run.samples.push_back(sampleOf(sim));
    std::size_t next = 0;
    for (std::int64_t t = 0; t < limit;) {
        while (next < challenge.inputs.size() && challenge.inputs[next].atUs <= t)
            applyInput(sim, challenge.inputs[next++]);
        t += kSampleUs;
        sim.advanceTo(origin + t);
        run.samples.push_back(sampleOf(sim));
        if (sim.endState() || sim.restartedAtEnd()) {
            run.ended = true;
            break;
        }
        if (cancel && t % 100'000 == 0 && cancel->load(std::memory_order_relaxed)) {
            run.cancelled = true;
            break;
        }
    }
    run.end = endName(sim);
    run.endUs = run.ended ? std::clamp<std::int64_t>(sim.endTimeUs() - origin, 0, limit)
                          : sampleTime(run.samples.size() - 1);
    run.events = sim.events();
    for (SimEvent& e : run.events)
        e.timeUs -= origin;
    const BrickCpu& cpu = sim.cpu();
    run.v = cpu.v();
    run.motors = cpu.motors();
    run.leds = cpu.leds();
    run.lamp = cpu.lamp();
    run.travelled = sim.robot().travelled;
    run.instructions = cpu.instructions();
    return run;
}

Verdict evaluateRun(const Challenge& challenge, const ChallengeRun& run)
{
    Verdict v;
    Evaluator evaluator(challenge, run);
    evaluator.evaluate(challenge.goals, 0, v.goals);
    const GoalResult& top = v.goals.front();
    v.cancelled = run.cancelled;
    v.passed = top.met && !run.cancelled;
    v.seconds = double(top.atUs.value_or(run.endUs)) / 1e6;
    v.end = run.end;
    v.endSeconds = double(run.endUs) / 1e6;
    v.distance = run.travelled;
    v.lineShare = evaluator.lineShare();
    v.lineProgress = evaluator.lineProgress();
    v.trail = thinned(run.samples);
    if (v.passed) {
        const StarRule& rule = challenge.stars;
        double measure = 0;
        bool lowerIsBetter = true;
        switch (rule.measure) {
        case StarRule::Measure::None: v.stars = 3; break;
        case StarRule::Measure::Time: measure = v.seconds; break;
        case StarRule::Measure::Distance: measure = v.distance; break;
        case StarRule::Measure::LineShare: measure = v.lineShare, lowerIsBetter = false; break;
        case StarRule::Measure::LineProgress: measure = v.lineProgress, lowerIsBetter = false; break;
        }
        if (rule.measure != StarRule::Measure::None) {
            const auto earns = [&](double bound) { return lowerIsBetter ? measure <= bound + 1e-9 : measure + 1e-9 >= bound; };
            v.stars = earns(rule.three) ? 3 : earns(rule.two) ? 2 : 1;
        }
    }
    return v;
}

std::vector<GoalResult> goalsToMeet(const Challenge& challenge)
{
    ChallengeRun nothing;
    nothing.samples.push_back({float(challenge.world.robot.at.x), float(challenge.world.robot.at.y),
                               float(challenge.world.robot.heading), false});
    std::vector<GoalResult> goals;
    Evaluator(challenge, nothing).evaluate(challenge.goals, 0, goals);
    return goals;
}

Verdict judgeProgram(const Challenge& challenge, const ProgramImage& program, Simulation* finalState,
                     const std::atomic<bool>* cancel)
{
    Simulation sim;
    sim.maxEvents = 200'000; // a program that beeps or sends without pause still ends in bounded memory
    sim.setWorld(challenge.world);
    sim.setSteering(program.steering);
    sim.load(program.image);
    sim.setElementMap(program.elementMap);
    const ChallengeRun run = runChallenge(challenge, sim, cancel);
    Verdict verdict = evaluateRun(challenge, run);
    if (finalState)
        *finalState = sim;
    return verdict;
}

} // namespace tarvel
