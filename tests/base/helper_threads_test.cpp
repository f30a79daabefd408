// Helper threads beside a build: the cores beyond the build's two threads, and a core lent while
// the compressor idles.

#include "base/helper_threads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace vantora {
namespace {

TEST(HelperThreads, AreTheCoresBeyondTwoAndALentCoreAddsOneWhileItIsLent) {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    const int spare = std::max(0, cores - 2);
    EXPECT_EQ(HelperThreadsBesideBuild(), spare);
    {
        const LendIdleCompressorCore lend;
        EXPECT_EQ(HelperThreadsBesideBuild(), spare + 1);
        {
            const LendIdleCompressorCore second; // two builds at once each lend their own
            EXPECT_EQ(HelperThreadsBesideBuild(), spare + 2);
        }
        EXPECT_EQ(HelperThreadsBesideBuild(), spare + 1);
    }
    EXPECT_EQ(HelperThreadsBesideBuild(), spare) << "the core is given back";
}

} // namespace
} // namespace vantora
