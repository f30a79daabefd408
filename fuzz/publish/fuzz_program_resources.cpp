// Fuzz entry for the program file readers and writers: the PE layout, the resource tree, version
// stamping and icon replacement on hostile program bytes. Every path either succeeds or raises
// the resource update error; a successful icon replacement must leave a program whose resources
// read back.

#include "publish/icon_file.h"
#include "publish/pe_layout.h"
#include "publish/program_icon.h"
#include "publish/resource_tree.h"
#include "publish/resource_update_error.h"
#include "publish/version_stamp.h"

#include <cstdint>
#include <span>
#include <vector>

namespace {

const vantora::publish::IconFile& smallIcon() {
    static const vantora::publish::IconFile icon = [] {
        vantora::publish::IconFile file;
        vantora::publish::IconImage image;
        image.entry = {16, 16, 0, 0, 1, 0, 32, 0, 8, 0, 0, 0};
        image.bytes.assign(8, 0x5A);
        file.images.push_back(image);
        return file;
    }();
    return icon;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantora::publish;
    const std::span<const std::uint8_t> input(data, size);
    const PeLayoutOutcome layout = ReadPeLayout(input);
    if (layout.layout) {
        const ResourceTreeOutcome tree = ReadResourceTree(input, *layout.layout);
        if (tree.root)
            (void)WriteResourceTree(*tree.root, layout.layout->ResourceSection().virtualAddress);
    }
    try {
        std::vector<std::uint8_t> program(data, data + size);
        VersionStamp stamp;
        stamp.companyName = PadWithSpaces("Fuzz", 100);
        StampVersionInProgram(program, stamp);
        if (program.size() != size)
            __builtin_trap(); // stamping never changes the file's size
    } catch (const ResourceUpdateError&) {
    }
    try {
        const std::vector<std::uint8_t> replaced = ReplaceIconInProgram(input, smallIcon());
        const PeLayoutOutcome again = ReadPeLayout(replaced);
        if (!again.layout || !ReadResourceTree(replaced, *again.layout).root)
            __builtin_trap();
    } catch (const ResourceUpdateError&) {
    }
    return 0;
}
