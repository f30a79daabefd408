#include "preview/flash_player_form.h"

#include "preview/preview_window_size.h"
#include "preview/shockwave_flash_ex.h"
#include "preview/speed_button_glyphs.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantora {

namespace {

constexpr int kTimerInterval = 50;
constexpr int kLoadTick = 20;    // the movie is loaded when the counter passes this
constexpr int kCounterDone = 1000;

class ScreenMessages : public PreviewMessages {
public:
    void Error(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, QStringLiteral("Error"), text);
    }
};

QToolButton* SpeedButton(QWidget* parent, SpeedGlyph glyph, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true); // flat
    button->setIcon(SpeedButtonIcon(glyph));
    button->setToolTip(tip);
    button->setFixedSize(25, 25);
    return button;
}

} // namespace

PreviewMessages& ScreenPreviewMessages() {
    static ScreenMessages messages;
    return messages;
}

TFlashPlayerForm::TFlashPlayerForm(QWidget* parent, std::unique_ptr<player::SoundOutput> sound) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Flash Player"));
    resize(kPreviewMinimumSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* panel = new QWidget(this);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(4, 2, 4, 2);
    speedButton1_ = SpeedButton(panel, SpeedGlyph::Play, QStringLiteral("Play"));
    speedButton2_ = SpeedButton(panel, SpeedGlyph::Pause, QStringLiteral("Pause"));
    speedButton3_ = SpeedButton(panel, SpeedGlyph::Stop, QStringLiteral("Stop"));
    trackBar1_ = new QSlider(Qt::Horizontal, panel);
    trackBar1_->setEnabled(false);
    trackBar1_->setRange(0, 0);
    panelLayout->addWidget(speedButton1_);
    panelLayout->addWidget(speedButton2_);
    panelLayout->addWidget(speedButton3_);
    panelLayout->addWidget(trackBar1_, 1);
    layout->addWidget(panel);

    scrollBox1_ = new QScrollArea(this);
    scrollBox1_->setWidgetResizable(false);
    scrollBox1_->setFrameShape(QFrame::NoFrame);
    box_ = new QWidget;
    box_->setAutoFillBackground(true);
    scrollBox1_->setWidget(box_);
    scrollBox1_->viewport()->installEventFilter(this);
    label1_ = new QLabel(kNotInstalledText, box_);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    flash_ = new TShockwaveFlashEx(box_, std::move(sound));
    flash_->hide();
    layout->addWidget(scrollBox1_, 1);

    statusBar1_ = new QStatusBar(this);
    statusBar1_->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(statusBar1_);
    statusPanel_->setMinimumWidth(50);
    statusBar1_->addWidget(statusPanel_);
    layout->addWidget(statusBar1_);

    timer1_.setInterval(kTimerInterval);
    connect(&timer1_, &QTimer::timeout, this, &TFlashPlayerForm::Timer1Timer);
    connect(speedButton1_, &QToolButton::clicked, this, &TFlashPlayerForm::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TFlashPlayerForm::SpeedButton2Click);
    connect(speedButton3_, &QToolButton::clicked, this, &TFlashPlayerForm::SpeedButton3Click);
    connect(trackBar1_, &QSlider::valueChanged, this, &TFlashPlayerForm::TrackBar1Change);
}

TFlashPlayerForm::~TFlashPlayerForm() { timer1_.stop(); }

bool TFlashPlayerForm::Prepare(const QString& moviePath, int width, int height, QColor backColor,
                               PreviewMessages& messages) {
    QPalette palette = box_->palette();
    palette.setColor(QPalette::Window, backColor);
    box_->setPalette(palette);
    scrollBox1_->viewport()->setPalette(palette);
    scrollBox1_->viewport()->setAutoFillBackground(true);
    if (!QFileInfo::exists(moviePath)) {
        messages.Error(parentWidget(), QLatin1Char('"') + moviePath + QStringLiteral("\" File not exists."));
        return false;
    }
    moviePath_ = moviePath;
    hasControl_ = true;
    label1_->hide();
    flash_->setFixedSize(std::max(width, 1), std::max(height, 1));
    flash_->show();
    if (const QScreen* shownOn = screen())
        FitToMovie(shownOn->availableGeometry().size());
    CentreMovie();
    return true;
}

bool TFlashPlayerForm::ShowPreview(QWidget* parent, const QString& moviePath, int width, int height, QColor backColor,
                                   PreviewMessages& messages, const PreviewFrameReport& onFrame) {
    TFlashPlayerForm form(parent);
    if (!form.Prepare(moviePath, width, height, backColor, messages))
        return false;
    if (onFrame)
        connect(&form, &TFlashPlayerForm::FrameShown, &form, onFrame);
    form.exec();
    return true;
}

void TFlashPlayerForm::FitToMovie(QSize available) {
    // The window is not laid out yet: the button panel and the status bar take what they ask for.
    const int controls = trackBar1_->parentWidget()->sizeHint().height() + statusBar1_->sizeHint().height();
    resize(PreviewWindowSize(flash_->size(), QSize(0, controls), available));
}

void TFlashPlayerForm::ShowNotInstalled(const QString& reason) {
    hasControl_ = false;
    timer1_.stop();
    flash_->hide();
    label1_->setText(reason.isEmpty() ? kNotInstalledText : kNotInstalledText + QStringLiteral("\n\n") + reason);
    label1_->show();
    CentreMovie();
}

void TFlashPlayerForm::CentreMovie() {
    const QSize view = scrollBox1_->viewport()->size();
    if (!hasControl_) {
        box_->resize(view);
        label1_->setGeometry(0, 0, view.width(), view.height());
        return;
    }
    const QSize movie = flash_->size();
    box_->resize(std::max(view.width(), movie.width()), std::max(view.height(), movie.height()));
    flash_->move(std::max(0, (view.width() - movie.width()) / 2), std::max(0, (view.height() - movie.height()) / 2));
}

void TFlashPlayerForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    counter_ = 0;
    if (hasControl_)
        timer1_.start();
    CentreMovie();
}

void TFlashPlayerForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    CentreMovie();
}

bool TFlashPlayerForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBox1_->viewport() && event->type() == QEvent::Resize)
        CentreMovie();
    return QDialog::eventFilter(watched, event);
}

void TFlashPlayerForm::Timer1Timer() {
    if (!hasControl_)
        return;
    if (counter_ < kCounterDone) {
        ++counter_;
        if (counter_ > kLoadTick) {
            counter_ = kCounterDone;
            if (!flash_->SetMovie(moviePath_)) {
                ShowNotInstalled(flash_->LoadError());
                return;
            }
            const QSignalBlocker blocker(trackBar1_);
            trackBar1_->setMaximum(flash_->TotalFrames() - 1);
        }
    }
    if (counter_ == kCounterDone) {
        trackBar1_->setEnabled(true);
        {
            // Following the playhead is not a user's move of the track bar.
            const QSignalBlocker blocker(trackBar1_);
            trackBar1_->setValue(flash_->CurrentFrame());
        }
        statusPanel_->setText(QString::number(flash_->CurrentFrame() + 1) + QStringLiteral(" / ") +
                              QString::number(flash_->TotalFrames()) + QStringLiteral(" Frames"));
        emit FrameShown(flash_->CurrentFrame());
    }
}

void TFlashPlayerForm::SpeedButton1Click() {
    if (hasControl_)
        flash_->Play();
}

void TFlashPlayerForm::SpeedButton2Click() {
    if (hasControl_)
        flash_->StopPlay();
}

void TFlashPlayerForm::SpeedButton3Click() {
    if (!hasControl_)
        return;
    flash_->Stop();
    flash_->GotoFrame(0);
}

void TFlashPlayerForm::TrackBar1Change() {
    if (!hasControl_ || !flash_->IsLoaded())
        return;
    const bool playing = flash_->Playing();
    flash_->GotoFrame(trackBar1_->value());
    if (playing)
        flash_->Play();
}

} // namespace vantora
