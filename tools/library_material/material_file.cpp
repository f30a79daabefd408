#include "library_material/material_file.h"

#include <iterator>

namespace vantora::material {

void Append(MaterialFiles& files, MaterialFiles more) {
    files.insert(files.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

} // namespace vantora::material
