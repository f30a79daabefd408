// vantora_image_difference A.png B.png [more pairs...]: the mean absolute difference per colour
// channel (0..255) of pictures of the same size, one line per pair and a mean over all pairs.
// The fidelity check compares our player's frames with the reference emulator's with it.
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdio>

namespace {

struct Difference {
    double red = 0, green = 0, blue = 0;
};

bool Compare(const QString& a, const QString& b, Difference& out) {
    const QImage left = QImage(a).convertToFormat(QImage::Format_RGB32);
    const QImage right = QImage(b).convertToFormat(QImage::Format_RGB32);
    if (left.isNull() || right.isNull() || left.size() != right.size())
        return false;
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            sum[0] += std::abs(qRed(l[x]) - qRed(r[x]));
            sum[1] += std::abs(qGreen(l[x]) - qGreen(r[x]));
            sum[2] += std::abs(qBlue(l[x]) - qBlue(r[x]));
        }
    }
    const double n = double(left.width()) * left.height();
    out = {sum[0] / n, sum[1] / n, sum[2] / n};
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (argc - 1) % 2 != 0) {
        std::fprintf(stderr, "usage: %s A.png B.png [A2.png B2.png ...]\n", argv[0]);
        return 2;
    }
    Difference total;
    int pairs = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        Difference d;
        if (!Compare(QString::fromLocal8Bit(argv[i]), QString::fromLocal8Bit(argv[i + 1]), d)) {
            std::fprintf(stderr, "cannot compare %s with %s (missing or of different sizes)\n", argv[i], argv[i + 1]);
            return 1;
        }
        std::printf("%s: R %.2f G %.2f B %.2f\n", argv[i], d.red, d.green, d.blue);
        total.red += d.red;
        total.green += d.green;
        total.blue += d.blue;
        ++pairs;
    }
    std::printf("mean: R %.2f G %.2f B %.2f\n", total.red / pairs, total.green / pairs, total.blue / pairs);
    return 0;
}
