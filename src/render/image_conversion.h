#pragma once
// Moving pictures between the model's RgbaImage (0xAARRGGBB words, straight alpha) and QImage
// Format_ARGB32, which has the same memory layout on little-endian machines. Where the buffer can
// be shared it is, so a rendered picture is not copied on its way into the model.

#include "picture/rgba_image.h"

#include <QImage>

namespace vantora {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RgbaImage words are read as QImage::Format_ARGB32 bytes");

// A QImage painting straight into `image`'s pixels; `image` must outlive it and keep its size.
QImage WrapRgbaImage(RgbaImage& image);

// A read-only QImage over `image`'s pixels, for drawing without a copy; `image` must outlive it
// and stay unchanged. Null for an empty image.
QImage ViewRgbaImage(const RgbaImage& image);

// Takes over `image`'s pixel buffer without copying; the QImage frees it.
QImage AdoptRgbaImage(RgbaImage&& image);

// Copies a picture of any format into an RgbaImage (converting to straight-alpha ARGB32 first
// when needed). A null picture gives an empty RgbaImage.
RgbaImage ToRgbaImage(const QImage& image);

// Makes `target` a width x height Format_ARGB32 picture filled with transparent black, reusing its
// buffer (for example one wrapped round an RgbaImage) when it already has that size and format.
void PrepareArgbTarget(QImage& target, int width, int height);

} // namespace vantora
