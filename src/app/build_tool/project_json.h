#pragma once
// The --info report: a demo as JSON, every stored field under the model's field name. Pictures
// appear as their stored format name and byte count, sounds as type and byte count.

#include "model/demo.h"

#include <string>

namespace vantora::buildtool {

std::string ProjectToJson(const TVantora& demo);

} // namespace vantora::buildtool
