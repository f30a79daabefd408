// vantora-build: builds, inspects and pictures projects without a window.

#include "build_tool/build_tool.h"

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A build allocates and frees pictures and buffers of hundreds of kilobytes to megabytes. Served
// from the heap instead of fresh mappings, each is reused without faulting its pages in again and
// freed without a system call; the process ends soon after, so memory kept is not a concern.
void KeepLargeBuffersInTheHeap() {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 8 << 20);
}

// Sanitizer builds end normally, so that the leak check at exit still runs.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kEndWithoutTeardown = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kEndWithoutTeardown = false;
#else
constexpr bool kEndWithoutTeardown = true;
#endif
#else
constexpr bool kEndWithoutTeardown = true;
#endif

} // namespace

int main(int argc, char** argv) {
    KeepLargeBuffersInTheHeap();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = vantora::buildtool::RunBuildTool(arguments, std::cout, std::cerr);
    // Every file the tool wrote is closed and on the disk, and what it says is flushed here: the
    // system takes the process's memory back at once, sooner than the platform plugin and the
    // font caches are torn down piece by piece.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    if (kEndWithoutTeardown)
        std::_Exit(status);
    return status;
}
