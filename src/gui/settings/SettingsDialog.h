#pragma once
// The settings dialog (formScreenGlobalCfg): program and application settings on four tabs.
#include "gui/app/InfoWindows.h"
#include "model/UserMessage.h"

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace tarvel {

class UpDown;
class Workspace;

class SettingsDialog : public TransientWindow {
    Q_OBJECT
public:
    SettingsDialog(Workspace& workspace, QWidget* parent);

    std::function<void(bool)> connectTool;
    std::function<void()> storeConfig;
    std::function<void(const std::vector<UserMessage>&)> libraryLoaded;
    std::function<void(bool)> simulatedBrickChanged;
    // Says what OK could not store as it stood (a message box over the dialog unless set).
    std::function<void(const UserMessage&)> showMessage;

    void confirm(); // cmdOk

protected:
    void deactivated() override;

private:
    QLineEdit* numberBox(const char* name, const std::string& value);
    void setDirection(bool steering);

    Workspace& ws_;
    QTabWidget* tabs_ = nullptr;
    QRadioButton* dirRobot_ = nullptr;
    QRadioButton* dirAuto_ = nullptr;
    QLineEdit* nameLeft_ = nullptr;
    QLineEdit* nameRight_ = nullptr;
    QLineEdit* motorSpin_ = nullptr;
    QLineEdit* motorTime_ = nullptr;
    UpDown* upMotorSpin_ = nullptr;
    UpDown* upMotorTime_ = nullptr;
    QComboBox* lightSource_ = nullptr;
    QLineEdit* lightLevel_ = nullptr;
    UpDown* upLight_ = nullptr;
    QLineEdit* senseTimeout_ = nullptr;
    QLineEdit* countTimeout_ = nullptr;
    QComboBox* comPort_ = nullptr;
    QCheckBox* autoConnect_ = nullptr;
    QCheckBox* simulated_ = nullptr;
    QComboBox* language_ = nullptr;
    QCheckBox* noSyntax_ = nullptr;
    QLineEdit* appId_ = nullptr;
    UpDown* upAppId_ = nullptr;
    QCheckBox* storeSources_ = nullptr;
    QCheckBox* showEmptyIcons_ = nullptr;
    QLineEdit* libraryPath_ = nullptr;
    bool libraryChanged_ = false;
    bool communicationChanged_ = false;
    bool covered_ = false; // a file dialog or a message over the dialog: it does not close
};

// An up-down: two small arrows that step a value within a range and write it into a text box.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(const char* name, int minimum, int maximum, int step, QLineEdit* buddy, QWidget* parent);
    int value() const { return value_; }
    void setValue(int value); // without writing the buddy
    void describe(const QString& what); // accessible names for the box and both arrows
    void step(int direction);

private:
    int value_ = 0, minimum_, maximum_, step_;
    QLineEdit* buddy_;
};

} // namespace tarvel
