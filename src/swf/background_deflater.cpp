#include "swf/background_deflater.h"

#include "swf/deflate.h"
#include "swf/errors.h"

#include <sstream>

namespace swf {

TBackgroundDeflater::TBackgroundDeflater() : worker_([this] { Run(); }) {}

TBackgroundDeflater::~TBackgroundDeflater() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void TBackgroundDeflater::Write(std::vector<uint8_t> piece) {
    if (piece.empty())
        return;
    {
        std::lock_guard lock(mutex_);
        pieces_.push_back(std::move(piece));
    }
    wake_.notify_all();
}

std::vector<uint8_t> TBackgroundDeflater::Finish() {
    {
        std::lock_guard lock(mutex_);
        finishing_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
    if (failure_)
        std::rethrow_exception(failure_);
    return std::move(output_);
}

void TBackgroundDeflater::Run() {
    try {
        std::ostringstream out(std::ios::binary);
        TDeflateWriter z(out);
        for (;;) {
            std::vector<uint8_t> piece;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || finishing_ || !pieces_.empty(); });
                if (stopping_)
                    return;
                if (pieces_.empty()) // finishing, and nothing is left
                    break;
                piece = std::move(pieces_.front());
                pieces_.pop_front();
            }
            z.Write(piece.data(), piece.size());
        }
        z.Finish();
        const std::string bytes = std::move(out).str();
        output_.assign(bytes.begin(), bytes.end());
    } catch (...) {
        failure_ = std::current_exception();
    }
}

} // namespace swf
