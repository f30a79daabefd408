#include "editor/progress/progress_form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vantora {
namespace {

TProgressForm* g_current = nullptr;

void Repaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

} // namespace

TProgressForm::TProgressForm(QWidget* parent, const QString& label, int maximum, int position)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(label, this)),
      bar_(new QProgressBar(this)) {
    if (g_current)
        g_current->close();
    g_current = this;
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(QStringLiteral("Progress"));
    setModal(true);
    bar_->setRange(0, std::max(0, maximum));
    bar_->setValue(std::clamp(position, 0, bar_->maximum()));
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    setMinimumWidth(320);
    show();
    Repaint();
}

TProgressForm::~TProgressForm() {
    if (g_current == this)
        g_current = nullptr;
}

void TProgressForm::setPosition(int position) {
    bar_->setValue(std::clamp(position, 0, bar_->maximum()));
    Repaint();
}

QString TProgressForm::labelText() const { return label_->text(); }
int TProgressForm::position() const { return bar_->value(); }
int TProgressForm::maximum() const { return bar_->maximum(); }

TProgressForm* TProgressForm::Current() { return g_current; }

} // namespace vantora
