#pragma once
// Compares what a drive gives back with the tally of what it was sent, reading in bounded
// blocks, so a disc is verified without holding its image.

#include "discburn/block_tally.h"
#include "discburn/verify_control.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace discora {

// Reads `size` bytes at `byteAddress` into `data`; false when they cannot all be read.
using BlockReader = std::function<bool(std::uint64_t byteAddress, char* data, std::size_t size)>;

// Reads back written.bytes() bytes from `startByte` on and compares them piece by piece.
VerifyOutcome checkReadBack(const BlockTally& written, std::uint64_t startByte, const BlockReader& read,
                            VerifyControl& control);

} // namespace discora
