// Reading a disc back against the tally of what it was sent, through a fake drive held in memory:
// a faithful disc, a changed byte, unreadable blocks, a stop request, and the reads themselves.
#include "discburn/readback_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace discora {
namespace {

constexpr std::size_t MiB = BlockTally::PieceBytes;

std::string patterned(std::size_t count, unsigned salt) {
    std::string data(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        data[i] = static_cast<char>((i * 167 + salt + i / 4099) & 0xff);
    return data;
}

BlockTally tallyOf(const std::string& data) {
    BlockTally tally;
    tally.add(data.data(), data.size());
    tally.finish();
    return tally;
}

// A disc in memory. Every read is recorded; reads at or after `failFrom` fail.
struct FakeDisc {
    std::string media;
    std::uint64_t failFrom = UINT64_MAX;
    struct Read {
        std::uint64_t address;
        std::size_t size;
    };
    std::vector<Read> reads;

    BlockReader reader() {
        return [this](std::uint64_t address, char* data, std::size_t size) {
            reads.push_back({address, size});
            if (address + size > failFrom || address + size > media.size())
                return false;
            std::memcpy(data, media.data() + address, size);
            return true;
        };
    }
};

class ReadBack : public ::testing::Test {
protected:
    // The written data lies at `start` on a disc with other bytes before and after it.
    void burn(std::size_t bytes, std::uint64_t start = 0) {
        written = patterned(bytes, 3);
        this->start = start;
        disc.media = patterned(start, 9) + written + patterned(70000, 5);
        tally = tallyOf(written);
    }

    VerifyOutcome check() { return checkReadBack(tally, start, disc.reader(), control); }

    std::string written;
    std::uint64_t start = 0;
    FakeDisc disc;
    BlockTally tally;
    VerifyControl control;
};

TEST_F(ReadBack, AFaithfulDiscMatchesWhereverTheTrackBegins) {
    for (const std::uint64_t begin : {std::uint64_t{0}, std::uint64_t{2048 * 300}}) {
        for (const std::size_t bytes : {std::size_t{2048}, MiB, 2 * MiB + 2048 * 17}) {
            SCOPED_TRACE(std::to_string(begin) + " + " + std::to_string(bytes));
            burn(bytes, begin);
            VerifyControl fresh;
            fresh.setTotal(bytes);
            disc.reads.clear();
            EXPECT_TRUE(checkReadBack(tally, start, disc.reader(), fresh).matches());
            EXPECT_EQ(fresh.percent(), 100);
            ASSERT_FALSE(disc.reads.empty());
            EXPECT_EQ(disc.reads.front().address, begin);
        }
    }
}

TEST_F(ReadBack, ReadsStayWithinTheWrittenDataInBoundedBlocks) {
    burn(3 * MiB + 5000, 4096);
    ASSERT_TRUE(check().matches());
    std::uint64_t next = start;
    for (const FakeDisc::Read& read : disc.reads) {
        EXPECT_EQ(read.address, next); // in order, nothing skipped
        EXPECT_LE(read.size, 64u * 1024);
        EXPECT_GT(read.size, 0u);
        next = read.address + read.size;
    }
    EXPECT_EQ(next, start + written.size()); // and nothing read past the end
}

TEST_F(ReadBack, AChangedByteIsFoundInItsMebibyte) {
    struct Case {
        std::size_t at;
        const char* mebibyte;
    };
    for (const Case c : {Case{0, "mebibyte 0"}, Case{MiB - 1, "mebibyte 0"}, Case{MiB, "mebibyte 1"},
                         Case{2 * MiB + 2047, "mebibyte 2"}}) {
        SCOPED_TRACE(c.at);
        burn(2 * MiB + 2048, 2048);
        disc.media[start + c.at] = static_cast<char>(disc.media[start + c.at] ^ 0x40);
        const VerifyOutcome outcome = check();
        EXPECT_EQ(outcome.result, VerifyOutcome::Result::Mismatch);
        EXPECT_NE(outcome.problem.find("differs from the data written"), std::string::npos) << outcome.problem;
        EXPECT_NE(outcome.problem.find(c.mebibyte), std::string::npos) << outcome.problem;
    }
}

TEST_F(ReadBack, ChangesOutsideTheTrackDoNotCount) {
    burn(MiB, 8192);
    disc.media[0] ^= 1;
    disc.media[start + written.size() + 10] ^= 1;
    EXPECT_TRUE(check().matches());
}

TEST_F(ReadBack, ADiscThatCannotBeReadIsAMismatchNamingWhere) {
    burn(MiB + 100000, 0);
    disc.failFrom = MiB + 65536;
    const VerifyOutcome outcome = check();
    EXPECT_EQ(outcome.result, VerifyOutcome::Result::Mismatch);
    EXPECT_NE(outcome.problem.find("could not be read back at byte 1114112"), std::string::npos) << outcome.problem;

    // A disc shorter than what was written.
    burn(MiB, 0);
    disc.media.resize(MiB / 2);
    EXPECT_EQ(check().result, VerifyOutcome::Result::Mismatch);
}

TEST_F(ReadBack, AStopRequestEndsItWithoutAVerdict) {
    burn(2 * MiB, 0);
    control.requestStop();
    EXPECT_EQ(check().result, VerifyOutcome::Result::Stopped);
    EXPECT_TRUE(disc.reads.empty());
}

} // namespace
} // namespace discora
