#include "settings/RecentFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <unistd.h>

using namespace tarvel;

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight)
{
    RecentFiles recent;
    for (int i = 1; i <= 10; ++i)
        recent.add("/home/ana/p" + std::to_string(i) + ".gtf");
    ASSERT_EQ(recent.paths().size(), 8u);
    EXPECT_EQ(recent.paths().front(), "/home/ana/p10.gtf");
    EXPECT_EQ(recent.paths().back(), "/home/ana/p3.gtf"); // p1 and p2 fell out

    recent.add("/home/ana/./p5.gtf"); // the same file moves up, the list does not grow
    EXPECT_EQ(recent.paths().size(), 8u);
    EXPECT_EQ(recent.paths().front(), "/home/ana/p5.gtf");
    EXPECT_EQ(std::count(recent.paths().begin(), recent.paths().end(), "/home/ana/p5.gtf"), 1);

    EXPECT_TRUE(recent.remove("/home/ana/p5.gtf"));
    EXPECT_FALSE(recent.remove("/home/ana/p5.gtf"));
    EXPECT_EQ(recent.paths().size(), 7u);
    recent.add("");
    EXPECT_EQ(recent.paths().size(), 7u);
}

TEST(RecentFiles, FileTextSurvivesDamage)
{
    RecentFiles recent;
    recent.add("/b.gtf");
    recent.add("/a\xF1o/a.gtf"); // Windows-1252 bytes, as the core holds them
    EXPECT_EQ(recent.text(), "/a\xF1o/a.gtf\r\n/b.gtf\r\n");
    EXPECT_EQ(RecentFiles::parse(recent.text()), recent);

    // Blank lines, bare line feeds, repeats and lines past the eighth are skipped.
    std::string text = "\r\n/x.gtf\n\n/x.gtf\r\n";
    for (int i = 0; i < 12; ++i)
        text += "/y" + std::to_string(i) + ".gtf\r\n";
    const RecentFiles parsed = RecentFiles::parse(text);
    ASSERT_EQ(parsed.paths().size(), 8u);
    EXPECT_EQ(parsed.paths()[0], "/x.gtf");
    EXPECT_EQ(parsed.paths()[7], "/y6.gtf");
    EXPECT_TRUE(RecentFiles::parse("").paths().empty());
}

TEST(RecentFiles, CaptionsNameTheFolderOnlyWhenNamesClash)
{
    RecentFiles recent;
    recent.add("/home/ana/robot.gtf");
    recent.add("/home/ana/luces.gtf");
    recent.add("/media/usb/robot.gtf");
    const auto captions = recentFileCaptions(recent);
    ASSERT_EQ(captions.size(), 3u);
    EXPECT_EQ(captions[0], "1 robot.gtf (/media/usb)");
    EXPECT_EQ(captions[1], "2 luces.gtf");
    EXPECT_EQ(captions[2], "3 robot.gtf (/home/ana)");
    EXPECT_NE(missingRecentFileMessage("/media/usb/robot.gtf").text.spanish().find("/media/usb/robot.gtf"), std::string::npos);
}

TEST(RecentFiles, StoredAndLoadedBesideTheSettings)
{
    const auto dir = std::filesystem::temp_directory_path() / ("recent-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / kRecentFilesName).string();
    EXPECT_TRUE(loadRecentFiles(file).paths().empty()); // no file yet: an empty list
    RecentFiles recent;
    recent.add("/home/ana/robot.gtf");
    EXPECT_EQ(storeRecentFiles(file, recent), "");
    EXPECT_EQ(loadRecentFiles(file), recent);
    EXPECT_NE(storeRecentFiles((dir / "missing" / kRecentFilesName).string(), recent), "");
    std::filesystem::remove_all(dir);
}
