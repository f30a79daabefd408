// Feeds arbitrary bytes to the shots-file reader; whatever it accepts must survive being written
// and read again unchanged.

#include "storage/shots_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vantora::ShotsReadResult read = vantora::ParseShotsFile({data, size});
    const std::vector<std::uint8_t> again = vantora::ShotsFileBytes(read.Shots);
    const vantora::ShotsReadResult reread = vantora::ParseShotsFile(again);
    if (!reread.complete() || reread.Shots != read.Shots)
        __builtin_trap();
    return 0;
}
