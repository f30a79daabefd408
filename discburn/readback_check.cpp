#include "discburn/readback_check.h"

#include <algorithm>
#include <string>
#include <vector>

namespace discora {

namespace {

// 32 sectors: a read a drive answers quickly, so a stop request is heard soon.
constexpr std::size_t ReadBytes = 64 * 1024;

std::string mebibyteText(std::uint64_t offset) { return std::to_string(offset / BlockTally::PieceBytes); }

} // namespace

VerifyOutcome checkReadBack(const BlockTally& written, std::uint64_t startByte, const BlockReader& read,
                            VerifyControl& control) {
    std::vector<char> buffer(ReadBytes);
    BlockTally readBack;
    std::uint64_t offset = 0;
    while (offset < written.bytes()) {
        if (control.stopRequested())
            return VerifyOutcome::stopped();
        // Never across a piece's end, so each piece is compared as soon as it is complete.
        const std::uint64_t pieceEnd = (offset / BlockTally::PieceBytes + 1) * BlockTally::PieceBytes;
        const std::size_t size = static_cast<std::size_t>(
            std::min<std::uint64_t>({ReadBytes, written.bytes() - offset, pieceEnd - offset}));
        if (!read(startByte + offset, buffer.data(), size))
            return VerifyOutcome::mismatch("The disc could not be read back at byte " +
                                           std::to_string(offset) + " of the written data.");
        readBack.add(buffer.data(), size);
        offset += size;
        control.advance(size);
        if (offset == pieceEnd || offset == written.bytes()) {
            readBack.finish();
            const std::size_t piece = static_cast<std::size_t>((offset - 1) / BlockTally::PieceBytes);
            if (piece >= written.pieces().size() || readBack.pieces().back() != written.pieces()[piece])
                return VerifyOutcome::mismatch("The data read back from the disc differs from the data written "
                                               "in mebibyte " + mebibyteText(offset - 1) + ".");
        }
    }
    return VerifyOutcome::match();
}

} // namespace discora
