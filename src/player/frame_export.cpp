#include "player/frame_export.h"

#include "base/safe_file.h"
#include "player/flash_player.h"

#include <QBuffer>
#include <QByteArray>

#include <QImage>
#include <QString>

#include <algorithm>
#include <charconv>
#include <set>

namespace player {

namespace {

std::optional<int> Number(std::string_view text) {
    int value = 0;
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<int>> ParseFrameList(const std::string& text, size_t maxFrames) {
    std::set<int> frames;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item(text.data() + start, comma - start);
        const size_t dash = item.find('-');
        if (dash == std::string_view::npos) {
            const auto n = Number(item);
            if (!n)
                return std::nullopt;
            frames.insert(*n);
        } else {
            const auto from = Number(item.substr(0, dash));
            const auto to = Number(item.substr(dash + 1));
            if (!from || !to || *to < *from || size_t(*to - *from) >= maxFrames)
                return std::nullopt;
            for (int f = *from; f <= *to; ++f)
                frames.insert(f);
        }
        if (frames.size() > maxFrames)
            return std::nullopt;
        start = comma + 1;
    }
    return std::vector<int>(frames.begin(), frames.end());
}

std::optional<StageClick> ParseStageClick(const std::string& text) {
    const size_t colon = text.find(':');
    const size_t at = text.find('@');
    if (colon == std::string::npos || at == std::string::npos || at < colon)
        return std::nullopt;
    const auto x = Number(std::string_view(text).substr(0, colon));
    const auto y = Number(std::string_view(text).substr(colon + 1, at - colon - 1));
    const auto frame = Number(std::string_view(text).substr(at + 1));
    if (!x || !y || !frame)
        return std::nullopt;
    return StageClick{*x, *y, *frame};
}

FrameExportResult ExportFrames(std::span<const uint8_t> movie, const std::vector<int>& frames,
                               const std::vector<StageClick>& clicks, const std::filesystem::path& folder) {
    FrameExportResult result;
    FlashPlayer player;
    if (!player.Load(movie, &result.error))
        return result;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder)) {
        result.error = "cannot create the folder " + folder.string();
        return result;
    }
    const int last = frames.empty() ? 0 : frames.back();
    size_t next = 0;
    for (int tick = 0; tick <= last; ++tick) {
        if (tick > 0)
            player.Tick();
        if (next < frames.size() && frames[next] == tick) {
            const auto path = folder / ("frame-" + std::to_string(tick) + ".png");
            const QImage image = player.RenderFrame().convertToFormat(QImage::Format_RGB32);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (!image.save(&buffer, "PNG") ||
                !vantora::WriteFileSafely(path, std::span(reinterpret_cast<const uint8_t*>(png.constData()), size_t(png.size())))
                     .ok()) {
                result.error = "cannot write " + path.string();
                return result;
            }
            result.written.push_back(path);
            ++next;
        }
        for (const StageClick& click : clicks)
            if (click.afterFrame == tick)
                player.Click(QPointF(click.x + 0.5, click.y + 0.5));
    }
    result.ok = true;
    return result;
}

} // namespace player
