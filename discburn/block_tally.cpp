#include "discburn/block_tally.h"

#include "discburn/burning_stack.h"

#include <algorithm>
#include <climits>
#include <new>

namespace discora {

namespace {

void* startDigest() {
    void* context = nullptr;
    if (iso_md5_start(&context) < 0 || !context)
        throw std::bad_alloc();
    return context;
}

void feed(void* context, const char* data, std::size_t size) {
    while (size > 0) {
        const int step = static_cast<int>(std::min<std::size_t>(size, INT_MAX));
        iso_md5_compute(context, const_cast<char*>(data), step);
        data += step;
        size -= static_cast<std::size_t>(step);
    }
}

BlockTally::Digest endDigest(void*& context) {
    BlockTally::Digest digest{};
    iso_md5_end(&context, digest.data());
    context = nullptr;
    return digest;
}

} // namespace

BlockTally::Digest digestOf(const void* data, std::size_t size) {
    void* context = startDigest();
    feed(context, static_cast<const char*>(data), size);
    return endDigest(context);
}

BlockTally::BlockTally() = default;

BlockTally::~BlockTally() {
    if (context_)
        endDigest(context_);
}

BlockTally::BlockTally(const BlockTally& other)
    : bytes_(other.bytes_), inPiece_(other.inPiece_), pieces_(other.pieces_) {
    if (other.context_ && iso_md5_clone(other.context_, &context_) < 0)
        throw std::bad_alloc();
}

BlockTally& BlockTally::operator=(const BlockTally& other) {
    if (this != &other) {
        BlockTally copy(other);
        std::swap(bytes_, copy.bytes_);
        std::swap(inPiece_, copy.inPiece_);
        std::swap(context_, copy.context_);
        std::swap(pieces_, copy.pieces_);
    }
    return *this;
}

void BlockTally::add(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        if (!context_)
            context_ = startDigest();
        const std::size_t step = std::min(size, PieceBytes - inPiece_);
        feed(context_, bytes, step);
        inPiece_ += step;
        bytes_ += step;
        bytes += step;
        size -= step;
        if (inPiece_ == PieceBytes)
            closePiece();
    }
}

void BlockTally::finish() {
    if (context_)
        closePiece();
}

void BlockTally::closePiece() {
    pieces_.push_back(endDigest(context_));
    inPiece_ = 0;
}

} // namespace discora
