// Damaged projects and failing writes: clear errors, no huge allocations, old files kept.

#include "file_size_limit.h"
#include "movie_test_support.h"

#include "movie/movie_limits.h"
#include "picture/png_codec.h"
#include "swf/movie.h"
#include "swf/shape.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdlib>

namespace vantora::test {
namespace {

class BuildGuards : public MovieTest {
protected:
    // A 16 x 16 demo of one scene whose screenshot becomes the work file t1.jpg.
    void AddSmallPictureScene() {
        demo_.Width = 16;
        demo_.Height = 16;
        RgbaImage picture;
        picture.width = picture.height = 4;
        picture.pixels.assign(16, 0xFF00FF00u);
        AddScene(1).BackImage.assign(PictureFormat::Png, encodePng(picture));
    }
};

TEST_F(BuildGuards, AbsurdDemoSizeIsRefusedWithAClearMessage) {
    demo_.Width = 200000;
    AddScene(2);
    const auto file = home_.path() / "big.swf";
    const MovieBuildResult result = BuildMovieFile(demo_, file);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("200000 x 480"), std::string::npos) << result.message;
    EXPECT_FALSE(std::filesystem::exists(file));
    demo_.Width = 0;
    EXPECT_FALSE(BuildMovieFile(demo_, file).ok);
}

TEST_F(BuildGuards, MoreFramesThanAMovieHoldsIsRefusedBeforeBuilding) {
    AddScene(2'000'000'000);
    const auto start = std::chrono::steady_clock::now();
    const MovieBuildResult result = BuildMovieFile(demo_, home_.path() / "long.swf");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("65535"), std::string::npos) << result.message;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(BuildGuards, NegativeLengthSceneAddsNoFrames) {
    AddScene(-5);
    AddScene(2);
    EXPECT_EQ(Build().frameCount, 4);
}

TEST_F(BuildGuards, MissingSceneIsReported) {
    AddScene(2);
    const MovieBuildResult result = BuildMovieFile(demo_, home_.path() / "x.swf", MovieBuildOptions{4});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("no scene 5"), std::string::npos) << result.message;
}

TEST_F(BuildGuards, ExistingMovieIsReplacedOnSuccessAndKeptOnFailure) {
    AddScene(2);
    const auto file = home_.path() / "movie.swf";
    writeFileBytes(file, {'o', 'l', 'd'});
    ASSERT_TRUE(BuildMovieFile(demo_, file).ok);
    EXPECT_EQ(checkSwf(file).frameCount, 4);
    const auto built = readFileBytes(file);
    demo_.Height = -1;
    EXPECT_FALSE(BuildMovieFile(demo_, file).ok);
    EXPECT_EQ(readFileBytes(file), built);
}

TEST_F(BuildGuards, AFullDiskKeepsTheOldMovieAndSaysWhy) {
    AddScene(2);
    const auto file = home_.path() / "movie.swf";
    writeFileBytes(file, {'o', 'l', 'd'});
    MovieBuildResult result;
    {
        FileSizeLimit full(60);
        result = BuildMovieFile(demo_, file);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Cannot write " + file.string() + ": " + std::strerror(EFBIG));
    EXPECT_EQ(readFileBytes(file), (std::vector<unsigned char>{'o', 'l', 'd'}));
}

TEST_F(BuildGuards, ReplacedMovieKeepsItsPermissionsAndLeavesNoTemporaryFile) {
    AddScene(2);
    const auto file = home_.path() / "shared.swf";
    writeFileBytes(file, {'o', 'l', 'd'});
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    ASSERT_TRUE(BuildMovieFile(demo_, file).ok);
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all, std::filesystem::perms(0640));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(home_.path()))
        entries += entry.path().filename() != "Temp" ? 1 : 0;
    EXPECT_EQ(entries, 1) << "only the movie itself remains beside it";
}

TEST_F(BuildGuards, MissingFolderIsMadeButAnUnwritableTargetFailsWithThePath) {
    AddScene(2);
    ASSERT_TRUE(BuildMovieFile(demo_, home_.path() / "out" / "movie.swf").ok);
    EXPECT_EQ(checkSwf(home_.path() / "out" / "movie.swf").frameCount, 4);
    writeFileBytes(home_.path() / "plain-file", {'x'});
    const auto file = home_.path() / "plain-file" / "movie.swf";
    const MovieBuildResult result = BuildMovieFile(demo_, file);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("plain-file"), std::string::npos) << result.message;
    EXPECT_FALSE(BuildAndSaveWholeDemo(demo_, home_.path() / "elsewhere" / "movie.swf").ok)
        << "the editor's callers name existing folders only";
}

TEST_F(BuildGuards, ProgressCountsScenesUnderTheCreateMovieLabel) {
    AddScene(1);
    AddScene(1);
    AddScene(1);
    std::vector<std::string> events;
    ProgressObserver observer;
    observer.open = [&](std::string_view label, int maximum) { events.push_back(std::string(label) + " 0.." + std::to_string(maximum)); };
    observer.advance = [&](int position) { events.push_back(std::to_string(position)); };
    observer.close = [&] { events.push_back("close"); };
    ASSERT_TRUE(BuildMovieFile(demo_, home_.path() / "p.swf", {}, &observer).ok);
    EXPECT_EQ(events, (std::vector<std::string>{"Create Movie 0..3", "1", "2", "3", "close"}));
}

TEST_F(BuildGuards, CharacterIdsRunningOutIsAnErrorNotAWrap) {
    swf::TFlashMovie movie(0, 0, 20, 20, 20, true);
    for (int i = 1; i <= 65535; ++i)
        ASSERT_NO_THROW(CheckedCharacter(movie.AddShape())) << i;
    EXPECT_THROW(CheckedCharacter(movie.AddShape()), MovieBuildError);
}

TEST_F(BuildGuards, UnusableWorkFolderIsReported) {
    AddScene(1);
    writeFileBytes(home_.path() / "not-a-folder", {'x'});
    const std::string home = home_.path().string();
    setenv("VANTORA_HOME", (home_.path() / "not-a-folder").c_str(), 1);
    const MovieBuildResult result = BuildMovieFile(demo_, home_.path() / "w.swf");
    setenv("VANTORA_HOME", home.c_str(), 1);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("work folder"), std::string::npos) << result.message;
    EXPECT_FALSE(std::filesystem::exists(home_.path() / "w.swf"));
}

TEST_F(BuildGuards, WorkFilesStartAgainAtOneInEveryBuild) {
    AddSmallPictureScene();
    ASSERT_TRUE(BuildMovieFile(demo_, home_.path() / "a.swf").ok);
    ASSERT_TRUE(BuildMovieFile(demo_, home_.path() / "b.swf").ok);
    EXPECT_TRUE(std::filesystem::exists(home_.path() / "Temp" / "t1.jpg"));
    EXPECT_FALSE(std::filesystem::exists(home_.path() / "Temp" / "t2.jpg"));
}

TEST_F(BuildGuards, AWorkFileNameTakenByALinkLeavesTheLinkedFileAlone) {
    AddSmallPictureScene();
    const auto precious = home_.path() / "precious.txt";
    writeFileBytes(precious, {'k', 'e', 'e', 'p'});
    std::filesystem::create_directories(home_.path() / "Temp");
    std::filesystem::create_symlink(precious, home_.path() / "Temp" / "t1.jpg");
    ASSERT_TRUE(BuildMovieFile(demo_, home_.path() / "a.swf").ok);
    EXPECT_EQ(readFileBytes(precious), (std::vector<unsigned char>{'k', 'e', 'e', 'p'}));
    EXPECT_FALSE(std::filesystem::is_symlink(home_.path() / "Temp" / "t1.jpg"));
    EXPECT_GT(std::filesystem::file_size(home_.path() / "Temp" / "t1.jpg"), 100u);
}

} // namespace
} // namespace vantora::test
