#include "settings/SettingsForm.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(SettingsForm, WhatTheDialogShows)
{
    ProgramSettings p;
    p.leftMotorName = "Rueda";
    AppSettings a = defaultAppSettings("/app/L.LIB");
    a.comPort = 3;
    SettingsForm f = loadSettingsForm(p, a);
    EXPECT_EQ(f.leftName, "Izquierdo"); // the steering type's names replace the stored ones
    EXPECT_EQ(f.rightName, "Derecho");
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
    EXPECT_EQ(f.leftName, "Direccion");
    EXPECT_EQ(f.rightName, "Traccion");

    for (int odd : {245, 251, 255}) { // no variable behind these: a constant, the box off
        p.lightThreshold = std::uint8_t(odd);
        f = loadSettingsForm(p, a);
        EXPECT_EQ(f.lightSource, 0);
        EXPECT_FALSE(f.lightLevelEnabled);
    }
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
    f.lightSource = 0;
    f.lightLevel = "300";
    applySettingsForm(f, p, a);
    EXPECT_EQ(p.lightThreshold, 255);
    EXPECT_EQ(dialogNumber(" 42 "), 42);
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
