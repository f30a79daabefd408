// Feeds arbitrary bytes to the project reader. Whatever it accepts must save and load again to the
// same bytes.

#include "storage/project_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantora::TVantora demo;
    if (!vantora::ParseProject({data, size}, demo))
        return 0;
    std::vector<std::uint8_t> saved;
    if (!vantora::SerializeProject(demo, saved))
        __builtin_trap();
    vantora::TVantora again;
    std::vector<std::uint8_t> savedAgain;
    if (!vantora::ParseProject(saved, again) || !vantora::SerializeProject(again, savedAgain) || savedAgain != saved)
        __builtin_trap();
    return 0;
}
