// Fuzz entry for the MP3 reader (ID3 tags, frame search, Xing header).

#include "swf/wave_reader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    swf::TMemorySoundSource source(data, size);
    const swf::TWaveInfo info = swf::TWaveReader::ReadMP3(source);
    if (info.DataSize > size || (info.SampleRate == 0 && info.SampleCount != 0))
        std::abort();
    return 0;
}
