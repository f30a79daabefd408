#pragma once
// The "Gallery" library: ready-made objects a new user can drop onto a scene (a welcome balloon,
// a tip note, a "Next" button, a highlight frame, a title label, a typing input text, a
// click-here round balloon). Each is one gallery file written by the storage writer, named
// after its kind with the number 1, like the files "Save Object to Gallery" makes.

#include "library_material/material_file.h"
#include "model/demo_object.h"

#include <vector>

namespace vantora::material {

// The objects themselves, named <kind name>1.
std::vector<TDemoObject> GalleryObjects();

MaterialFiles GalleryFiles();

} // namespace vantora::material
