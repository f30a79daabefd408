#pragma once
// The size of a gallery thumbnail: where an object's picture is drawn inside it. (Adding a
// gallery object to a scene is the model's AddDroppedObject, after ReadGalleryObject.)

namespace vantora {

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
