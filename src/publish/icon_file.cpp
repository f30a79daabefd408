#include "publish/icon_file.h"

#include "base/safe_file.h"
#include "publish/byte_access.h"
#include "publish/resource_update_error.h"

#include <algorithm>

namespace vantora::publish {
namespace {

constexpr std::uint32_t kHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;

[[noreturn]] void invalid() { throw ResourceUpdateError("Icon file is invalid"); }

} // namespace

IconFile ParseIconFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderSize || (bytes[0] == 'M' && bytes[1] == 'Z'))
        invalid();
    IconFile icon;
    icon.reserved = *ReadU16(bytes, 0);
    icon.type = *ReadU16(bytes, 2);
    const std::uint16_t count = *ReadU16(bytes, 4);
    // An icon without images would leave the program with an empty icon group.
    if (count == 0 || !RangeInside(kHeaderSize, std::uint64_t{count} * kDirectoryEntrySize, bytes.size()))
        invalid();
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint32_t entry = kHeaderSize + i * kDirectoryEntrySize;
        const std::uint32_t size = *ReadU32(bytes, entry + 8);
        const std::uint32_t offset = *ReadU32(bytes, entry + 12);
        if (!RangeInside(offset, size, bytes.size()))
            invalid();
        IconImage image;
        std::copy_n(bytes.begin() + entry, image.entry.size(), image.entry.begin());
        image.bytes.assign(bytes.begin() + offset, bytes.begin() + offset + size);
        icon.images.push_back(std::move(image));
    }
    return icon;
}

IconFile ReadIconFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome read = ReadFileLimited(path, kMaxIconFileSize, bytes);
    if (read.status == FileReadOutcome::Status::TooLarge)
        throw ResourceUpdateError("Icon file is too large");
    if (!read.ok())
        throw ResourceUpdateError::FromSystem("Icon file cannot be read", read.systemError);
    return ParseIconFile(bytes);
}

} // namespace vantora::publish
