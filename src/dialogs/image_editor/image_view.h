#pragma once
// The image editor's view: the picture over a checkerboard, at its own size when it fits and
// scaled down keeping its shape when it does not, centred either way.

#include <QImage>
#include <QWidget>

namespace vantora {

inline constexpr int kImageViewWidth = 365;
inline constexpr int kImageViewHeight = 246;
inline constexpr int kCheckerCell = 8;

// Where a picture of `picture` size is drawn inside a view of `view` size.
QRect ImagePlacement(QSize picture, QSize view);

class TImageView : public QWidget {
    Q_OBJECT
public:
    explicit TImageView(QWidget* parent = nullptr);
    void setImage(QImage image);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

} // namespace vantora
