#pragma once
// TShockwaveFlashEx: the movie player as a widget. It plays a movie from a file or from bytes
// through our player library, paints the stage at the widget's size, runs the movie's clock at
// its frame rate, and adds what the preview window needs around the player: mouse events, click
// locking and an optional popup menu. The stand-alone player program uses it as it is.

#include "player/flash_player.h"
#include "player/sound_output.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QMenu;

namespace vantora {

class TShockwaveFlashEx : public QWidget {
    Q_OBJECT
public:
    // `sound` receives the movie's sounds; null plays them on the default sound device.
    explicit TShockwaveFlashEx(QWidget* parent = nullptr, std::unique_ptr<player::SoundOutput> sound = nullptr);
    ~TShockwaveFlashEx() override;

    // The Movie property: loads the file and starts playing. False (nothing loaded) with the
    // reason in LoadError() when the file cannot be read or is not a playable movie.
    bool SetMovie(const QString& path);
    bool LoadMovieBytes(const std::vector<uint8_t>& bytes);
    const QString& LoadError() const { return loadError_; }
    bool IsLoaded() const { return player_.IsLoaded(); }

    int TotalFrames() const { return player_.TotalFrames(); }
    int CurrentFrame() const { return player_.CurrentFrame(); }
    bool Playing() const { return player_.Playing(); }
    // Whether right-clicks reach the player (ours has no menu of its own).
    bool Menu() const { return menu_; }
    void SetMenu(bool on) { menu_ = on; }
    void Play();
    void StopPlay();
    void Stop();
    void GotoFrame(int frame);

    bool LockMouseClick() const { return lockMouseClick_; }
    void SetLockMouseClick(bool on) { lockMouseClick_ = on; }
    void SetPopupMenu(QMenu* menu) { popup_ = menu; }

    // Called for the movie's GetURL actions; by default web and mail links open on the desktop.
    void SetUrlHandler(std::function<void(const std::string&, const std::string&)> handler);
    // The movie's own frame clock (tests step it by hand).
    QTimer& FrameTimer() { return frameTimer_; }
    // One tick of the movie clock.
    void Advance();
    player::FlashPlayer& Player() { return player_; }

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPointF StagePoint(const QPointF& widgetPoint) const;

    std::unique_ptr<player::SoundOutput> sound_;
    player::FlashPlayer player_;
    QTimer frameTimer_;
    QImage frame_;
    QString loadError_;
    bool menu_ = false;
    bool lockMouseClick_ = false;
    bool buttonWentDown_ = false;
    QMenu* popup_ = nullptr;
};

} // namespace vantora
