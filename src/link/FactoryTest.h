#pragma once
// The factory test of one brick on a test bench, as a state machine. Each advance() sends the
// commands of one step and says what to wait for next (a time, or the operator's key), so the
// window never sits inside a wait, and closing it ends the run at the next step.
#include "model/Text.h"
#include "link/BrickLink.h"
#include "link/ToolColour.h"

#include <string>

namespace tarvel {

constexpr int kEnterKey = 13;
// The connection is tried this many times (each try takes more than a second and a half) before
// the report says "FALLO".
constexpr int kFactoryConnectAttempts = 20;
constexpr int kFactoryDarkMaximum = 109;  // a darker bench fails the light step
constexpr int kFactoryLightGain = 80;     // the front light must raise the reading by more than this
constexpr int kFactoryInfraredReads = 400;

struct FactoryView {
    std::string report; // txtHelp
    std::string help = QT_TRANSLATE_NOOP("core", "Instale el ladrillo en el banco de prueba, enciendalo y presione \"Iniciar Prueba\"");
    int tested = 0; // lblCount
    std::string leftMotor = QT_TRANSLATE_NOOP("core", "Apagado"), rightMotor = QT_TRANSLATE_NOOP("core", "Apagado");
    ToolColour leds = rgbColour(0x700000);
    ToolColour frontLight = rgbColour(0x004000);
};

struct FactoryWait {
    enum class Kind { Time, Key, Finished };
    Kind kind = Kind::Finished;
    int ms = 0;
    bool operator==(const FactoryWait&) const = default;
};

class FactoryTest {
public:
    explicit FactoryTest(int connectAttempts = kFactoryConnectAttempts)
        : connectAttempts_(connectAttempts)
    {
    }

    // The window opens: an empty report and the counter at 0.
    void load();
    // Counts the brick and writes the report's header; the run goes on with advance(). Ignored
    // while a run is under way.
    void begin(const std::string& date);
    // Runs the current step; `mainWindow` shows the connection in the status bar and switches the
    // brick tools on.
    FactoryWait advance(BrickLink& link, const LinkEvents& mainWindow);
    // A key pressed in the report box (its key code; Enter is 13).
    void keyDown(int key) { lastKey_ = key; }
    // The window closed: the run jumps to its end.
    void abort() { abort_ = true; }
    void clearReport() { view_.report.clear(); }
    void clearCounter() { view_.tested = 0; }

    bool running() const { return step_ != Step::Idle; }
    bool waitingForKey() const { return waitingForKey_; }
    const FactoryView& view() const { return view_; }
    // What "Guardar Reportes" writes: the report and one more line break.
    std::string reportFileText() const { return view_.report + "\r\n"; }

private:
    enum class Step {
        Idle, Connect, Connected, FrontLightOff, MotorsOff, Leds, LedsKey, Speaker, SpeakerBeep, SpeakerKey,
        Motor, MotorStop, MotorDrive, MotorKey, MotorsDone, DarkFirst, DarkSecond, LitFirst, LitSecond,
        Infrared, InfraredRead, InfraredDone, End, EndStop, Finish
    };
    FactoryWait wait(Step next, int ms);
    FactoryWait waitKey(Step next);
    void fail(const std::string& text);
    void append(const std::string& text) { view_.report += text; }

    FactoryView view_;
    Step step_ = Step::Idle;
    int connectAttempts_;
    int attempts_ = 0;
    bool connected_ = false;
    int lastKey_ = 0;
    bool abort_ = false;
    bool waitingForKey_ = false;
    int motor_ = 0;
    int dark_ = 0;
    int infraredReads_ = 0;
    bool infraredSeen_ = false;
};

// The report file's name: the name typed in the window, with ".txt".
std::string factoryReportFileName(const std::string& listName);

} // namespace tarvel
