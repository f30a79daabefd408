// bench-swf-write: builds and writes a movie of 2,000 frames with 50 placements per frame plus one
// 1280 x 800 bitmap with alpha, and reports where the time goes: building the objects, writing the
// tags, and zlib (bitmap data and the compressed file body). Goal: everything except zlib under a
// quarter of the total.
//
//   bench-swf-write [--frames N] [--placements N] [--runs N] [--out FILE.swf]

#include "swf/deflate.h"
#include "swf/image.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(std::chrono::nanoseconds d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Options {
    int frames = 2000;
    int placements = 50;
    int runs = 3;
    std::string out;
};

// A screenshot-like picture: smooth gradients, some noise, a translucent band.
std::vector<uint8_t> makePicture(int w, int h) {
    std::vector<uint8_t> bgra(size_t(w) * size_t(h) * 4);
    uint32_t seed = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            uint8_t* p = &bgra[(size_t(y) * size_t(w) + size_t(x)) * 4];
            p[0] = uint8_t(x * 255 / w);
            p[1] = uint8_t(y * 255 / h);
            p[2] = uint8_t(((x / 40 + y / 30) % 2) ? 200 : 60) + uint8_t(seed >> 29);
            p[3] = (y > h / 3 && y < h / 2) ? 160 : 255;
        }
    return bgra;
}

struct Timing {
    std::chrono::nanoseconds build{}, makeStream{}, save{}, zlib{};
    size_t bodyBytes = 0, fileBytes = 0;
};

Timing runOnce(const Options& o, const std::vector<uint8_t>& picture) {
    swf::ResetDeflateTime();
    Timing t;
    const auto start = Clock::now();
    swf::TFlashMovie movie(0, 0, 1280, 800, 20, true);
    movie.SetCompressed(true);
    swf::TFlashImage* image = movie.AddImage();
    image->LoadFromPixels({picture.data(), 1280, 800, 1280 * 4, swf::TPixelLayout::BGRA32});
    swf::TFlashShape* background = movie.AddRectangle(0, 0, 1280, 800);
    background->SetImageFill(image, swf::TImageFillKind::Clipped);
    movie.PlaceObject(background, 1);

    std::vector<swf::TFlashShape*> shapes;
    for (int i = 0; i < o.placements; ++i) {
        swf::TFlashShape* s = i % 3 == 0 ? movie.AddEllipse(0, 0, 40, 30)
                            : i % 3 == 1 ? movie.AddRoundRect(0, 0, 60, 40, 8)
                                         : movie.AddRectangle(0, 0, 50, 20);
        s->SetSolidColorRGBA(0x80000000u | uint32_t(i * 0x050A0F));
        s->SetLineStyle(1, 0);
        shapes.push_back(s);
    }
    for (int f = 0; f < o.frames; ++f) {
        for (int i = 0; i < o.placements; ++i) {
            const uint16_t depth = uint16_t(i + 2);
            swf::TFlashPlaceObject* p = f == 0 ? movie.PlaceObject(shapes[size_t(i)], depth) : movie.MoveObject(depth);
            p->SetTranslate((i * 37 + f * 3) % 1200, (i * 53 + f * 2) % 760);
            if (i % 2 == 0)
                p->SetRotate(f % 360);
            if (i % 5 == 0)
                p->ColorTransform().SetMultA(256 - (f % 256));
        }
        movie.ShowFrame();
    }
    const auto built = Clock::now();
    movie.MakeStream();
    const auto made = Clock::now();
    std::ostringstream file;
    movie.SaveToStream(file);
    const auto saved = Clock::now();
    t.build = built - start;
    t.makeStream = made - built;
    t.save = saved - made;
    t.zlib = swf::DeflateTime();
    t.bodyBytes = movie.BodyStream().size();
    t.fileBytes = file.str().size();
    if (!o.out.empty()) {
        std::ofstream out(o.out, std::ios::binary);
        out << file.str();
    }
    return t;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--frames" && hasValue) o.frames = std::max(1, std::atoi(argv[++i]));
        else if (a == "--placements" && hasValue) o.placements = std::clamp(std::atoi(argv[++i]), 1, 60000);
        else if (a == "--runs" && hasValue) o.runs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--out" && hasValue) o.out = argv[++i];
        else return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: bench-swf-write [--frames N] [--placements N] [--runs N] [--out FILE.swf]\n");
        return 2;
    }
    const std::vector<uint8_t> picture = makePicture(1280, 800);
    std::printf("movie: %d frames x %d placements + one 1280 x 800 bitmap with alpha, compressed\n", o.frames, o.placements);
    Timing best;
    double bestTotal = 1e300;
    for (int r = 0; r < o.runs; ++r) {
        const Timing t = runOnce(o, picture);
        const double total = ms(t.build + t.makeStream + t.save);
        std::printf("run %d: build %.1f ms, write tags %.1f ms, save %.1f ms, total %.1f ms (zlib %.1f ms)\n", r + 1,
                    ms(t.build), ms(t.makeStream), ms(t.save), total, ms(t.zlib));
        if (total < bestTotal) {
            bestTotal = total;
            best = t;
        }
    }
    const double zlib = ms(best.zlib);
    const double other = bestTotal - zlib;
    std::printf("best: total %.1f ms = zlib %.1f ms + building tags %.1f ms (%.1f %% of the total; goal < 25 %%)\n", bestTotal,
                zlib, other, 100.0 * other / bestTotal);
    std::printf("body %zu bytes, file %zu bytes\n", best.bodyBytes, best.fileBytes);
    return 0;
}
