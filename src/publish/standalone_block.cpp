#include "publish/standalone_block.h"

#include "base/windows1252.h"
#include "publish/byte_access.h"

namespace vantora::publish {
namespace {

constexpr std::uint32_t kFixedFields = 24;
constexpr std::uint32_t kTrailer = 8;

} // namespace

std::vector<std::uint8_t> StandaloneBlock(const StandaloneWindow& window, std::span<const std::uint8_t> movie,
                                          std::uint32_t playerSize) {
    const std::vector<std::uint8_t> title = Utf8ToAnsi(window.title);
    std::vector<std::uint8_t> block;
    block.reserve(kFixedFields + title.size() + movie.size() + kTrailer);
    AppendU32(block, window.backColor);
    AppendU32(block, static_cast<std::uint32_t>(window.style));
    AppendU32(block, static_cast<std::uint32_t>(window.exitKey));
    AppendU32(block, static_cast<std::uint32_t>(window.width));
    AppendU32(block, static_cast<std::uint32_t>(window.height));
    AppendU32(block, static_cast<std::uint32_t>(title.size()));
    block.insert(block.end(), title.begin(), title.end());
    block.insert(block.end(), movie.begin(), movie.end());
    AppendU32(block, kStandaloneMarker);
    AppendU32(block, playerSize);
    return block;
}

std::optional<StandaloneContent> ReadStandaloneBlock(std::span<const std::uint8_t> file) {
    if (file.size() < kFixedFields + kTrailer)
        return std::nullopt;
    const std::uint64_t trailer = file.size() - kTrailer;
    if (*ReadU32(file, trailer) != kStandaloneMarker)
        return std::nullopt;
    const std::uint64_t start = *ReadU32(file, trailer + 4);
    if (!RangeInside(start, kFixedFields, trailer))
        return std::nullopt;
    const std::uint32_t titleLength = *ReadU32(file, start + 20);
    if (!RangeInside(start + kFixedFields, titleLength, trailer))
        return std::nullopt;
    StandaloneContent content;
    content.playerSize = static_cast<std::uint32_t>(start);
    StandaloneWindow& window = content.window;
    window.backColor = *ReadU32(file, start);
    window.style = static_cast<std::int32_t>(*ReadU32(file, start + 4));
    window.exitKey = static_cast<std::int32_t>(*ReadU32(file, start + 8));
    window.width = static_cast<std::int32_t>(*ReadU32(file, start + 12));
    window.height = static_cast<std::int32_t>(*ReadU32(file, start + 16));
    const std::uint64_t titleStart = start + kFixedFields;
    window.title = AnsiToUtf8(file.subspan(titleStart, titleLength));
    const std::uint64_t movieStart = titleStart + titleLength;
    content.movie = file.subspan(movieStart, trailer - movieStart);
    return content;
}

} // namespace vantora::publish
