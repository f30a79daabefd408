#pragma once
// The value encoders every record is made of: text, font, picture, byte stream, animation channel
// and animation block, in the byte layouts of project, gallery and clipboard data. Each returns
// false on failure after noting it in `error`.

#include "model/animation_settings.h"
#include "model/object_font.h"
#include "picture/picture.h"
#include "storage/byte_stream.h"
#include "storage/record_error.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantora {

// Byte sizes of the fixed-size values.
constexpr std::size_t kChannelBytes = 7 * 4;
constexpr std::size_t kAnimationBlockBytes = 1 + 3 * 4 + kChannelCount * kChannelBytes; // 265

// Text: int32 length, then that many Windows-1252 bytes.
bool WriteText(ByteWriter& out, std::string_view text, RecordError& error);
bool ReadText(ByteReader& in, std::string& text, RecordError& error);

// Font: face (Text), int32 colour, int32 size in points, byte style bits.
bool WriteFont(ByteWriter& out, const TObjectFont& font, RecordError& error);
bool ReadFont(ByteReader& in, TObjectFont& font, RecordError& error);

// Picture: the format's class name (Text), then for a named format int32 size and the bytes.
bool WritePicture(ByteWriter& out, const Picture& picture, RecordError& error);
bool ReadPicture(ByteReader& in, Picture& picture, RecordError& error);

// Byte stream: int32 size, then the bytes. Failures count as failures of `owner`.
bool WriteByteStream(ByteWriter& out, const std::vector<std::uint8_t>& bytes, StorageErrorCode owner,
                     RecordError& error);
bool ReadByteStream(ByteReader& in, std::vector<std::uint8_t>& bytes, StorageErrorCode owner, RecordError& error);

// Channel: seven int32 in stored order.
bool WriteChannel(ByteWriter& out, const TAnimationChannel& channel, RecordError& error);
bool ReadChannel(ByteReader& in, TAnimationChannel& channel, RecordError& error);

// Animation block: StopWithScene byte, three int32, nine channels (265 bytes).
bool WriteAnimation(ByteWriter& out, const TAnimationSettings& settings, RecordError& error);
bool ReadAnimation(ByteReader& in, TAnimationSettings& settings, RecordError& error);

} // namespace vantora
