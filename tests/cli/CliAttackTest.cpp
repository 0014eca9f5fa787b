// The command line attacked: every command that reads a file is given a folder, a pipe, a device,
// a file that fails on reading, an empty file and random bytes; outputs go where they cannot be
// written, to a full disk, under the longest name, beside what a killed save left.
#include "CliRun.h"

#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{

std::string shellWord(const fs::path& path)
{
    return "'" + path.string() + "'";
}

std::string contents(const fs::path& path)
{
    std::string bytes;
    tarvel::readWholeFile(path, bytes);
    return bytes;
}

class CliAttack : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = fs::temp_directory_path() / ("tarvel_attack_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "bad");
        fs::copy_file(fs::path(TARVEL_APPDIR) / "Melodia.gtf", dir / "good.gtf");
        const auto built = runTarvel("build " + shellWord(dir / "good.gtf") + " --source " + shellWord(dir / "good.src")
            + " --image " + shellWord(dir / "good.bin"));
        ASSERT_EQ(built.exitCode, 0) << built.err;

        std::mt19937 rng(42);
        std::string random(5000, '\0');
        for (auto& c : random)
            c = char(rng());
        // Each kind of bad input under each extension a command may look at.
        for (const std::string ext : { ".gtf", ".LIB", ".src", ".bin", ".json" }) {
            fs::create_directories(dir / "bad" / ("carpeta" + ext));
            ::mkfifo((dir / "bad" / ("tubo" + ext)).c_str(), 0600);
            fs::create_symlink("/dev/zero", dir / "bad" / ("cero" + ext));
            fs::create_symlink("/proc/self/mem", dir / "bad" / ("memoria" + ext)); // fails on read, even for root
            tarvel::writeFileReplacing(dir / "bad" / ("vacio" + ext), "");
            tarvel::writeFileReplacing(dir / "bad" / ("azar" + ext), random);
        }
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }

    void SetUp() override
    {
        out = dir / ("salida_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(out);
        fs::create_directories(out);
    }
    void TearDown() override { fs::remove_all(out); }

    std::map<std::string, std::string> outputs()
    {
        std::map<std::string, std::string> found;
        for (const auto& e : fs::directory_iterator(out))
            found[e.path().filename().string()] = contents(e.path());
        return found;
    }

    // Runs the command with each bad input in place of {IN}: it ends by itself, refuses with a
    // message, and the output folder is as it was (outputs absent, or present with their bytes).
    void refusesEveryBadInput(const std::string& command, const std::string& ext, int code = 1)
    {
        for (const bool outputsThere : { false, true }) {
            for (const auto& e : fs::directory_iterator(out))
                fs::remove(e.path());
            if (outputsThere)
                for (const char* name : { "out.gtf", "out.bin", "out.src" })
                    tarvel::writeFileReplacing(out / name, std::string("antes ") + name);
            const auto before = outputs();
            for (const char* kind : { "carpeta", "tubo", "cero", "memoria", "vacio", "azar" }) {
                const fs::path input = dir / "bad" / (kind + ext);
                const std::string bytesBefore = fs::is_regular_file(input) ? contents(input) : "";
                std::string line = command;
                line.replace(line.find("{IN}"), 4, shellWord(input));
                for (std::size_t at; (at = line.find("{OUT}")) != std::string::npos;)
                    line.replace(at, 5, out.string());
                const CliResult r = runTarvelWithin(10, line);
                const std::string what = line + "\n" + r.err;
                EXPECT_NE(r.exitCode, 124) << "did not end: " << what;
                EXPECT_EQ(r.exitCode, code) << what;
                EXPECT_FALSE(r.err.empty()) << "no reason given: " << line;
                EXPECT_EQ(r.err.find("terminate called"), std::string::npos) << what;
                EXPECT_EQ(outputs(), before) << what;
                if (fs::is_regular_file(input) && std::string(kind) != "cero" && std::string(kind) != "memoria") {
                    EXPECT_EQ(contents(input), bytesBefore) << what;
                }
            }
        }
    }

    static fs::path dir;
    fs::path out;
};

fs::path CliAttack::dir;

// A temporary left by a save that was killed: prepared by a process that ended before renaming it.
fs::path killedSave(const fs::path& target)
{
    const pid_t child = ::fork();
    if (child == 0) {
        auto* pending = new tarvel::PendingFile; // never destroyed: the process ends as if killed
        ::_exit(pending->prepare(target, "a medias").empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    for (const auto& e : fs::directory_iterator(target.parent_path())) {
        long pid = 0;
        if (tarvel::isTemporaryName(e.path().filename().string(), pid) && pid == child)
            return e.path();
    }
    return {};
}

} // namespace

TEST_F(CliAttack, ProgramReaders)
{
    refusesEveryBadInput("describe {IN}", ".gtf");
    refusesEveryBadInput("describe --json {IN}", ".bin");
    refusesEveryBadInput("resave {IN} {OUT}/out.gtf", ".gtf");
    refusesEveryBadInput("edit {IN} insert 0 1 11,12,16,0,0,0 --out {OUT}/out.gtf", ".gtf");
    refusesEveryBadInput("build {IN} --image {OUT}/out.bin --source {OUT}/out.src", ".gtf");
    refusesEveryBadInput("build --json {IN} --image {OUT}/out.bin", ".gtf");
    refusesEveryBadInput("sim {IN} --seconds 1", ".gtf");
}

TEST_F(CliAttack, LibraryReaders)
{
    const std::string good = shellWord(dir / "good.gtf");
    refusesEveryBadInput("lib {IN}", ".LIB");
    refusesEveryBadInput("lib --json {IN}", ".LIB");
    refusesEveryBadInput("lib --stamp {IN}", ".LIB");
    refusesEveryBadInput("describe --lib {IN} " + good, ".LIB");
    refusesEveryBadInput("edit - new --lib {IN} --out {OUT}/out.gtf", ".LIB");
    refusesEveryBadInput("build " + good + " --lib {IN} --image {OUT}/out.bin", ".LIB");
    refusesEveryBadInput("asm " + shellWord(dir / "good.src") + " --lib {IN} --image {OUT}/out.bin", ".LIB");
    refusesEveryBadInput("help-text --lib {IN} 17 12 10", ".LIB");
    refusesEveryBadInput("sim " + good + " --lib {IN} --seconds 1", ".LIB");
    refusesEveryBadInput("sim " + shellWord(dir / "good.bin") + " --lib {IN} --seconds 1", ".LIB");
    refusesEveryBadInput("brick --simulated --lib {IN} send " + shellWord(dir / "good.bin"), ".LIB");
}

TEST_F(CliAttack, SourceImageAndWorldReaders)
{
    refusesEveryBadInput("asm {IN} --image {OUT}/out.bin", ".src");
    refusesEveryBadInput("asm --json --append-end {IN} --image {OUT}/out.bin", ".src");
    refusesEveryBadInput("brick --simulated send {IN}", ".bin");
    refusesEveryBadInput("brick --simulated --json send {IN}", ".bin");
    refusesEveryBadInput("sim {IN} --seconds 1", ".bin");
    refusesEveryBadInput("sim " + shellWord(dir / "good.gtf") + " --world {IN} --seconds 1", ".json");
}

TEST_F(CliAttack, OutputsThatCannotBeWrittenFailAndLeaveNothing)
{
    const std::string good = shellWord(dir / "good.gtf");
    tarvel::writeFileReplacing(out / "archivo", "x");
    fs::create_directories(out / "carpeta.bin");
    ::mkfifo((out / "tubo.bin").c_str(), 0600);
    const auto before = outputs();
    for (const fs::path& target : { out / "archivo" / "dentro.bin", out / "falta" / "x.bin", out / "carpeta.bin",
             out / "tubo.bin", fs::path("/proc/self/nuevo.bin"), fs::path("/dev/full") }) {
        for (const std::string& command :
            { "build " + good + " --image " + shellWord(target), "build " + good + " --source " + shellWord(target),
                "asm " + shellWord(dir / "good.src") + " --image " + shellWord(target),
                "resave " + good + " " + shellWord(target),
                "edit " + good + " insert 0 1 11,12,16,0,0,0 --out " + shellWord(target) }) {
            const CliResult r = runTarvelWithin(10, command);
            EXPECT_EQ(r.exitCode, 1) << command << "\n" << r.err;
            EXPECT_NE(r.err.find("No se Pudo Escribir"), std::string::npos) << command << "\n" << r.err;
            EXPECT_EQ(outputs(), before) << command;
        }
    }
    EXPECT_TRUE(fs::is_fifo(out / "tubo.bin"));

    // Two outputs are written both or neither: a good image is not kept beside a source that failed.
    const CliResult r = runTarvel("build " + good + " --image " + shellWord(out / "nueva.bin") + " --source "
        + shellWord(out / "falta" / "x.src"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(outputs(), before);
}

TEST_F(CliAttack, AFullOrReadOnlyDiskLosesNothing)
{
    // A small file system of our own, in a mount namespace of this command only.
    const fs::path disk = out / "disco";
    fs::create_directories(disk);
    const std::string build = std::string(TARVEL_CLI) + " build " + shellWord(dir / "good.gtf") + " --image "
        + shellWord(disk / "imagen.bin") + " >/dev/null";
    const std::string show = "cat " + shellWord(disk / "imagen.bin") + "; echo; ls -A " + shellWord(disk);
    std::string script;
    for (const std::string& step : std::initializer_list<std::string> { "set -e",
             "mount -t tmpfs -o size=64k tmpfs " + shellWord(disk), "printf antes > " + shellWord(disk / "imagen.bin"),
             "cat /dev/zero > " + shellWord(disk / "relleno") + " 2>/dev/null || true", "set +e", build,
             "echo lleno=\\$?", show, "rm " + shellWord(disk / "relleno"), "mount -o remount,ro " + shellWord(disk),
             build, "echo ro=\\$?", show })
        script += step + "; ";
    CliResult r;
    for (const char* unshare : { "unshare -m", "unshare -rm" }) {
        r = runCommand(std::string(unshare) + " sh -c \"" + script + "\"");
        if (r.out.find("lleno=") != std::string::npos)
            break;
    }
    if (r.out.find("lleno=") == std::string::npos)
        GTEST_SKIP() << "no file system of our own can be mounted here: " << r.err;
    EXPECT_EQ(r.out, "lleno=1\nantes\nimagen.bin\nrelleno\nro=1\nantes\nimagen.bin\n") << r.err;
    EXPECT_NE(r.err.find("No queda espacio en el disco."), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("solo lectura"), std::string::npos) << r.err;
}

TEST_F(CliAttack, TheLongestNameSavesAndOpens)
{
    const fs::path longest = out / (std::string(251, 'p') + ".gtf");
    ASSERT_EQ(longest.filename().string().size(), 255u);
    CliResult r = runTarvel("resave " + shellWord(dir / "good.gtf") + " " + shellWord(longest));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(contents(longest), contents(dir / "good.gtf"));
    r = runTarvel("describe " + shellWord(longest));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = runTarvel("build " + shellWord(longest) + " --image " + shellWord(out / (std::string(251, 'i') + ".bin")));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(outputs().size(), 2u);

    r = runTarvel("resave " + shellWord(dir / "good.gtf") + " " + shellWord(out / (std::string(252, 'p') + ".gtf")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("demasiado largo"), std::string::npos) << r.err;
}

TEST_F(CliAttack, WhatAKilledSaveLeftIsRemovedAndTheTargetKeepsItsBytes)
{
    const fs::path target = out / "programa.gtf";
    fs::copy_file(dir / "good.gtf", target);
    const fs::path left = killedSave(target);
    ASSERT_FALSE(left.empty());
    EXPECT_LT(left.filename().string().size(), 40u);
    EXPECT_EQ(contents(left), "a medias");
    const std::string live = ".tarvel-" + std::to_string(::getpid()) + "-0123abcd.tmp"; // a save still running
    tarvel::writeFileReplacing(out / live, "en curso");

    EXPECT_EQ(runTarvel("describe " + shellWord(target)).exitCode, 0); // reading leaves the folder alone
    EXPECT_TRUE(fs::exists(left));
    const CliResult r = runTarvel("build " + shellWord(target) + " --image " + shellWord(out / "programa.bin"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(fs::exists(left));
    EXPECT_EQ(contents(out / live), "en curso");
    EXPECT_EQ(contents(target), contents(dir / "good.gtf"));
    EXPECT_EQ(outputs().size(), 3u);
}
