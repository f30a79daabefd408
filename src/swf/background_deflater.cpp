#include "swf/background_deflater.h"

#include "swf/deflate.h"
#include "swf/errors.h"

namespace swf {

TBackgroundDeflater::TBackgroundDeflater(TCompressedBlockSink sink) : sink_(std::move(sink)), worker_([this] { Run(); }) {}

void TBackgroundDeflater::HandOverBlocks(size_t upTo) {
    if (!sink_)
        return;
    for (; handedOver_ < upTo; ++handedOver_)
        sink_(output_.BlockAt(handedOver_));
}

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

TCompressedBlocks TBackgroundDeflater::Finish() {
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
        TDeflateWriter z(output_);
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
            // Every block but the last is full and final.
            if (output_.BlockCount() > 1)
                HandOverBlocks(output_.BlockCount() - 1);
        }
        z.Finish();
        HandOverBlocks(output_.BlockCount());
    } catch (...) {
        failure_ = std::current_exception();
    }
}

} // namespace swf
