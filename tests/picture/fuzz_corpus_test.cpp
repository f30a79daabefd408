// Every input the fuzzers kept in fuzz/corpus, replayed through its decoder in the ordinary test
// build, so a decoder fault that fuzzing once found cannot come back unnoticed.

#include "picture/bmp_decoder.h"
#include "picture/gif_decoder.h"
#include "picture/ico_decoder.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"

#include "test_patterns.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace vantora::test {
namespace {

using Decoder = std::function<RgbaImage(std::span<const std::uint8_t>, std::string&, const DecodeLimits&)>;

struct CorpusCase {
    const char* folder;
    Decoder decode;
};

const CorpusCase kCorpora[] = {
    {"fuzz_picture_bmp", decodeBmp}, {"fuzz_picture_jpeg", decodeJpeg}, {"fuzz_picture_png", decodePng},
    {"fuzz_picture_gif", decodeGif}, {"fuzz_picture_ico", decodeIco},
};

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PictureFuzzCorpus, EveryKeptInputDecodesOrFailsWithAReason) {
    // The fuzz targets' own limits: the real side limit, far fewer pixels.
    DecodeLimits limits;
    limits.maxPixels = std::int64_t{1024} * 1024;
    std::size_t replayed = 0;
    for (const CorpusCase& corpus : kCorpora) {
        const std::filesystem::path folder = std::filesystem::path(VANTORA_FUZZ_CORPUS_DIR) / corpus.folder;
        if (!std::filesystem::is_directory(folder))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            SCOPED_TRACE(entry.path().string());
            std::string error;
            const RgbaImage image = corpus.decode(fileBytes(entry.path()), error, limits);
            if (image.empty())
                EXPECT_FALSE(error.empty());
            else
                EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0u) << "no corpus found under " << VANTORA_FUZZ_CORPUS_DIR;
}

} // namespace
} // namespace vantora::test
