// Fuzz entry for the JPEG decoder, and for re-encoding strip by strip: whatever decodes whole must
// re-encode to exactly the bytes of encoding the whole decoded picture.

#include "picture/jpeg_codec.h"

#include "fuzz_limits.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto bytes = vantora::fuzz::inputBytes(data, size);
    const vantora::RgbaImage image = vantora::decodeJpeg(bytes, error, vantora::fuzz::pictureFuzzLimits());
    vantora::fuzz::checkResult(image, error);
    // Only pictures within the fuzzing limits are re-encoded: re-encoding itself holds a strip,
    // not the picture, but its time grows with the picture's claimed size.
    if (!image.empty() && vantora::reencodeJpeg(bytes, 90) != vantora::encodeJpeg(image, 90))
        __builtin_trap();
    return 0;
}
