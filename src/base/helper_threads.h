#pragma once
// How many helper threads a movie build may run beside its two long-running threads: the one that
// plans and writes the movie and the one that compresses its body in order (which cannot be split
// without changing its bytes). Each of those keeps a core; helpers only use the cores beyond them,
// since on a two-core machine a third busy thread slows the compression that every build waits for.
// Until the build hands the compressor its first scene, though, the compressor has nothing to do,
// and its core is lent to helpers.

namespace vantora {

// The processor count less two, plus the cores lent now; at least 0 (also when the count is unknown).
int HelperThreadsBesideBuild();

// Lends one core to helpers for as long as this lives: the compressing thread's, while it is known
// to have nothing to compress.
class LendIdleCompressorCore {
public:
    LendIdleCompressorCore();
    ~LendIdleCompressorCore();
    LendIdleCompressorCore(const LendIdleCompressorCore&) = delete;
    LendIdleCompressorCore& operator=(const LendIdleCompressorCore&) = delete;
};

} // namespace vantora
