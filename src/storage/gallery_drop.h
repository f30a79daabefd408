#pragma once
// Adding a gallery object to a scene (a gallery entry dropped onto the canvas), and the size of a
// gallery thumbnail.

#include "model/demo_frame.h"
#include "storage/storage_result.h"

#include <filesystem>

namespace vantora {

struct GalleryDropResult {
    TDemoObject* object = nullptr; // the added object, selected alone; null on failure
    StorageResult result;
};

// Reads the gallery file into a new object at (left, top) of the scene. A clashing name is
// replaced by a unique one; the stored times are replaced by a new object's timing. On failure
// the scene is unchanged. The caller renders the object and redraws.
GalleryDropResult AddGalleryObjectToScene(TDemoFrame& scene, const std::filesystem::path& file, std::int32_t left,
                                          std::int32_t top);

struct ThumbnailRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ThumbnailRect&) const = default;
};

// Where an object of width x height is drawn inside a thumbnail: reduced (never enlarged) to fit
// with its aspect ratio kept, and centred.
ThumbnailRect FitThumbnail(int width, int height, int thumbnailWidth, int thumbnailHeight);

} // namespace vantora
