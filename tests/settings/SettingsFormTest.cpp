#include "settings/SettingsForm.h"

#include "model/ProgramFile.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(SettingsForm, WhatTheDialogShows)
{
    ProgramSettings p;
    p.leftMotorName = "Rueda";
    AppSettings a = defaultAppSettings("/app/L.LIB");
    a.comPort = 3;
    SettingsForm f = loadSettingsForm(p, a);
    EXPECT_EQ(f.leftName, "Rueda"); // the program's own names, whatever the steering type
    EXPECT_EQ(f.rightName, "Derecho");
    EXPECT_FALSE(f.steering);
    EXPECT_EQ(f.lightSource, 0);
    EXPECT_EQ(f.lightLevel, "150");
    EXPECT_TRUE(f.lightLevelEnabled);
    EXPECT_EQ(f.comPortItem, 2);
    EXPECT_EQ(f.libraryPath, "/app/L.LIB");

    p.lightThreshold = 248;
    p.directionMode = 1;
    f = loadSettingsForm(p, a);
    EXPECT_EQ(f.lightSource, 3);
    EXPECT_FALSE(f.lightLevelEnabled);
    EXPECT_EQ(f.lightLevel, "150");
    EXPECT_TRUE(f.steering);
    EXPECT_EQ(f.leftName, "Rueda"); // reopening keeps them: the next OK stores what is shown
    EXPECT_EQ(f.rightName, "Derecho");
    // Only switching the steering type proposes its names.
    setSteering(f, false);
    EXPECT_EQ(f.leftName, "Izquierdo");
    setSteering(f, true);
    EXPECT_EQ(f.rightName, "Traccion");

    p.lightThreshold = 245; // the top of the stated "(0 a 245)": a constant the box shows and takes
    f = loadSettingsForm(p, a);
    EXPECT_EQ(f.lightSource, 0);
    EXPECT_TRUE(f.lightLevelEnabled);
    EXPECT_EQ(f.lightLevel, "245");
    for (int odd : { 251, 255 }) { // no variable behind these: a constant, the box off
        p.lightThreshold = std::uint8_t(odd);
        f = loadSettingsForm(p, a);
        EXPECT_EQ(f.lightSource, 0);
        EXPECT_FALSE(f.lightLevelEnabled);
    }
}

TEST(SettingsForm, ReopeningAndConfirmingKeepsCustomMotorNames)
{
    ProgramSettings p;
    p.directionMode = 1;
    p.leftMotorName = "Volante";
    p.rightMotorName = "Ruedas";
    AppSettings a;
    const ProgramSettings before = p;
    EXPECT_TRUE(applySettingsForm(loadSettingsForm(p, a), p, a).empty());
    EXPECT_EQ(p, before);
}

TEST(SettingsForm, WhatOkStores)
{
    ProgramSettings p;
    AppSettings a;
    SettingsForm f = loadSettingsForm(p, a);
    f.lightSource = 3;
    f.motorSpin = "850.5";
    f.motorTime = "abc";
    f.appId = "45";
    f.senseTimeout = "99999";
    f.comPortItem = 3;
    f.autoConnect = true;
    applySettingsForm(f, p, a);
    EXPECT_EQ(p.lightThreshold, 248);
    EXPECT_EQ(p.motorSpin, 850); // 850.5 rounds to even
    EXPECT_EQ(p.motorTime, 0);   // non-numeric text is 0
    EXPECT_EQ(p.appId, 45 & 31);
    EXPECT_EQ(p.senseTimeout, 32767);
    EXPECT_EQ(a.comPort, 4);
    EXPECT_TRUE(a.autoConnect);
    // A level past the stated range would name a variable: the top of the range is stored, and said.
    f.lightSource = 0;
    for (const char* level : { "250", "300" }) {
        f.lightLevel = level;
        const auto notes = applySettingsForm(f, p, a);
        EXPECT_EQ(p.lightThreshold, 245) << level;
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_NE(notes[0].text.spanish().find("0 y 245"), std::string::npos) << notes[0].text;
    }
    f.lightLevel = "245";
    EXPECT_TRUE(applySettingsForm(f, p, a).empty());
    EXPECT_EQ(p.lightThreshold, 245);
    EXPECT_EQ(dialogNumber(" 42 "), 42);
}

TEST(SettingsForm, MotorNamesTheHeaderCannotHoldAreRefused)
{
    EXPECT_FALSE(motorNameRefusal("Izquierdo"));
    EXPECT_FALSE(motorNameRefusal("Se\xC3\xB1"
                                  "al \xE2\x82\xAC")); // "Señal €": both are Windows-1252
    const auto percent = motorNameRefusal("50%");
    ASSERT_TRUE(percent);
    EXPECT_NE(percent->text.spanish().find("Caracter %"), std::string::npos) << percent->text;
    EXPECT_TRUE(motorNameRefusal("\xE2\x86\x92")); // an arrow has no Windows-1252 byte
    EXPECT_TRUE(motorNameRefusal("a\tb"));

    // OK never puts a "%" into the header: the name stays as it was, and the header reads back.
    ProgramSettings p;
    AppSettings a;
    SettingsForm f = loadSettingsForm(p, a);
    f.leftName = "Izq%1";
    f.rightName = "Der";
    f.motorSpin = "700";
    const auto notes = applySettingsForm(f, p, a);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(p.leftMotorName, "Izquierdo");
    EXPECT_EQ(p.rightMotorName, "Der");
    EXPECT_EQ(parseProgramHeader(buildProgramHeader(p)), p);
}

TEST(SettingsForm, TheLanguageChoice)
{
    ProgramSettings p;
    AppSettings a;
    SettingsForm f = loadSettingsForm(p, a);
    EXPECT_EQ(f.languageItem, 0); // Spanish unless chosen
    f.languageItem = 1;
    applySettingsForm(f, p, a);
    EXPECT_EQ(a.language, InterfaceLanguage::English);
    EXPECT_EQ(loadSettingsForm(p, a).languageItem, 1);
    f.languageItem = 0;
    applySettingsForm(f, p, a);
    EXPECT_EQ(a.language, InterfaceLanguage::Spanish);
}
