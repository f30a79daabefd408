// Feeds arbitrary bytes to the gallery object reader and to the clipboard block reader, which read
// the same object records.

#include "storage/clipboard_block.h"
#include "storage/gallery_file.h"
#include "storage/object_record.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantora::TDemoObject object;
    if (vantora::ParseGalleryObject({data, size}, object)) {
        vantora::ByteWriter out;
        vantora::RecordError error;
        if (!vantora::WriteObject(out, object, error))
            __builtin_trap();
        vantora::TDemoObject again;
        if (!vantora::ParseGalleryObject(out.bytes(), again))
            __builtin_trap();
    }
    const vantora::ClipboardContents contents = vantora::ReadClipboardBlock({data, size});
    (void)contents;
    return 0;
}
