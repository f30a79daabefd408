// Texts built from values: what the user reads in the lists, notices and error messages.
#include "discburn/texts.h"

#include <gtest/gtest.h>

namespace discora {
namespace {

TEST(DiscoraTexts, SpeedsAndSizesShowTwoDecimals) {
    EXPECT_EQ(speedText(4.0), "4.00x");
    EXPECT_EQ(speedText(7056 / 176.4), "40.00x");
    EXPECT_EQ(speedText(2.4), "2.40x");
    EXPECT_EQ(megabytesText(0), "0.00 MB");
    EXPECT_EQ(megabytesText(1048576), "1.00 MB");
    EXPECT_EQ(megabytesText(682098688), "650.50 MB");
    EXPECT_EQ(megabytesText(8ull * 1024 * 1024 * 1024 * 1024), "8388608.00 MB");
}

TEST(DiscoraTexts, NotEnoughSpaceNoticeHasTwoLines) {
    EXPECT_EQ(notEnoughSpaceText(3 * 1048576, 1048576 / 2),
              "This data image requires 3.00 MB of free space!\nFree space on the loaded disc is 0.50 MB.");
}

TEST(DiscoraTexts, FolderAndFileMessagesQuoteTheirPaths) {
    EXPECT_EQ(folderNotFoundText("/tmp/My Demo"), "Folder \"/tmp/My Demo\" not found!");
    EXPECT_EQ(folderPattern("/tmp/a"), "/tmp/a/*.*");
    EXPECT_EQ(folderPattern("/"), "/*.*");
    EXPECT_EQ(folderNotAddedText("/tmp/a/*.*"), "\"/tmp/a/*.*\" can not be added to the CD/DVD image!");
    EXPECT_EQ(fileNotAddedText("/tmp/a.txt"), "Can not add \"/tmp/a.txt\" to the image!");
}

TEST(DiscoraTexts, WriteErrorsAreWordedByTheirKind) {
    WriteErrorEvent error;
    error.code = 28;
    error.text = "No space left on device";
    error.kind = error_kind::OutputFile;
    EXPECT_EQ(writeErrorText(error), "Output File Error: (28) - No space left on device");
    error.kind = error_kind::SourceFile;
    EXPECT_EQ(writeErrorText(error), "Source File Error: (28) - No space left on device");
    error.kind = error_kind::System;
    EXPECT_EQ(writeErrorText(error), "System Error: (28) No space left on device");
    error.kind = error_kind::Other;
    EXPECT_EQ(writeErrorText(error), "Write Error: (28) No space left on device");
    error.kind = error_kind::Verify; // a mismatch has no code worth showing
    EXPECT_EQ(writeErrorText(error), "Verify Error: No space left on device");
    error.kind = error_kind::Drive;
    error.drive = {5, "Write error", "HL-DT-ST DVDRAM (/dev/sr0)", "FAILURE"};
    EXPECT_EQ(writeErrorText(error), "(HL-DT-ST DVDRAM (/dev/sr0)) - FAILURE\nDevice Error: (5)  Write error");
}

TEST(DiscoraTexts, FormatCharactersInMessagesAreNotInterpreted) {
    WriteErrorEvent error;
    error.kind = error_kind::Other;
    error.code = -1;
    error.text = "100% %s %n done";
    EXPECT_EQ(writeErrorText(error), "Write Error: (-1) 100% %s %n done");
}

TEST(DiscoraTexts, WarningsAndEraseErrors) {
    EXPECT_EQ(trackFileWarningText({3, "Cannot read file", "/tmp/a.bin"}),
              "File Warning(3): Cannot read file -- /tmp/a.bin");
    EXPECT_EQ(eraseErrorText({2, "Medium not present", "Writer (/dev/sr0)", "SORRY"}),
              "(Writer (/dev/sr0)) - SORRY\nDevice Error: (2) Medium not present");
}

} // namespace
} // namespace discora
