// The stream libburn reads through: bytes pass unchanged, are summed, and references to the
// stream underneath are taken and given back exactly once.
#include "discburn/burning_stack.h"
#include "discburn/tallying_stream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace discora {
namespace {

using burn::burn_source;

// A stream of fixed bytes in libburn's old form (a read function), as an application makes one.
struct FixedBytes {
    std::string data;
    std::size_t at = 0;
    int* freed = nullptr;
    int* cancels = nullptr;
};

int readFixed(burn_source* source, unsigned char* buffer, int size) {
    auto* fixed = static_cast<FixedBytes*>(source->data);
    const std::size_t count = std::min(static_cast<std::size_t>(size), fixed->data.size() - fixed->at);
    std::memcpy(buffer, fixed->data.data() + fixed->at, count);
    fixed->at += count;
    return static_cast<int>(count);
}

off_t sizeOfFixed(burn_source* source) { return static_cast<off_t>(static_cast<FixedBytes*>(source->data)->data.size()); }
int setSizeOfFixed(burn_source*, off_t) { return 1; }
void freeFixed(burn_source* source) {
    auto* fixed = static_cast<FixedBytes*>(source->data);
    ++*fixed->freed;
    delete fixed;
}
int cancelFixed(burn_source* source) {
    ++*static_cast<FixedBytes*>(source->data)->cancels;
    return 1;
}

burn_source* fixedStream(const std::string& data, int& freed, int& cancels, bool newStyle) {
    auto* source = static_cast<burn_source*>(std::calloc(1, sizeof(burn_source)));
    source->refcount = 1;
    source->get_size = sizeOfFixed;
    source->set_size = setSizeOfFixed;
    source->free_data = freeFixed;
    source->data = new FixedBytes{data, 0, &freed, &cancels};
    if (newStyle) {
        source->version = 1;
        source->read_xt = readFixed;
        source->cancel = cancelFixed;
    } else {
        source->read = readFixed;
    }
    return source;
}

// Reads the stream as libburn does: one sector per call until the end.
std::string drain(burn_source* source) {
    std::string all;
    unsigned char sector[2048];
    for (;;) {
        const int count = source->read ? source->read(source, sector, 2048) : source->read_xt(source, sector, 2048);
        if (count <= 0)
            return all;
        all.append(reinterpret_cast<const char*>(sector), static_cast<std::size_t>(count));
    }
}

std::string patterned(std::size_t count) {
    std::string data(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        data[i] = static_cast<char>((i * 131 + i / 7) & 0xff);
    return data;
}

TEST(TallyingStream, PassesEveryByteOnAndSumsIt) {
    for (const bool newStyle : {false, true}) {
        SCOPED_TRACE(newStyle ? "read_xt" : "read");
        const std::string data = patterned(BlockTally::PieceBytes + 2048 * 3 + 100);
        int freed = 0;
        int cancels = 0;
        burn_source* inner = fixedStream(data, freed, cancels, newStyle);
        auto tally = std::make_shared<SharedTally>();
        auto* outer = streamForBurn(tallyingStream(reinterpret_cast<::burn_source*>(inner), tally));
        ASSERT_NE(outer, nullptr);
        EXPECT_EQ(outer->read, nullptr);
        EXPECT_EQ(outer->version, 1);
        EXPECT_EQ(outer->get_size(outer), static_cast<off_t>(data.size()));

        EXPECT_EQ(drain(outer), data);
        BlockTally expected;
        expected.add(data.data(), data.size());
        expected.finish();
        EXPECT_EQ(tally->snapshot().bytes(), data.size());
        EXPECT_EQ(tally->snapshot().pieces(), expected.pieces());

        burn::burn_source_free(inner); // the caller's own reference; the stream keeps its own
        EXPECT_EQ(freed, 0);
        burn::burn_source_free(outer);
        EXPECT_EQ(freed, 1);
    }
}

TEST(TallyingStream, ACancelReachesTheStreamUnderneath) {
    int freed = 0;
    int cancels = 0;
    burn_source* inner = fixedStream("abc", freed, cancels, true);
    auto* outer = streamForBurn(
        tallyingStream(reinterpret_cast<::burn_source*>(inner), std::make_shared<SharedTally>()));
    ASSERT_NE(outer->cancel, nullptr);
    outer->cancel(outer);
    EXPECT_EQ(cancels, 1);
    burn::burn_source_free(outer);
    burn::burn_source_free(inner);
    EXPECT_EQ(freed, 1);
}

} // namespace
} // namespace discora
