#include "storage/value_codec.h"

#include "picture/picture_format.h"
#include "base/windows1252.h"

#include <limits>

namespace vantora {
namespace {

constexpr std::size_t kMaxStoredSize = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

// Writes an int32 size and the bytes; false when the size cannot be stored.
bool writeSized(ByteWriter& out, std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxStoredSize)
        return false;
    out.writeInt32(static_cast<std::int32_t>(bytes.size()));
    out.writeBytes(bytes);
    return true;
}

// Reads the int32 size of a block; distinguishes a missing size from one that is too big.
bool readSize(ByteReader& in, std::size_t& size, StorageErrorCode code, RecordError& error) {
    if (in.remaining() < 4)
        return error.fail(code, kDataEndsText);
    std::int32_t value = 0;
    if (!in.readCount(value))
        return error.fail(code, kBadLengthText);
    size = static_cast<std::size_t>(value);
    return true;
}

// Reads a sized block as a view, for values converted at once (texts).
bool readSized(ByteReader& in, std::span<const std::uint8_t>& bytes, StorageErrorCode code, RecordError& error) {
    std::size_t size = 0;
    return readSize(in, size, code, error) && (in.readBytes(size, bytes) || error.fail(code, kDataEndsText));
}

// Reads a sized block kept as its own copy (a picture, a sound) straight into `bytes`.
bool readSizedInto(ByteReader& in, std::vector<std::uint8_t>& bytes, StorageErrorCode code, RecordError& error) {
    std::size_t size = 0;
    return readSize(in, size, code, error) && (in.readBytesInto(size, bytes) || error.fail(code, kDataEndsText));
}

bool readInt(ByteReader& in, std::int32_t& value, StorageErrorCode code, RecordError& error) {
    return in.readInt32(value) || error.fail(code, kDataEndsText);
}

} // namespace

bool WriteText(ByteWriter& out, std::string_view text, RecordError& error) {
    return writeSized(out, Utf8ToAnsi(text)) || error.fail(StorageErrorCode::WriteText, kTooLargeText);
}

bool ReadText(ByteReader& in, std::string& text, RecordError& error) {
    std::span<const std::uint8_t> bytes;
    if (!readSized(in, bytes, StorageErrorCode::ReadText, error))
        return false;
    text = AnsiToUtf8(bytes);
    return true;
}

bool WriteFont(ByteWriter& out, const TObjectFont& font, RecordError& error) {
    if (!WriteText(out, font.Name, error))
        return false;
    out.writeInt32(static_cast<std::int32_t>(font.Color));
    out.writeInt32(font.Size());
    out.writeByte(font.StyleBits());
    return true;
}

bool ReadFont(ByteReader& in, TObjectFont& font, RecordError& error) {
    std::string face;
    std::int32_t colour = 0;
    std::int32_t size = 0;
    std::uint8_t style = 0;
    if (!ReadText(in, face, error))
        return false;
    if (!in.readInt32(colour) || !in.readInt32(size) || !in.readByte(style))
        return error.fail(StorageErrorCode::ReadFont, kDataEndsText);
    font.Name = std::move(face);
    font.Color = static_cast<TColor>(colour);
    font.SetSize(size);
    font.SetStyleBits(style);
    return true;
}

bool WritePicture(ByteWriter& out, const Picture& picture, RecordError& error) {
    if (picture.empty())
        return WriteText(out, "", error);
    if (!WriteText(out, pictureClassName(picture.format()), error))
        return false;
    return writeSized(out, picture.bytes()) || error.fail(StorageErrorCode::WritePicture, kTooLargeText);
}

bool ReadPicture(ByteReader& in, Picture& picture, RecordError& error) {
    std::string className;
    if (!ReadText(in, className, error))
        return false;
    const std::optional<PictureFormat> format = pictureFormatFromClassName(className);
    if (!format)
        return error.fail(StorageErrorCode::ReadPicture, "Unknown picture format \"" + className + "\".");
    if (*format == PictureFormat::Empty) {
        picture.clear();
        return true;
    }
    std::vector<std::uint8_t> bytes;
    if (!readSizedInto(in, bytes, StorageErrorCode::ReadPicture, error))
        return false;
    // The bytes must be what the name says: an image that does not start like its format would
    // fail to load itself.
    if (!bytes.empty() && detectPictureFormat(bytes) != *format)
        return error.fail(StorageErrorCode::ReadPicture,
                          "The stored picture is not a valid " + std::string(pictureFormatName(*format)) + " image.");
    picture.assign(*format, std::move(bytes));
    return true;
}

bool WriteByteStream(ByteWriter& out, const std::vector<std::uint8_t>& bytes, StorageErrorCode owner,
                     RecordError& error) {
    return writeSized(out, bytes) || error.fail(owner, kTooLargeText);
}

bool ReadByteStream(ByteReader& in, std::vector<std::uint8_t>& bytes, StorageErrorCode owner, RecordError& error) {
    return readSizedInto(in, bytes, owner, error);
}

bool WriteChannel(ByteWriter& out, const TAnimationChannel& channel, RecordError&) {
    for (std::int32_t value : {channel.AnimationType, channel.InFromValue, channel.InSteps, channel.ChangeSpeed,
                               channel.OutToValue, channel.OutSteps, channel.OutChangeSpeed})
        out.writeInt32(value);
    return true;
}

bool ReadChannel(ByteReader& in, TAnimationChannel& channel, RecordError& error) {
    constexpr StorageErrorCode code = StorageErrorCode::ReadChannel;
    return readInt(in, channel.AnimationType, code, error) && readInt(in, channel.InFromValue, code, error) &&
           readInt(in, channel.InSteps, code, error) && readInt(in, channel.ChangeSpeed, code, error) &&
           readInt(in, channel.OutToValue, code, error) && readInt(in, channel.OutSteps, code, error) &&
           readInt(in, channel.OutChangeSpeed, code, error);
}

bool WriteAnimation(ByteWriter& out, const TAnimationSettings& settings, RecordError& error) {
    out.writeBool(settings.StopWithScene);
    out.writeInt32(settings.ObjectCenter);
    out.writeInt32(settings.CustomCenterX);
    out.writeInt32(settings.CustomCenterY);
    for (auto channel : kStoredChannelOrder)
        if (!WriteChannel(out, settings.*channel, error))
            return false;
    return true;
}

bool ReadAnimation(ByteReader& in, TAnimationSettings& settings, RecordError& error) {
    constexpr StorageErrorCode code = StorageErrorCode::ReadAnimation;
    if (!in.readBool(settings.StopWithScene))
        return error.fail(code, kDataEndsText);
    if (!readInt(in, settings.ObjectCenter, code, error) || !readInt(in, settings.CustomCenterX, code, error) ||
        !readInt(in, settings.CustomCenterY, code, error))
        return false;
    for (auto channel : kStoredChannelOrder)
        if (!ReadChannel(in, settings.*channel, error))
            return false;
    return true;
}

} // namespace vantora
