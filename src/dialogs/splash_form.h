#pragma once
// The splash window shown while the libraries load: the application title large, the program icon
// and the maker's name over the backdrop gradient.

#include <QWidget>

#include <memory>

namespace vantora {

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    // Lets the window repaint between loading steps.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shows the splash window (modeless) centred on the screen; free it to hide it.
std::unique_ptr<TSplashForm> ShowSplash();

} // namespace vantora
