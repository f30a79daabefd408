#pragma once
// The frame that shows what a capture records: a coloured border round the capture area, on top
// of every window. Only the border belongs to the frame (the inside is cut out of the window),
// so clicks inside reach the program being recorded. Dragging the border moves the frame;
// dragging the square on its bottom-right corner (outside the area, so that pressing it never
// counts as a click on the recording) resizes it, keeping the demo's shape. It never takes the
// keyboard focus.

#include <QRect>
#include <QSize>
#include <QWidget>

namespace vantora::grabbit {

class CaptureFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 4;
    static constexpr int kGrip = 14; // the resize square beyond the area's bottom-right corner

    CaptureFrame(QSize demo, const QRect& area);

    // The capture area in logical screen coordinates.
    QRect area() const { return area_; }
    void setArea(const QRect& area);
    // The server time of the last press on the border, to tell it from presses elsewhere.
    quint64 lastPressTime() const { return lastPressTime_; }

signals:
    void areaChanged(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool onGrip(QPoint local) const;
    QRect gripRect() const;

    QSize demo_;
    QRect area_;
    enum class Drag { None, Move, Resize } drag_ = Drag::None;
    QPoint dragStart_;
    QRect areaAtStart_;
    quint64 lastPressTime_ = 0;
};

} // namespace vantora::grabbit
