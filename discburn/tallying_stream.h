#pragma once
// A stream that passes another one's bytes through unchanged and keeps a BlockTally of them, so
// that the bytes libburn took for the disc can be compared with what the disc gives back.

#include "discburn/block_tally.h"

#include <memory>
#include <mutex>

struct burn_source;

namespace discora {

// The tally is filled on libburn's writing thread and read on another, hence the lock.
class SharedTally {
public:
    void add(const void* data, std::size_t size);
    void endOfStream();
    // A copy of the tally so far, with its last piece closed.
    BlockTally snapshot() const;

private:
    mutable std::mutex mutex_;
    BlockTally tally_;
    bool ended_ = false;
};

// A new stream (one reference, the caller's; freeStream releases it) that reads from `inner`,
// holding a reference of its own to it, and sums everything it hands out into `tally`.
::burn_source* tallyingStream(::burn_source* inner, std::shared_ptr<SharedTally> tally);

} // namespace discora
