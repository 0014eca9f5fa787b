// Reading and writing whole files: what is not a regular file, what is too large, what fails half-way.
#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvel;
namespace fs = std::filesystem;

namespace
{

class TextFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
            / ("tarvel_textfile_" + std::to_string(::getpid()) + "_"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), {} };
    }
    std::set<std::string> names()
    {
        std::set<std::string> all;
        for (const auto& e : fs::directory_iterator(dir))
            all.insert(e.path().filename().string());
        return all;
    }
    // Runs `work` in a child that is killed after 5 s: true when it returned in time with success.
    static bool returnsPromptly(const std::function<bool()>& work)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(5);
            ::_exit(work() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    // A process id that no process has: a child that has ended and been waited for.
    static pid_t deadPid()
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }

    fs::path dir;
};

} // namespace

TEST_F(TextFiles, WhatIsNotARegularFileIsRefusedAtOnceAndTheBytesStay)
{
    fs::create_directories(dir / "carpeta");
    ASSERT_EQ(::mkfifo((dir / "tubo").c_str(), 0600), 0);
    const struct {
        fs::path path;
        const char* words;
    } cases[] = { { dir / "carpeta", "carpeta" }, { dir / "tubo", "FIFO" }, { "/dev/zero", "dispositivo" },
        { dir / "no_esta", "no existe" }, { dir / "no_esta" / "x", "no existe" } };
    for (const auto& c : cases) {
        EXPECT_TRUE(returnsPromptly([&] {
            std::string bytes = "antes";
            const std::string reason = readRegularFile(c.path, bytes, kAnyFileMaxBytes);
            return reason.find(c.words) != std::string::npos && bytes == "antes";
        })) << c.path;
    }
    std::string bytes;
    EXPECT_FALSE(readWholeFile(dir / "tubo", bytes));
}

TEST_F(TextFiles, TheBoundOfItsKindIsKeptEvenWhereTheSizeIsNotKnown)
{
    put(dir / "justo", std::string(100, 'x'));
    std::string bytes;
    EXPECT_EQ(readRegularFile(dir / "justo", bytes, 100), "");
    EXPECT_EQ(bytes.size(), 100u);
    bytes = "antes";
    EXPECT_NE(readRegularFile(dir / "justo", bytes, 99).find("demasiado grande"), std::string::npos);
    EXPECT_EQ(bytes, "antes");
    put(dir / "vacio", "");
    EXPECT_EQ(readRegularFile(dir / "vacio", bytes, 0), "");
    EXPECT_EQ(bytes, "");

    // Files under /proc say they are empty: the read itself stops past the bound.
    EXPECT_EQ(fs::file_size("/proc/self/status"), 0u);
    EXPECT_EQ(readRegularFile("/proc/self/status", bytes, kListFileMaxBytes), "");
    EXPECT_NE(bytes.find("Pid:"), std::string::npos);
    EXPECT_NE(readRegularFile("/proc/self/status", bytes, 10).find("demasiado grande"), std::string::npos);

    static_assert(kProgramFileMaxBytes == 150236);
    static_assert(kBrickImageMaxBytes < 256 && kImageFileMaxBytes == 2049);
}

TEST_F(TextFiles, AFailingReadSaysWhy)
{
    // Reading the process's own memory at offset 0 fails with an input/output error, even for root.
    std::string bytes = "antes";
    const std::string reason = readRegularFile("/proc/self/mem", bytes, kAnyFileMaxBytes);
    EXPECT_NE(reason.find("No se puede leer"), std::string::npos) << reason;
    EXPECT_EQ(bytes, "antes");
}

TEST_F(TextFiles, AWriteReplacesTheFileKeepsItsPermissionsAndLeavesNoTemporary)
{
    const fs::path target = dir / "programa.gtf";
    put(target, "viejo");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    EXPECT_EQ(writeFileReplacing(target, "nuevo contenido"), "");
    EXPECT_EQ(contents(target), "nuevo contenido");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_EQ(names(), std::set<std::string> { "programa.gtf" });

    // A new file gets what any new file gets under the umask.
    const mode_t mask = ::umask(022);
    EXPECT_EQ(writeFileReplacing(dir / "nuevo.txt", ""), "");
    ::umask(mask);
    EXPECT_EQ(fs::status(dir / "nuevo.txt").permissions(), fs::perms(0644));
    EXPECT_EQ(fs::file_size(dir / "nuevo.txt"), 0u);

    // The longest legal name: the temporary does not grow with it.
    const fs::path longest = dir / (std::string(251, 'n') + ".gtf");
    EXPECT_EQ(writeFileReplacing(longest, "largo"), "");
    std::string bytes;
    EXPECT_EQ(readRegularFile(longest, bytes, 100), "");
    EXPECT_EQ(bytes, "largo");
    EXPECT_NE(writeFileReplacing(dir / (std::string(256, 'n')), "x").spanish().find("demasiado largo"), std::string::npos);
}

TEST_F(TextFiles, AWriteThroughALinkReplacesTheFileItNames)
{
    put(dir / "real.txt", "viejo");
    fs::create_symlink("real.txt", dir / "enlace.txt");
    EXPECT_EQ(writeFileReplacing(dir / "enlace.txt", "nuevo"), "");
    EXPECT_TRUE(fs::is_symlink(dir / "enlace.txt"));
    EXPECT_EQ(contents(dir / "real.txt"), "nuevo");
}

TEST_F(TextFiles, NothingIsWrittenThroughWhatIsNotARegularFile)
{
    fs::create_directories(dir / "carpeta");
    ASSERT_EQ(::mkfifo((dir / "tubo").c_str(), 0600), 0);
    put(dir / "archivo", "x");
    const struct {
        fs::path path;
        const char* words;
    } cases[] = { { dir / "carpeta", "carpeta" }, { dir / "tubo", "FIFO" }, { "/dev/full", "dispositivo" },
        { dir / "archivo" / "dentro.gtf", "no es una carpeta" }, { dir / "falta" / "dentro.gtf", "carpeta no existe" },
        { dir / "carpeta" / "", "Falta el nombre" } };
    for (const auto& c : cases) {
        EXPECT_TRUE(returnsPromptly([&] {
            const std::string error = writeFileReplacing(c.path, "nuevo").spanish();
            return error.find("No se Pudo Escribir") == 0 && error.find(c.words) != std::string::npos;
        })) << c.path;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "tubo"));
    EXPECT_TRUE(fs::is_directory(dir / "carpeta"));
    EXPECT_TRUE(fs::is_empty(dir / "carpeta"));
    EXPECT_EQ(names(), (std::set<std::string> { "archivo", "carpeta", "tubo" }));
}

TEST_F(TextFiles, AReadOnlyFileIsNotReplaced)
{
    // In a folder where anyone may rename, the file's own mode is what forbids the change. Root
    // writes any file, so the check runs as a user without rights (nobody) where the test is root.
    put(dir / "fijo.txt", "viejo");
    ASSERT_EQ(::chmod((dir / "fijo.txt").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.c_str(), 0777), 0);
    EXPECT_TRUE(returnsPromptly([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return false;
        return writeFileReplacing(dir / "fijo.txt", "nuevo").spanish().find("solo lectura") != std::string::npos;
    }));
    EXPECT_EQ(contents(dir / "fijo.txt"), "viejo");
    EXPECT_EQ(names(), std::set<std::string> { "fijo.txt" });
}

TEST_F(TextFiles, PreparedFilesAreWrittenAllOrNone)
{
    put(dir / "a.bin", "viejo a");
    {
        PendingFile a, b;
        EXPECT_EQ(a.prepare(dir / "a.bin", "nuevo a"), "");
        EXPECT_NE(b.prepare(dir / "falta" / "b.src", "nuevo b"), "");
        EXPECT_EQ(names().size(), 2u); // the target and one temporary
    }
    EXPECT_EQ(contents(dir / "a.bin"), "viejo a");
    EXPECT_EQ(names(), std::set<std::string> { "a.bin" });

    PendingFile a, b;
    EXPECT_EQ(a.prepare(dir / "a.bin", "nuevo a"), "");
    EXPECT_EQ(b.prepare(dir / "b.src", "nuevo b"), "");
    EXPECT_EQ(a.commit(), "");
    EXPECT_EQ(b.commit(), "");
    EXPECT_EQ(contents(dir / "a.bin"), "nuevo a");
    EXPECT_EQ(contents(dir / "b.src"), "nuevo b");
    EXPECT_NE(b.commit(), ""); // once only
    EXPECT_EQ(names(), (std::set<std::string> { "a.bin", "b.src" }));
}

TEST_F(TextFiles, TemporariesOfProcessesThatAreGoneAreRemovedAndNoOthers)
{
    long pid = 0;
    EXPECT_TRUE(isTemporaryName(".tarvel-123-00ff.tmp", pid));
    EXPECT_EQ(pid, 123);
    for (const char* other : { ".tarvel-.tmp", ".tarvel-12.tmp", ".tarvel-12-.tmp", ".tarvel-x1-ab.tmp",
             ".tarvel-12-AB.tmp", "tarvel-12-ab.tmp", ".tarvel-12-ab.tmp~", "a.gtf.tmp123", ".tarvel-0-ab.tmp" })
        EXPECT_FALSE(isTemporaryName(other, pid)) << other;

    const std::string dead = ".tarvel-" + std::to_string(deadPid()) + "-0123456789abcdef.tmp";
    const std::string own = ".tarvel-" + std::to_string(::getpid()) + "-00aa.tmp";
    const std::string parent = ".tarvel-" + std::to_string(::getppid()) + "-00bb.tmp";
    for (const auto& name : { dead, own, parent, std::string("a.gtf.tmp123"), std::string("programa.gtf") })
        put(dir / name, "x");
    fs::create_directories(dir / (".tarvel-" + std::to_string(deadPid()) + "-00cc.tmp")); // not a file of ours

    removeStaleTemporaries(dir);
    std::set<std::string> left = names();
    EXPECT_EQ(left.count(dead), 0u);
    for (const auto& kept : { own, parent, std::string("a.gtf.tmp123"), std::string("programa.gtf") })
        EXPECT_EQ(left.count(kept), 1u) << kept;
    EXPECT_EQ(left.size(), 5u);
    removeStaleTemporaries(dir / "no_esta"); // nothing to do, nothing thrown
}

TEST_F(TextFiles, PathsInMessagesAreTheCodePagesText)
{
    EXPECT_EQ(pathText("/tmp/programa_\xC3\xB1"
                       "and\xC3\xBA.gtf"),
        "/tmp/programa_\xF1"
        "and\xFA.gtf");
    const std::string error = writeFileReplacing(dir / "falta" / "\xC3\xB1.gtf", "x").spanish();
    EXPECT_NE(error.find("/falta/\xF1.gtf\r\n"), std::string::npos) << error;
}
