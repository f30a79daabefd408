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

struct TDeflateWriter::State {
    z_stream z{};
    std::vector<uint8_t> buffer = std::vector<uint8_t>(256 * 1024);
};

TDeflateWriter::TDeflateWriter(std::ostream& destination, std::function<void(uint64_t)> progress)
    : state_(new State), out_(destination), progress_(std::move(progress)) {
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
        z.next_out = state_->buffer.data();
        z.avail_out = uInt(state_->buffer.size());
        {
            DeflateTimer timer;
            rc = deflate(&z, flush);
        }
        if (rc == Z_STREAM_ERROR)
            throw Error(zlibMessage("compression", rc, z));
        const size_t produced = state_->buffer.size() - z.avail_out;
        out_.write(reinterpret_cast<const char*>(state_->buffer.data()), std::streamsize(produced));
        if (!out_)
            throw Error("writing compressed data failed");
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
