#include "base/helper_threads.h"

#include <thread>

namespace vantora {

int HelperThreadsBesideBuild() {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return cores > 2 ? cores - 2 : 0;
}

} // namespace vantora
