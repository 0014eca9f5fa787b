#pragma once
// A test session: a fresh application folder with the shipped files, a workspace and its main window.
#include "compiler/Compile.h"
#include "gui/editor/Canvas.h"
#include "CanvasCells.h"
#include "gui/editor/MainWindow.h"
#include "ScriptedDialogs.h"
#include "model/ElementDescription.h"
#include "model/TextFile.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtDebug>

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

using namespace tarvel;

struct Session {
    explicit Session(const std::string& config = {}, const QString& program = {}, bool simulated = false)
    {
        QDir source(TARVEL_APPDIR);
        for (const QString& f : source.entryList(QDir::Files))
            if (f != "Config.txt" && !f.endsWith(".src"))
                QFile::copy(source.filePath(f), dir.filePath(f));
        if (!config.empty()) {
            // "{LIB}" in a test's settings stands for the library of this session's folder.
            std::string text = config;
            if (const auto at = text.find("{LIB}"); at != std::string::npos)
                text.replace(at, 5, dir.filePath("Clib_J2A1_USB0.LIB").toStdString());
            writeFileReplacing(dir.filePath("Config.txt").toStdString(), text);
        }
        workspace = std::make_unique<Workspace>(dir.path().toStdString());
        dialogs.answer = [this](const UserMessage& m, bool) {
            messages.push_back(m.text.spanish());
            return 0;
        };
        dialogs.waitsForWelcome = false;
        window = std::make_unique<MainWindow>(*workspace, dialogs);
        window->show();
        window->startUp(program.isEmpty() ? program : dir.filePath(program), simulated);
    }
    template <typename T>
    T* find(const QString& name) const
    {
        T* w = window->findChild<T*>(name);
        if (!w)
            qWarning() << "no widget" << name;
        return w;
    }
    CanvasCells cells() const { return {*window}; }
    QString config() const
    {
        std::string bytes;
        readWholeFile(dir.filePath("Config.txt").toStdString(), bytes);
        return QString::fromStdString(bytes);
    }
    void appendElement(const InstructionRecord& r)
    {
        workspace->store.currentElement = r;
        describeElement(workspace->store.currentElement, workspace->store);
        workspace->store.appendCurrent();
        // What the editor's commit does after storing it: the drawing's numbers and messages, then
        // the canvas.
        for (const UserMessage& m : workspace->programEditor.drawAppended(workspace->store.activeSequence))
            emit window->canvas().messageRaised(m);
        window->canvas().afterAppend();
        window->canvas().renderLastElement();
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<MainWindow> window;
    std::vector<std::string> messages;
};

// Builds the program in the store, keeping in the workspace what the build window leaves behind,
// sends it to the simulated brick and runs it, as "CompiGraba" does.
inline void compileSendRun(Session& s)
{
    Workspace& ws = *s.workspace;
    TemplateMemory memory;
    const CompileResult result = compileProgram(ws.store, ws.library, memory);
    ws.translation = result.translation;
    ws.assembly = result.assemblyOrEmpty();
    ws.rememberBuild();
    QVERIFY(ws.assembly.errorsText.empty());
    QVERIFY(ws.link().IdentifyBrick());
    ws.link().SendProgramImage(ws.assembly.imageLength, {ws.assembly.image.data(), ws.assembly.image.size()});
    ws.link().FinishDownload();
    QVERIFY(ws.link().RunBrickProgram());
}

} // namespace testsupport
