#include "base/helper_threads.h"

#include <atomic>
#include <thread>

namespace vantora {
namespace {

std::atomic<int> lentCores{0};

} // namespace

int HelperThreadsBesideBuild() {
    // Counted once: asking the system reads a file each time.
    static const int cores = static_cast<int>(std::thread::hardware_concurrency());
    const int spare = cores > 2 ? cores - 2 : 0;
    return spare + lentCores.load(std::memory_order_relaxed);
}

LendIdleCompressorCore::LendIdleCompressorCore() { lentCores.fetch_add(1, std::memory_order_relaxed); }

LendIdleCompressorCore::~LendIdleCompressorCore() { lentCores.fetch_sub(1, std::memory_order_relaxed); }

} // namespace vantora
