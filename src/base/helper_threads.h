#pragma once
// How many helper threads a movie build may run beside its two long-running threads: the one that
// plans and writes the movie and the one that compresses its body in order (which cannot be split
// without changing its bytes). Each of those keeps a core; helpers only use the cores beyond them,
// since on a two-core machine a third busy thread slows the compression that every build waits for.

namespace vantora {

// The processor count less two, at least 0 (also when the count is unknown).
int HelperThreadsBesideBuild();

} // namespace vantora
