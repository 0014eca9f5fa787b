#include "settings/AppSettings.h"

#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace tarvel;
namespace fs = std::filesystem;

TEST(AppSettings, ParsesTheSevenLinesAndTheSimulatorLine)
{
    auto s = parseConfig("1\r\n12\r\n0\r\n1\r\n1\r\n3\r\n/libs/X.LIB\r\n1\r\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->comPort, 1); // only the first character counts
    EXPECT_FALSE(s->warnUncodedIcons);
    EXPECT_TRUE(s->storeSourceFiles);
    EXPECT_TRUE(s->interfaceMode);
    EXPECT_EQ(s->dontShowFlags, 3);
    EXPECT_EQ(s->libraryPath, "/libs/X.LIB");
    EXPECT_TRUE(s->useSimulatedBrick);

    // A seven-line file (older writers) has no simulated brick.
    s = parseConfig("1\r\n2\r\n1\r\n0\r\n0\r\n0\r\nC:\\L.LIB\r\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->comPort, 2);
    EXPECT_FALSE(s->useSimulatedBrick);

    EXPECT_FALSE(parseConfig("0\r\n1\r\n"));
    EXPECT_FALSE(parseConfig("1\r"));
    EXPECT_FALSE(parseConfig(""));
    EXPECT_TRUE(parseConfig("1\r\n")); // short but valid: every value takes its empty reading
}

TEST(AppSettings, WritesWhatItReads)
{
    AppSettings s = defaultAppSettings("/app/Clib_J2A1_USB0.LIB");
    EXPECT_EQ(configText(s), "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n/app/Clib_J2A1_USB0.LIB\r\n0\r\n0\r\n");
    s.dontShowFlags = 1;
    s.useSimulatedBrick = true;
    s.comPort = 4;
    EXPECT_EQ(parseConfig(configText(s)), s);
}

TEST(AppSettings, TheLanguageIsTheNinthLineAndSpanishUnlessItSaysEnglish)
{
    const std::string eight = "1\r\n2\r\n1\r\n0\r\n1\r\n0\r\n/libs/X.LIB\r\n1\r\n";
    EXPECT_EQ(parseConfig(eight)->language, InterfaceLanguage::Spanish); // files of older writers
    EXPECT_EQ(parseConfig(eight + "1\r\n")->language, InterfaceLanguage::English);
    for (const char* other : {"0", "2", "en", "", " 1"})
        EXPECT_EQ(parseConfig(eight + other + "\r\n")->language, InterfaceLanguage::Spanish) << other;
    // A file without line ends between the last lines still counts its lines.
    EXPECT_EQ(parseConfig("1\n1\n1\n0\n0\n0\nL\n0\n1")->language, InterfaceLanguage::English);

    // The language is one line more: the first eight lines, which the readers of the seven-line
    // format and of the simulated brick's line read, are the same in both languages.
    AppSettings s = defaultAppSettings("/app/L.LIB");
    s.useSimulatedBrick = true;
    const std::string spanish = configText(s);
    s.language = InterfaceLanguage::English;
    const std::string english = configText(s);
    EXPECT_EQ(spanish.substr(0, spanish.size() - 3), english.substr(0, english.size() - 3));
    EXPECT_EQ(spanish.substr(spanish.size() - 3), "0\r\n");
    EXPECT_EQ(english.substr(english.size() - 3), "1\r\n");
    EXPECT_EQ(parseConfig(english), s);
}

TEST(AppSettings, StartUpCreatesOrReplacesAnInvalidFile)
{
    const fs::path dir = fs::temp_directory_path() / ("tarvel_cfg_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "Config.txt").string();
    auto load = loadOrCreateConfig(path, "/app/L.LIB");
    EXPECT_TRUE(load.created);
    EXPECT_TRUE(load.error.empty());
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n/app/L.LIB\r\n0\r\n0\r\n");

    writeFileReplacing(path, "0\r\n4\r\n");
    load = loadOrCreateConfig(path, "/app/L.LIB");
    EXPECT_TRUE(load.created);
    EXPECT_EQ(load.settings.comPort, 1);

    writeFileReplacing(path, "1\r\n3\r\n1\r\n0\r\n1\r\n1\r\n/x.LIB\r\n");
    load = loadOrCreateConfig(path, "/app/L.LIB");
    EXPECT_FALSE(load.created);
    EXPECT_EQ(load.settings.comPort, 3);

    // A folder that cannot be written still gives the defaults, with the reason.
    load = loadOrCreateConfig((dir / "no" / "Config.txt").string(), "/app/L.LIB");
    EXPECT_TRUE(load.created);
    EXPECT_FALSE(load.error.empty());
    fs::remove_all(dir);
}

TEST(AppSettings, AFileThatIsThereButCannotBeReadIsNotReplaced)
{
    const fs::path dir = fs::temp_directory_path() / ("tarvel_cfg_bad_" + std::to_string(::getpid()));
    fs::create_directories(dir / "Config.txt");
    auto load = loadOrCreateConfig((dir / "Config.txt").string(), "/app/L.LIB");
    EXPECT_FALSE(load.created);
    EXPECT_NE(load.error.spanish().find("carpeta"), std::string::npos) << load.error;
    EXPECT_EQ(load.settings, defaultAppSettings("/app/L.LIB"));
    EXPECT_TRUE(fs::is_directory(dir / "Config.txt"));

    // Too large to be settings: perhaps a file put there by mistake, and not ours to overwrite.
    const std::string big = "1\r\n" + std::string(kListFileMaxBytes, 'x');
    ASSERT_EQ(writeFileReplacing(dir / "Grande.txt", big), "");
    load = loadOrCreateConfig((dir / "Grande.txt").string(), "/app/L.LIB");
    EXPECT_FALSE(load.created);
    EXPECT_NE(load.error.spanish().find("demasiado grande"), std::string::npos) << load.error;
    EXPECT_EQ(fs::file_size(dir / "Grande.txt"), big.size());
    fs::remove_all(dir);
}

TEST(AppSettings, ADamagedFileIsKeptAsBakAndReplacedByTheDefaults)
{
    const fs::path dir = fs::temp_directory_path() / ("tarvel_cfg_junk_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "Config.txt").string();
    const std::string defaults = configText(defaultAppSettings("/app/L.LIB"));

    // Lines of every kind that are not what they should be, each alone in an otherwise good file.
    const std::string good[] = { "1", "2", "1", "0", "1", "3", "/x.LIB" };
    const std::string junk[] = { "xyz", "Com", "si", "2", "q", "tres",
        std::string("a\x01"
                    "b") };
    for (int n = 0; n < 7; ++n) {
        std::string text;
        for (int k = 0; k < 7; ++k)
            text += (k == n ? junk[k] : good[k]) + "\r\n";
        EXPECT_EQ(damagedConfigLine(text), n + 1) << text;
        ASSERT_EQ(writeFileReplacing(path, text), "");
        const auto load = loadOrCreateConfig(path, "/app/L.LIB");
        EXPECT_TRUE(load.created);
        EXPECT_EQ(load.settings, defaultAppSettings("/app/L.LIB"));
        EXPECT_NE(load.error.spanish().find("La Linea " + std::to_string(n + 1)), std::string::npos) << load.error;
        EXPECT_NE(load.error.spanish().find("Config.txt.bak"), std::string::npos) << load.error;
        std::string bytes;
        ASSERT_TRUE(readWholeFile(path, bytes));
        EXPECT_EQ(bytes, defaults);
        ASSERT_TRUE(readWholeFile(path + ".bak", bytes));
        EXPECT_EQ(bytes, text); // the old file, as it was
    }
    // A file cut before the library's line is damaged as well.
    EXPECT_EQ(damagedConfigLine("1\r\n1\r\n1\r\n0\r\n"), 5);

    // What the program itself writes, older seven-line files and any eighth and ninth lines are read.
    for (const std::string& text :
        { defaults, std::string("1\r\n12\r\n0\r\n1\r\n1\r\n-3\r\n\r\n"), std::string("1\n1\n1\n0\n0\n0\nL\nx\nen") }) {
        EXPECT_EQ(damagedConfigLine(text), 0) << text;
        ASSERT_EQ(writeFileReplacing(path, text), "");
        fs::remove(path + ".bak");
        const auto load = loadOrCreateConfig(path, "/app/L.LIB");
        EXPECT_FALSE(load.created);
        EXPECT_TRUE(load.error.empty()) << load.error;
        EXPECT_FALSE(fs::exists(path + ".bak"));
    }
    fs::remove_all(dir);
}
