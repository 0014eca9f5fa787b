// The judge, goal kind by goal kind, against small hand-made programs: what each goal says when it is
// met and when it is not, the groups, the stars, the inputs at their times, and that a run is the
// same every time.
#include "ChallengeTestSupport.h"

using namespace tarvel;
using namespace testsupport;

namespace {

std::string mesa(const std::string& goals, const std::string& extra = "")
{
    return R"({"title": "t", "description": "d", "world": "mesa", "seconds": 10, )" + extra + R"("goals": )" + goals +
           "}";
}

// A table with a dark line along y = 50 from x = 20 to 180, the robot on its start looking along it.
std::string lineWorld(const std::string& goals, double heading = 0)
{
    return R"({"title": "t", "description": "d", "seconds": 25, "world": {"width": 200, "height": 100,
        "marks": [{"line": [[20, 50], [60, 50], [100, 50], [140, 50], [180, 50]], "width": 2.5, "brightness": 15}],
        "robot": {"x": 12, "y": 50, "heading": )" +
           std::to_string(heading) + R"(}}, "goals": )" + goals + "}";
}

} // namespace

TEST(Judge, ReachingARegionAndEndingThere)
{
    const Challenge c = challengeFrom(mesa(R"({"all": [
        {"kind": "reach", "rect": [90, 85, 20, 10], "atEnd": true, "label": "la meta"},
        {"kind": "end", "how": "stop"}, {"kind": "within", "seconds": 3}, {"kind": "still"}]})",
                                           R"("stars": {"by": "time", "three": 2.5, "two": 4}, )"));
    const Verdict good = judged(c, assemble({"MOVE AVANZA, SEG, 2", "STOP"}));
    EXPECT_EQ(outcome(good), (std::vector<std::string>{
                                 "+ Se cumplieron todos",
                                 "  + El robot terminó en la meta",
                                 "  + El programa terminó y apagó el Ladrillo a los 2,0 s",
                                 "  + El programa terminó y apagó el Ladrillo a los 2,0 s",
                                 "  + El robot terminó quieto",
                             }));
    EXPECT_TRUE(good.passed);
    EXPECT_EQ(good.stars, 3);
    EXPECT_NEAR(good.seconds, 2.0, 0.001);
    EXPECT_NEAR(good.distance, 2 * RobotGeometry::wheelSpeed, 0.05);
    EXPECT_EQ(words(good.goals[1].statement), "Terminar en la meta");
    EXPECT_EQ(words(verdictText(good)), "¡Reto cumplido! 3 estrellas a los 2,0 s");
    EXPECT_EQ(words(goalsToMeet(c)[1].statement), "Terminar en la meta");

    // A second too long: it drove through the region, and the program ended too late.
    const Verdict late = judged(c, assemble({"MOVE AVANZA, SEG, 3", "STOP"}));
    EXPECT_FALSE(late.passed);
    EXPECT_EQ(late.stars, 0);
    EXPECT_EQ(outcome(late)[1], "  - El robot pasó por la meta pero terminó fuera");
    EXPECT_EQ(words(verdictText(late)), "Reto no cumplido: El robot pasó por la meta pero terminó fuera");
    EXPECT_FALSE(late.goals[3].met);

    // Never stopping: the motors run when the time is up.
    const Verdict running = judged(c, assemble({"MOTL 1", "MOTR 1", "x:", "JMP x"}));
    EXPECT_EQ(outcome(running)[2], "  - El programa seguía funcionando cuando se acabó el tiempo (10,0 s)");
    EXPECT_EQ(outcome(running)[4], "  - Los motores seguían encendidos al final");
}

TEST(Judge, AReachCountsOnlyInItsPartOfTheRunAndSaysHowCloseItCame)
{
    const Challenge c = challengeFrom(mesa(R"({"any": [
        {"kind": "reach", "rect": [90, 80, 20, 5], "before": 0.5},
        {"kind": "reach", "circle": [20, 20, 5]},
        {"kind": "reach", "rect": [90, 80, 20, 5], "after": 0.5}]})"));
    const Verdict v = judged(c, assemble({"MOVE AVANZA, SEG, 2", "STOP"}));
    EXPECT_EQ(outcome(v), (std::vector<std::string>{
                              "+ Se cumplieron 1 de 3",
                              "  - El robot llegó a la zona marcada a los 0,6 s, fuera del tiempo pedido",
                              "  - El robot no llegó a la zona marcada: estuvo a 92,1 cm como mínimo",
                              "  + El robot llegó a la zona marcada a los 0,6 s",
                          }));
    EXPECT_EQ(words(v.goals[1].statement), "Llegar a la zona marcada (antes de los 0,5 s)");
    EXPECT_EQ(words(v.goals[3].statement), "Llegar a la zona marcada (después de los 0,5 s)");
    // 5 cm at full speed, counted in whole milliseconds.
    EXPECT_EQ(v.goals[3].atUs, std::int64_t(std::ceil(5 / RobotGeometry::wheelSpeed * 1000)) * 1000);
}

TEST(Judge, TouchingAWallIsSeenTheMillisecondItHappens)
{
    const Challenge c = challengeFrom(R"({"title": "t", "description": "d", "seconds": 8,
        "world": {"width": 60, "height": 60, "robot": {"x": 30, "y": 30, "heading": 0}},
        "goals": [{"kind": "noWall"}]})");
    // The program backs off the moment the bumper presses: the touch lasts a millisecond.
    const Verdict bump = judged(c, assemble({"MOTL 1", "MOTR 1", "UNTIL 1", "MOVE RETROCEDE, DECI, 5", "STOP"}));
    ASSERT_FALSE(bump.passed);
    // The bumper presses 0.3 cm before the body reaches the wall's surface at x = 59.
    const double touchAt = (59 - RobotGeometry::bodyRadius - RobotGeometry::bumperGap - 30) / RobotGeometry::wheelSpeed;
    EXPECT_EQ(outcome(bump)[1], "  - El robot tocó la pared a los " + secondsText(touchAt) + " s");

    const Verdict careful = judged(c, assemble({"MOVE AVANZA, SEG, 2", "STOP"}));
    EXPECT_EQ(outcome(careful)[1], "  + El robot no tocó ninguna pared");
}

TEST(Judge, FollowingTheLineOverTimeAndToItsEnd)
{
    const std::string goals = R"([{"kind": "onLine", "share": 0.8}, {"kind": "onLine", "share": 0.9, "of": "path"},
        {"kind": "lineEnd", "before": 24}])";
    const auto drive = assemble({"MOTL 1", "MOTR 1", "x:", "JMP x"});
    const Verdict straight = judged(challengeFrom(lineWorld(goals)), drive);
    EXPECT_TRUE(straight.passed) << outcome(straight)[1] << outcome(straight)[3];
    // The sensor is 8 cm ahead: from x = 20 it is on the line, and at 180 + reach (1.25 + 3) it leaves it.
    const double end = (180 - 3 - 1.25 - 20) / RobotGeometry::wheelSpeed;
    EXPECT_EQ(outcome(straight)[3], "  + El robot llegó al final de la línea a los " + secondsText(end) + " s");
    EXPECT_NEAR(straight.lineProgress, 1.0, 1e-9);

    // Five degrees off: it leaves the line before its second point.
    const Verdict astray = judged(challengeFrom(lineWorld(goals, 5)), drive);
    EXPECT_FALSE(astray.passed);
    EXPECT_LT(astray.lineShare, 0.3);
    EXPECT_EQ(outcome(astray)[3], "  - El robot siguió solo el 25 % de la línea");
    EXPECT_EQ(words(astray.goals[1].statement), "Llevar el sensor sobre la línea al menos el 80 % del tiempo");
}

TEST(Judge, LedsAndTheLampOnOffAndAtTheEnd)
{
    const Challenge c = challengeFrom(mesa(R"([{"kind": "led", "led": "A"}, {"kind": "led", "led": "A", "on": false},
        {"kind": "led", "led": "B"}, {"kind": "lamp"}, {"kind": "lamp", "atEnd": true},
        {"kind": "led", "led": "C", "atEnd": true}, {"kind": "led", "led": "A", "after": 1}])"));
    const Verdict v = judged(c, assemble({"WAITK DECI, 5", "LEDK 5", "WAITK DECI, 5", "LEDK 1", "LAMP 1", "HALT"}));
    EXPECT_EQ(outcome(v), (std::vector<std::string>{
                              "- Se cumplieron 5 de 7",
                              "  + El led A se encendió a los 0,5 s",
                              "  + El led A se apagó a los 1,0 s",
                              "  - El led B no se encendió",
                              "  + La luz se encendió a los 1,0 s",
                              "  + La luz terminó encendida",
                              "  + El led C terminó encendido",
                              "  - El led A se encendió a los 0,5 s, fuera del tiempo pedido",
                          }));
    // STOP puts the LEDs and the lamp out; HALT leaves them.
    const Verdict stopped = judged(c, assemble({"LEDK 7", "LAMP 1", "WAITK DECI, 2", "STOP"}));
    EXPECT_EQ(outcome(stopped)[2], "  + El led A se apagó a los 0,2 s");
    EXPECT_EQ(outcome(stopped)[5], "  - La luz terminó apagada");
    EXPECT_EQ(words(stopped.goals[6].statement), "Terminar con el led C encendido");
}

TEST(Judge, TonesByCountByFrequencyAndAsAMelodyInOrder)
{
    const Challenge c = challengeFrom(mesa(R"([{"kind": "tone"}, {"kind": "tone", "notes": [1000, 2000]},
        {"kind": "tone", "notes": [2000, 1000]}, {"kind": "tone", "frequency": 250, "count": 3},
        {"kind": "tone", "frequency": 440}, {"kind": "tone", "count": 2, "after": 0.15}])"));
    const Verdict v = judged(c, assemble({"BEEPOK", "BEEPERR", "BEEPERR", "HALT"}));
    EXPECT_EQ(outcome(v), (std::vector<std::string>{
                              "- Se cumplieron 3 de 6",
                              "  + El tono sonó a los 0,0 s",
                              "  + Los 2 tonos sonaron; el último a los 0,1 s",
                              "  - Sonaron 1 de los 2 tonos pedidos",
                              "  - Sonaron 2 de los 3 tonos pedidos",
                              "  - No sonó ningún tono de los pedidos",
                              "  + Los 2 tonos sonaron; el último a los 0,7 s",
                          }));
    EXPECT_EQ(words(v.goals[2].statement), "Tocar la melodía de 2 notas: 1000, 2000 Hz");
    EXPECT_EQ(words(v.goals[4].statement), "Tocar 3 tonos de 250 Hz");
}

TEST(Judge, InputsArriveAtTheirTimes)
{
    // A clap at 2 s, a remote key at 3 s, a PC byte at 4 s, a light forced from 5 s.
    const Challenge c = challengeFrom(mesa(R"([{"kind": "send", "byte": 42, "after": 4},
        {"kind": "variable", "variable": "azul", "value": 5}, {"kind": "variable", "variable": "roja", "value": 42},
        {"kind": "led", "led": "A", "after": 2, "before": 2.1}, {"kind": "variable", "variable": "verde",
        "compare": ">", "value": 200}, {"kind": "send", "byte": 7}])",
                                           R"("inputs": [{"at": 5, "input": "light", "value": 250},
        {"at": 2, "input": "clap"}, {"at": 3, "input": "remote", "value": 5}, {"at": 4, "input": "pc", "value": 42}], )"));
    const Verdict v = judged(c, assemble({"UNTIL 3", "LEDK 4", "UNTIL 2", "IN 2, 4", "UNTIL 4", "IN 1, 7",
                                          "SEND 1, 1", "WAITK DECI, 11", "IN 3, 0", "HALT"}));
    EXPECT_EQ(outcome(v), (std::vector<std::string>{
                              "- Se cumplieron 5 de 6",
                              "  + El programa envió 42 a la PC a los 4,0 s",
                              "  + Var. Azul terminó valiendo 5",
                              "  + Var. Roja terminó valiendo 42",
                              "  + El led A se encendió a los 2,0 s",
                              "  + Var. Verde terminó valiendo 250",
                              "  - El programa envió 42 a la PC, no 7",
                          }));
    EXPECT_EQ(words(v.goals[5].statement), "Terminar con Var. Verde mayor que 200");
    EXPECT_EQ(words(v.goals[4].statement), "Encender el led A (entre los 2,0 s y los 2,1 s)");
}

TEST(Judge, EachKindOfEnd)
{
    const Challenge c = challengeFrom(mesa(R"([{"kind": "end", "how": "halt"}])"));
    const auto endOf = [&](const char* instruction) { return outcome(judged(c, assemble({"WAITK DECI, 3", instruction})))[1]; };
    EXPECT_EQ(endOf("HALT"), "  + El programa devolvió el mando a la PC a los 0,3 s");
    EXPECT_EQ(endOf("STOP"), "  - El programa terminó y apagó el Ladrillo a los 0,3 s");
    EXPECT_EQ(endOf("LOCK"), "  - El programa dejó el Ladrillo bloqueado a los 0,3 s");
    EXPECT_EQ(endOf("RESTART"), "  - El programa reinició el Ladrillo a los 0,3 s");
    const Challenge any = challengeFrom(mesa(R"([{"kind": "end"}])"));
    EXPECT_TRUE(judged(any, assemble({"LOCK"})).passed);
    EXPECT_FALSE(judged(any, assemble({"x:", "JMP x"})).passed);
}

TEST(Judge, StarsFromTheTimeTheGoalsWereMetOrFromAMeasure)
{
    const std::string goals = R"([{"kind": "reach", "rect": [90, 85, 20, 30]}, {"kind": "noWall"}])";
    const auto starsFor = [&](const std::string& stars, const char* seconds) {
        const Challenge c = challengeFrom(mesa(goals, R"("stars": )" + stars + ", "));
        return judged(c, assemble({std::string("MOVE AVANZA, DECI, ") + seconds, "STOP"})).stars;
    };
    // The region's edge is 10 cm away: 1.27 s at full speed, whatever the program does after.
    const std::string byTime = R"({"by": "time", "three": 1.0, "two": 1.5})";
    EXPECT_EQ(starsFor(byTime, "20"), 2);
    EXPECT_EQ(starsFor(R"({"by": "time", "three": 1.3, "two": 1.5})", "20"), 3);
    EXPECT_EQ(starsFor(R"({"by": "time", "three": 0.5, "two": 1.0})", "20"), 1);
    EXPECT_EQ(starsFor(byTime, "5"), 0); // not there: no stars at all
    // Distance: the shorter the better.
    EXPECT_EQ(starsFor(R"({"by": "distance", "three": 12, "two": 20})", "14"), 3);
    EXPECT_EQ(starsFor(R"({"by": "distance", "three": 12, "two": 20})", "20"), 2);
    EXPECT_EQ(starsFor(R"({"by": "distance", "three": 12, "two": 20})", "30"), 1);
    // No rule: a passing run earns all three.
    EXPECT_EQ(judged(challengeFrom(mesa(goals)), assemble({"MOVE AVANZA, DECI, 20", "STOP"})).stars, 3);
    EXPECT_EQ(words(starsText(1)), "1 estrella");
    EXPECT_EQ(words(starsText(3)), "3 estrellas");
}

TEST(Judge, GroupsNestAndTheirMomentIsTheirPartsMoment)
{
    const Challenge c = challengeFrom(mesa(R"({"all": [{"any": [{"kind": "led", "led": "B"},
        {"kind": "led", "led": "A"}]}, {"kind": "lamp"}, {"any": [{"kind": "still"}, {"kind": "tone"}]}]})"));
    const Verdict v = judged(c, assemble({"WAITK DECI, 2", "LEDK 4", "WAITK DECI, 3", "LAMP 1", "HALT"}));
    ASSERT_EQ(v.goals.size(), 8u);
    EXPECT_TRUE(v.passed);
    EXPECT_EQ(v.goals[1].depth, 1);
    EXPECT_EQ(v.goals[2].depth, 2);
    EXPECT_EQ(v.goals[1].atUs, v.goals[3].atUs);
    // "still" has no moment: the last group counts from the start, the whole at the lamp.
    EXPECT_FALSE(v.goals[5].atUs.has_value());
    EXPECT_EQ(v.goals[0].atUs, v.goals[4].atUs);
    EXPECT_NEAR(v.seconds, 0.5, 0.001);
    EXPECT_EQ(words(v.goals[0].statement), "Cumplir todos estos objetivos");
    EXPECT_EQ(words(v.goals[1].statement), "Cumplir al menos uno de estos objetivos");
}

TEST(Judge, TheSameVerdictEveryTimeAndAnEndOnRequest)
{
    const Challenge c = challengeFrom(lineWorld(R"([{"kind": "onLine", "share": 0.5}])"));
    const auto image = assemble({"x:", "RND 1", "MOTL 1", "MOTR 2", "WAITV CENT, 1", "MOTR 1", "WAITK DECI, 3", "JMP x"});
    const Verdict a = judged(c, image), b = judged(c, image);
    EXPECT_EQ(a.trail.size(), b.trail.size());
    EXPECT_EQ(a.lineShare, b.lineShare);
    EXPECT_EQ(a.distance, b.distance);
    EXPECT_EQ(outcome(a), outcome(b));
    ASSERT_GT(a.trail.size(), 20u);
    for (std::size_t i = 1; i < a.trail.size(); ++i)
        ASSERT_LE(std::hypot(a.trail[i].x - a.trail[i - 1].x, a.trail[i].y - a.trail[i - 1].y), 1.1);

    std::atomic<bool> cancel{true};
    ProgramImage program;
    program.ok = true;
    program.image = image;
    const Verdict stopped = judgeProgram(c, program, nullptr, &cancel);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.passed);
    EXPECT_LT(stopped.endSeconds, 0.2);
}

TEST(Judge, AFlowchartIsBuiltAsTheBuildDoesOrSaysWhyNot)
{
    BuiltProgram program;
    program.add(makeElement(10, 10, 10, 1, 0, 0, "AB")).add(makeElement(13, 10, 10, 2)).add(makeElement(17, 16, 10));
    program.store.setElementSizes(shippedLibrary().elementSizeTable);
    const ProgramImage built = buildProgramImage(program.store, shippedLibrary());
    ASSERT_TRUE(built.ok) << words(built.message);
    const Challenge c = challengeFrom(mesa(R"([{"kind": "reach", "rect": [90, 85, 20, 10], "atEnd": true}])"));
    EXPECT_TRUE(judgeProgram(c, built).passed);

    BuiltProgram broken;
    broken.add(makeElement(17, 12, 10, 1, 0, 0, "nada"));
    broken.store.setElementSizes(shippedLibrary().elementSizeTable);
    const ProgramImage refused = buildProgramImage(broken.store, shippedLibrary());
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(words(refused.message).find("nada"), std::string::npos) << words(refused.message);
}
