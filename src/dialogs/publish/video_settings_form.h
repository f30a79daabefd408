#pragma once
// "Video Settings": how long a stop point holds, the picture's size and frame rate, and the
// quality. A side or rate of 0 keeps the movie's own.

#include "dialogs/dialog_driver.h"
#include "publish/publish_settings.h"

#include <QDialog>

class QDoubleSpinBox;
class QSpinBox;

namespace vantora {

class TVideoSettingsForm : public QDialog {
    Q_OBJECT
public:
    explicit TVideoSettingsForm(const publish::PublishSettings& settings, QWidget* parent = nullptr);
    publish::PublishSettings settings() const;

private:
    publish::PublishSettings settings_;
    QDoubleSpinBox* hold_;
    QSpinBox* width_;
    QSpinBox* height_;
    QDoubleSpinBox* rate_;
    QSpinBox* quality_;
};

bool RunVideoSettingsForm(publish::PublishSettings& settings, QWidget* parent, const DialogDriver& drive = ExecDialog);

} // namespace vantora
