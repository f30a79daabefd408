#pragma once
// A running account of a byte stream: its length and an MD5 digest of every whole mebibyte (and
// of the last, shorter piece). Kept while an image is written so that the data read back later
// can be compared piece by piece without holding the image; 16 bytes per mebibyte are kept.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace discora {

class BlockTally {
public:
    static constexpr std::size_t PieceBytes = 1024 * 1024;
    using Digest = std::array<char, 16>;

    BlockTally();
    ~BlockTally();
    BlockTally(const BlockTally& other);
    BlockTally& operator=(const BlockTally& other);

    void add(const void* data, std::size_t size);
    // Closes the last, shorter piece: called once, when the stream has ended.
    void finish();

    std::uint64_t bytes() const { return bytes_; }
    // The digests of the pieces, in order; complete only after finish().
    const std::vector<Digest>& pieces() const { return pieces_; }

private:
    void closePiece();

    std::uint64_t bytes_ = 0;
    std::size_t inPiece_ = 0; // bytes of the piece being summed
    void* context_ = nullptr; // libisofs MD5 state of that piece
    std::vector<Digest> pieces_;
};

// The digest of one piece of bytes, as BlockTally sums it.
BlockTally::Digest digestOf(const void* data, std::size_t size);

} // namespace discora
