#include "discburn/tallying_stream.h"

#include "discburn/burning_stack.h"

#include <cstdlib>
#include <memory>
#include <new>

namespace discora {

using burn::burn_source;

void SharedTally::add(const void* data, std::size_t size) {
    const std::lock_guard lock(mutex_);
    if (!ended_)
        tally_.add(data, size);
}

void SharedTally::endOfStream() {
    const std::lock_guard lock(mutex_);
    ended_ = true;
}

BlockTally SharedTally::snapshot() const {
    const std::lock_guard lock(mutex_);
    BlockTally copy = tally_;
    copy.finish();
    return copy;
}

namespace {

struct Passage {
    burn_source* inner = nullptr;
    std::shared_ptr<SharedTally> tally;
};

Passage& passageOf(burn_source* source) { return *static_cast<Passage*>(source->data); }

int readThrough(burn_source* source, unsigned char* buffer, int size) {
    Passage& passage = passageOf(source);
    burn_source* inner = passage.inner;
    const int count = inner->read ? inner->read(inner, buffer, size) : inner->read_xt(inner, buffer, size);
    if (count > 0)
        passage.tally->add(buffer, static_cast<std::size_t>(count));
    else if (count == 0)
        passage.tally->endOfStream();
    return count;
}

off_t sizeOfInner(burn_source* source) {
    burn_source* inner = passageOf(source).inner;
    return inner->get_size(inner);
}

int setSizeOfInner(burn_source* source, off_t size) {
    burn_source* inner = passageOf(source).inner;
    return inner->set_size ? inner->set_size(inner, size) : 0;
}

int cancelInner(burn_source* source) {
    burn_source* inner = passageOf(source).inner;
    if (inner->read == nullptr && inner->version >= 1 && inner->cancel)
        return inner->cancel(inner);
    return 1;
}

void freePassage(burn_source* source) {
    Passage* passage = &passageOf(source);
    burn::burn_source_free(passage->inner);
    delete passage;
}

} // namespace

::burn_source* tallyingStream(::burn_source* inner, std::shared_ptr<SharedTally> tally) {
    if (!inner || !tally)
        return nullptr;
    auto passage = std::make_unique<Passage>(Passage{streamForBurn(inner), std::move(tally)});
    // burn_source_free gives the structure back with free().
    auto* source = static_cast<burn_source*>(std::calloc(1, sizeof(burn_source)));
    if (!source)
        throw std::bad_alloc();
    ++passage->inner->refcount;
    source->refcount = 1;
    source->read = nullptr;
    source->get_size = sizeOfInner;
    source->set_size = setSizeOfInner;
    source->free_data = freePassage;
    source->data = passage.release();
    source->version = 1;
    source->read_xt = readThrough;
    source->cancel = cancelInner;
    return reinterpret_cast<::burn_source*>(source);
}

} // namespace discora
