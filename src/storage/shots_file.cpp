#include "storage/shots_file.h"

#include "base/safe_file.h"
#include "picture/picture_format.h"
#include "storage/byte_stream.h"

#include <cstring>

namespace vantora {
namespace {

// The smallest record that can follow per counted unit, so that a count larger than the rest of
// the file can hold is refused before anything is allocated for it.
constexpr std::size_t kShotHeaderBytes = 8;     // JPEG length + event count
constexpr std::size_t kEventBytes = 10 * 4 + 4; // ten integers + text length
constexpr int kEventIntegers = 10;

std::string shotContext(std::size_t index) { return "shot " + std::to_string(index + 1); }

// A count in 0 .. cap that the remaining bytes can hold at `unitBytes` per unit.
bool readBoundedCount(ByteReader& in, std::int32_t cap, std::size_t unitBytes, std::int32_t& count,
                      std::string& error, const std::string& what) {
    std::int32_t value = 0;
    if (!in.readInt32(value)) {
        error = "the file ends inside " + what;
        return false;
    }
    if (value < 0 || value > cap) {
        error = what + " is " + std::to_string(value) + ", outside 0 to " + std::to_string(cap);
        return false;
    }
    if (static_cast<std::size_t>(value) > in.remaining() / unitBytes) {
        error = what + " is " + std::to_string(value) + ", more than the rest of the file holds";
        return false;
    }
    count = value;
    return true;
}

bool readEvent(ByteReader& in, TShotEvent& event, std::string& error, const std::string& where) {
    std::int32_t values[kEventIntegers] = {};
    for (std::int32_t& value : values)
        if (!in.readInt32(value)) {
            error = "the file ends inside " + where;
            return false;
        }
    event.Kind = values[0];
    event.Value = values[1];
    event.X = values[2];
    event.Y = values[3];
    for (std::size_t i = 0; i < event.Extra.size(); ++i)
        event.Extra[i] = values[4 + i];
    std::int32_t length = 0;
    if (!readBoundedCount(in, kMaxEventTextBytes, 1, length, error, "the text length of " + where))
        return false;
    std::span<const std::uint8_t> text;
    if (!in.readBytes(static_cast<std::size_t>(length), text)) {
        error = "the file ends inside the text of " + where;
        return false;
    }
    event.Text.assign(reinterpret_cast<const char*>(text.data()), text.size());
    return true;
}

bool readShot(ByteReader& in, TScreenShot& shot, std::size_t index, std::string& error) {
    const std::string where = shotContext(index);
    std::int32_t length = 0;
    if (!readBoundedCount(in, INT32_MAX, 1, length, error, "the picture length of " + where))
        return false;
    if (!in.readBytesInto(static_cast<std::size_t>(length), shot.Jpeg)) {
        error = "the file ends inside the picture of " + where;
        return false;
    }
    if (detectPictureFormat(shot.Jpeg) != PictureFormat::Jpeg) {
        error = "the picture of " + where + " is not a JPEG file";
        return false;
    }
    std::int32_t events = 0;
    if (!readBoundedCount(in, kMaxEventsPerShot, kEventBytes, events, error, "the event count of " + where))
        return false;
    shot.Events.resize(static_cast<std::size_t>(events));
    for (std::size_t e = 0; e < shot.Events.size(); ++e)
        if (!readEvent(in, shot.Events[e], error, "event " + std::to_string(e + 1) + " of " + where))
            return false;
    return true;
}

void writeShot(ByteWriter& out, const TScreenShot& shot) {
    out.writeInt32(static_cast<std::int32_t>(shot.Jpeg.size()));
    out.writeBytes(shot.Jpeg);
    out.writeInt32(static_cast<std::int32_t>(shot.Events.size()));
    for (const TShotEvent& event : shot.Events) {
        for (std::int32_t value : {event.Kind, event.Value, event.X, event.Y})
            out.writeInt32(value);
        for (std::int32_t value : event.Extra)
            out.writeInt32(value);
        out.writeInt32(static_cast<std::int32_t>(event.Text.size()));
        out.writeBytes({reinterpret_cast<const std::uint8_t*>(event.Text.data()), event.Text.size()});
    }
}

} // namespace

ShotsReadResult ParseShotsFile(std::span<const std::uint8_t> bytes) {
    ShotsReadResult result;
    ByteReader in(bytes);
    std::int32_t count = 0;
    if (!readBoundedCount(in, kMaxShots, kShotHeaderBytes, count, result.Error, "the shot count"))
        return result;
    result.Shots.reserve(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        TScreenShot shot;
        if (!readShot(in, shot, i, result.Error))
            return result;
        result.Shots.push_back(std::move(shot));
    }
    return result;
}

ShotsReadResult ReadShotsFile(const std::filesystem::path& file) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome outcome = ReadFileLimited(file, kMaxShotsFileBytes, bytes);
    if (!outcome.ok()) {
        ShotsReadResult failed;
        switch (outcome.status) {
        case FileReadOutcome::Status::TooLarge: failed.Error = "the shots file is larger than 1 GiB"; break;
        case FileReadOutcome::Status::OpenFailed:
            failed.Error = "the shots file cannot be opened: " + std::string(std::strerror(outcome.systemError));
            break;
        default:
            failed.Error = "the shots file cannot be read: " + std::string(std::strerror(outcome.systemError));
            break;
        }
        return failed;
    }
    return ParseShotsFile(bytes);
}

std::vector<std::uint8_t> ShotsFileBytes(std::span<const TScreenShot> shots) {
    ByteWriter out;
    out.writeInt32(static_cast<std::int32_t>(shots.size()));
    for (const TScreenShot& shot : shots)
        writeShot(out, shot);
    return out.take();
}

bool WriteShotsFile(const std::filesystem::path& file, std::span<const TScreenShot> shots, std::string& error) {
    const std::vector<std::uint8_t> bytes = ShotsFileBytes(shots);
    const FileWriteOutcome outcome = WriteFileSafely(file, bytes);
    if (outcome.ok())
        return true;
    error = "the shots file cannot be written: " + std::string(std::strerror(outcome.systemError));
    return false;
}

} // namespace vantora
