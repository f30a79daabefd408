// Reading a written image as a file system and comparing it with the folder it was laid out
// from: what matches, and each way it can differ.
#include "discburn/burning_stack.h"
#include "discburn/image_tree_check.h"
#include "discburn/iso_layout.h"

#include "image_readback.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace discora {
namespace {

namespace fs = std::filesystem;
using namespace discora::test;

class ImageTree : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(source); }

    // Lays the folder out as the burner does (folders and files at the root) and writes the image.
    void writeImage() {
        for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_directory())
                ASSERT_TRUE(layout.addFolder(entry.path().string(), name)) << name;
            else
                ASSERT_TRUE(layout.addFile(entry.path().string(), name)) << name;
        }
        ::burn_source* stream = layout.openStream(false);
        ASSERT_NE(stream, nullptr);
        burn::burn_source* source = streamForBurn(stream);
        std::ofstream out(image, std::ios::binary);
        unsigned char sector[2048];
        int count = 0;
        while ((count = source->read ? source->read(source, sector, sizeof sector)
                                     : source->read_xt(source, sector, sizeof sector)) > 0)
            out.write(reinterpret_cast<const char*>(sector), count);
        freeStream(stream);
    }

    VerifyOutcome check() {
        VerifyControl control;
        return checkImageTree(image.string(), layout.entries(), control);
    }

    // Expects a mismatch whose text holds `words`.
    void expectMismatch(const std::string& words) {
        const VerifyOutcome outcome = check();
        EXPECT_EQ(outcome.result, VerifyOutcome::Result::Mismatch);
        EXPECT_NE(outcome.problem.find(words), std::string::npos) << outcome.problem;
    }

    vantora::test::TempDir dir;
    fs::path source = dir / "folder";
    fs::path image = dir / "image.iso";
    IsoLayout layout;
};

TEST_F(ImageTree, AFaithfulImageMatchesItsFolder) {
    writeText(source / "autorun.inf", "[autorun]\r\n");
    writeText(source / "empty.txt", "");
    writeText(source / ".hidden", "dot files go too");
    writeText(source / "movies" / "intro.swf", std::string(300000, 's'));
    writeText(source / "movies" / "AutoRunSource" / "kept.txt", "below the top it is an ordinary name");
    fs::create_directories(source / "movies" / "nothing inside");
    fs::create_directories(source / "empty folder");
    writeImage();
    EXPECT_TRUE(check().matches()) << check().problem;
}

TEST_F(ImageTree, NamesAsLongAsTheFileSystemAllowsAndDeepFoldersMatch) {
    const std::string longest(255, 'L'); // the longest name a folder on disk can hold
    writeText(source / "names" / longest, "the longest name");
    writeText(source / "names" / (std::string(200, 'u') + " Ünïcödé.txt"), "utf-8");
    fs::path deep = source / "deep";
    for (int level = 1; level <= 12; ++level) // deeper than plain ISO 9660 allows
        deep /= "level " + std::to_string(level);
    writeText(deep / "bottom.txt", "twelve levels down");
    writeImage();
    EXPECT_TRUE(check().matches()) << check().problem;
}

TEST_F(ImageTree, AnEmptyLayoutIsAnEmptyImage) {
    writeImage();
    EXPECT_TRUE(check().matches()) << check().problem;
    writeText(source / "late.txt", "added after the layout");
    EXPECT_TRUE(check().matches()); // not laid out, so not expected
}

TEST_F(ImageTree, LinksInsideFoldersAreComparedByTheirTarget) {
    writeText(source / "docs" / "real.txt", "real");
    fs::create_symlink("real.txt", source / "docs" / "link.txt");
    writeImage();
    ASSERT_TRUE(check().matches()) << check().problem;

    fs::remove(source / "docs" / "link.txt");
    fs::create_symlink("elsewhere.txt", source / "docs" / "link.txt");
    expectMismatch("\"docs/link.txt\" points elsewhere");
}

TEST_F(ImageTree, EachKindOfDifferenceIsNamed) {
    writeText(source / "top.txt", "top level file");
    writeText(source / "sub" / "a.txt", "first file");
    writeText(source / "sub" / "b.txt", "second file");
    writeText(source / "sub" / "inner" / "c.txt", "third file");
    writeImage();
    ASSERT_TRUE(check().matches()) << check().problem;

    writeText(source / "sub" / "a.txt", "first fiLe");
    expectMismatch("\"sub/a.txt\" differs from its source file at byte 8");
    writeText(source / "sub" / "a.txt", "first file");

    writeText(source / "sub" / "b.txt", "second file, longer now");
    expectMismatch("\"sub/b.txt\" holds 11 bytes in the written image but 23 in the source folder");
    writeText(source / "sub" / "b.txt", "second file");

    writeText(source / "sub" / "inner" / "new.txt", "new");
    expectMismatch("\"sub/inner/new.txt\" is missing from the written image");
    fs::remove(source / "sub" / "inner" / "new.txt");

    fs::remove(source / "sub" / "inner" / "c.txt");
    expectMismatch("\"sub/inner/c.txt\" is in the written image but not in the source folder");
    fs::create_directories(source / "sub" / "inner" / "c.txt");
    expectMismatch("\"sub/inner/c.txt\" is a file in the written image but a folder in the source folder");
    fs::remove(source / "sub" / "inner" / "c.txt");
    writeText(source / "sub" / "inner" / "c.txt", "third file");

    fs::remove(source / "top.txt");
    expectMismatch("\"top.txt\" is a file in the written image but missing in the source folder");
    writeText(source / "top.txt", "top level file");
    EXPECT_TRUE(check().matches()) << check().problem;
}

TEST_F(ImageTree, DamageInsideTheImageIsFound) {
    writeText(source / "data" / "marked.bin", std::string(5000, '.') + "UNIQUE-MARKER-4711" + std::string(5000, '.'));
    writeImage();
    ASSERT_TRUE(check().matches());
    ASSERT_TRUE(flipByteAfter(image, "UNIQUE-MARKER-4711"));
    expectMismatch("\"data/marked.bin\" differs from its source file at byte 5018");
}

TEST_F(ImageTree, WhatIsNoImageCannotBeRead) {
    writeText(source / "a.txt", "a");
    writeImage();
    writeText(image, std::string(64 * 1024, 'x'));
    expectMismatch("The written image cannot be read");
    fs::remove(image);
    expectMismatch("The written image cannot be opened");
}

TEST_F(ImageTree, AStopRequestEndsItWithoutAVerdict) {
    writeText(source / "sub" / "a.txt", "a");
    writeImage();
    VerifyControl control;
    control.requestStop();
    EXPECT_EQ(checkImageTree(image.string(), layout.entries(), control).result, VerifyOutcome::Result::Stopped);
}

} // namespace
} // namespace discora
