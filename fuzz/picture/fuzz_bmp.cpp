// Fuzz entry for the BMP decoder.

#include "picture/bmp_decoder.h"

#include "fuzz_limits.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const vantora::RgbaImage image = vantora::decodeBmp(vantora::fuzz::inputBytes(data, size), error, vantora::fuzz::pictureFuzzLimits());
    vantora::fuzz::checkResult(image, error);
    return 0;
}
