#pragma once
// The window of a Linux stand-alone demo: the movie played by the player library at its frame
// rate, in a window made by the block's style (normal, without border, full screen at the
// movie's size, full screen scaled to fit), closing on the block's Key For Exit.

#include "player/flash_player.h"
#include "publish/standalone_block.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace player {
class AudioDeviceOutput;
}

namespace vantora {

class TPlayerWindow : public QWidget {
public:
    // `movie` must outlive the window.
    TPlayerWindow(const publish::StandaloneWindow& settings, player::FlashPlayer& movie, QWidget* parent = nullptr);

    // Shows the window as its style asks.
    void showByStyle();
    // Where the stage is drawn inside the window.
    QRect stageRect() const;
    // True when `key` closes the window with this exit key setting.
    static bool ClosesOn(int exitKey, int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF toStage(QPointF point) const;

    publish::StandaloneWindow settings_;
    player::FlashPlayer& movie_;
    QTimer timer_;
};

} // namespace vantora
