#include "swf/deflate.h"

#include "swf/errors.h"

#include <atomic>
#include <zlib.h>

namespace swf {

namespace {

std::atomic<int64_t> deflateNanos{0};

// Adds the time of one zlib call to the process total.
class DeflateTimer {
public:
    DeflateTimer() : start_(std::chrono::steady_clock::now()) {}
    ~DeflateTimer() {
        deflateNanos += std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

std::string zlibMessage(const char* what, int code, const z_stream& z) {
    return std::string("zlib ") + what + " failed (" + std::to_string(code) + (z.msg ? std::string(": ") + z.msg : std::string()) + ")";
}

} // namespace

std::chrono::nanoseconds DeflateTime() { return std::chrono::nanoseconds(deflateNanos.load()); }
void ResetDeflateTime() { deflateNanos = 0; }

std::vector<uint8_t> Deflate(const uint8_t* data, size_t size) {
    DeflateTimer timer;
    z_stream z{};
    int rc = deflateInit(&z, Z_DEFAULT_COMPRESSION);
    if (rc != Z_OK)
        throw Error(zlibMessage("initialisation", rc, z));
    std::vector<uint8_t> out(deflateBound(&z, uLong(size)));
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = uInt(size);
    z.next_out = out.data();
    z.avail_out = uInt(out.size());
    rc = deflate(&z, Z_FINISH);
    const size_t produced = out.size() - z.avail_out;
    deflateEnd(&z);
    if (rc != Z_STREAM_END)
        throw Error(zlibMessage("compression", rc, z));
    out.resize(produced);
    return out;
}

void TCompressedBlocks::WriteTo(std::ostream& destination) const {
    for (const Block& block : blocks_)
        destination.write(reinterpret_cast<const char*>(block.data.get()), std::streamsize(block.used));
}

std::vector<uint8_t> TCompressedBlocks::Joined() const {
    std::vector<uint8_t> bytes;
    bytes.reserve(size_);
    for (const Block& block : blocks_)
        bytes.insert(bytes.end(), block.data.get(), block.data.get() + block.used);
    return bytes;
}

uint8_t* TCompressedBlocks::Room(size_t& room) {
    if (blocks_.empty() || blocks_.back().used == kBlockSize)
        blocks_.push_back({std::unique_ptr<uint8_t[]>(new uint8_t[kBlockSize]), 0});
    Block& last = blocks_.back();
    room = kBlockSize - last.used;
    return last.data.get() + last.used;
}

void TCompressedBlocks::Grow(size_t n) {
    blocks_.back().used += n;
    size_ += n;
}

struct TDeflateWriter::State {
    z_stream z{};
    std::vector<uint8_t> buffer; // for a stream destination only
};

TDeflateWriter::TDeflateWriter(std::ostream& destination, std::function<void(uint64_t)> progress)
    : TDeflateWriter(&destination, nullptr, std::move(progress)) {
    state_->buffer.resize(256 * 1024);
}

TDeflateWriter::TDeflateWriter(TCompressedBlocks& destination) : TDeflateWriter(nullptr, &destination, {}) {}

TDeflateWriter::TDeflateWriter(std::ostream* stream, TCompressedBlocks* blocks, std::function<void(uint64_t)> progress)
    : state_(new State), out_(stream), blocks_(blocks), progress_(std::move(progress)) {
    const int rc = deflateInit(&state_->z, Z_DEFAULT_COMPRESSION);
    if (rc != Z_OK) {
        delete state_;
        throw Error("zlib initialisation failed (" + std::to_string(rc) + ")");
    }
}

TDeflateWriter::~TDeflateWriter() {
    deflateEnd(&state_->z);
    delete state_;
}

void TDeflateWriter::Pump(int flush) {
    z_stream& z = state_->z;
    int rc;
    do {
        size_t room = state_->buffer.size();
        z.next_out = blocks_ != nullptr ? blocks_->Room(room) : state_->buffer.data();
        z.avail_out = uInt(room);
        {
            DeflateTimer timer;
            rc = deflate(&z, flush);
        }
        if (rc == Z_STREAM_ERROR)
            throw Error(zlibMessage("compression", rc, z));
        const size_t produced = room - z.avail_out;
        if (blocks_ != nullptr) {
            blocks_->Grow(produced);
        } else {
            out_->write(reinterpret_cast<const char*>(state_->buffer.data()), std::streamsize(produced));
            if (!*out_)
                throw Error("writing compressed data failed");
        }
        if (progress_ && produced > 0)
            progress_(z.total_in);
    } while (z.avail_out == 0 || (flush == Z_FINISH && rc != Z_STREAM_END));
}

void TDeflateWriter::Write(const uint8_t* data, size_t size) {
    z_stream& z = state_->z;
    while (size > 0) {
        const size_t piece = std::min<size_t>(size, 1u << 30);
        z.next_in = const_cast<Bytef*>(data);
        z.avail_in = uInt(piece);
        Pump(Z_NO_FLUSH);
        data += piece;
        size -= piece;
    }
}

void TDeflateWriter::Finish() {
    if (finished_)
        return;
    state_->z.next_in = nullptr;
    state_->z.avail_in = 0;
    Pump(Z_FINISH);
    finished_ = true;
}

} // namespace swf
