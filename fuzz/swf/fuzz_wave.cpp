// Fuzz entry for the WAV reader (RIFF walk, format chunk, MPEG audio inside a WAV container).

#include "swf/wave_reader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    swf::TMemorySoundSource source(data, size);
    const swf::TWaveInfo info = swf::TWaveReader::ReadWave(source);
    // The data found must lie inside the input.
    if (info.DataSize > 0 && (info.DataOffset > size || info.DataSize > size - info.DataOffset))
        std::abort();
    return 0;
}
