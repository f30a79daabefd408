// What the buttons do and how the window reacts to the engine's events.
#include "discburn/discora_form.h"

#include "discburn/texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>

#include <type_traits>

namespace discora {

namespace {

const QString Information = QStringLiteral("Information");
const QString Error = QStringLiteral("Error");

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void DiscoraForm::writeClicked() {
    if (!idle_ || engine_.busy())
        return;
    const MediaInfo media = engine_.refreshMedia();
    if (!media.present || !media.writable) {
        message(Information, QStringLiteral("Please insert writable media before continuing!"));
        return;
    }
    const std::uint64_t needed = engine_.imageSize();
    const std::uint64_t available = engine_.freeBytes();
    if (needed > available) {
        message(Information, text(notEnoughSpaceText(needed, available)));
        return;
    }
    engine_.setVolumeLabel(labelEdit_->text().toStdString());
    log(QStringLiteral("========== WRITE DATA TO CD/DVD ... "));
    if (engine_.startWrite(speedCombo_->currentData().toInt())) {
        writingDisc_ = true;
        lastWriteStatus_ = -1;
        progress_->setValue(0);
        setControlsIdle(false);
    } else {
        message(Error, QStringLiteral("Disc write can not be started!"));
    }
}

void DiscoraForm::saveIsoClicked() {
    if (!idle_ || engine_.busy())
        return;
    const QString path = askIsoPath_();
    if (path.isEmpty())
        return;
    engine_.setVolumeLabel(labelEdit_->text().toStdString());
    log(QStringLiteral("========== SAVE IMAGE AS ISO FILE ... "));
    log(QStringLiteral("File name: ") + path, log_icon::File);
    if (engine_.startIsoFile(path.toStdString())) {
        writingDisc_ = false;
        lastWriteStatus_ = -1;
        progress_->setValue(0);
        setControlsIdle(false);
    } else {
        message(Error, QStringLiteral("Error creating ISO File."));
    }
}

void DiscoraForm::abortClicked() {
    engine_.abort();
    log(QStringLiteral("Aborting write..."));
}

void DiscoraForm::quickEraseClicked() {
    if (!idle_ || engine_.busy())
        return;
    const MediaInfo media = engine_.refreshMedia();
    if (!media.present) {
        message(Information, QStringLiteral("No media loaded!"));
        return;
    }
    if (!media.rewritable) {
        message(Information, QStringLiteral("The current media is not re-writable!"));
        return;
    }
    if (!engine_.canQuickErase(media)) {
        message(Error, QStringLiteral("Selected drive does not support re-writable discs of this format."));
        return;
    }
    log(QStringLiteral("========== ERASE DISC ... "));
    if (!engine_.startQuickErase())
        message(Error, QStringLiteral("Can not start erase operation!"));
}

void DiscoraForm::ejectClicked() { engine_.eject(); }

void DiscoraForm::closeTrayClicked() { engine_.closeTray(); }

void DiscoraForm::pollEngine() {
    // A message box opened by an event runs its own event loop; the timer must not hand out the
    // next events before this one has been dealt with.
    if (polling_)
        return;
    polling_ = true;
    for (const BurnEvent& event : engine_.poll()) {
        std::visit(
            [this](const auto& e) {
                using E = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<E, WriteStatusEvent>)
                    onWriteStatus(e);
                else if constexpr (std::is_same_v<E, WriteErrorEvent>)
                    onWriteError(e);
                else if constexpr (std::is_same_v<E, TrackFileWarningEvent>)
                    onTrackFileWarning(e);
                else if constexpr (std::is_same_v<E, EraseStatusEvent>)
                    onEraseStatus(e);
                else
                    onEraseError(e);
            },
            event);
    }
    polling_ = false;
}

void DiscoraForm::onWriteStatus(const WriteStatusEvent& event) {
    const int previous = lastWriteStatus_;
    lastWriteStatus_ = event.status;
    switch (event.status) {
    case write_status::Preparing:
        log(QStringLiteral("Preparing image..."));
        break;
    case write_status::WritingFirst:
    case write_status::Writing:
    case write_status::WritingLast:
        progress_->setValue(event.progress);
        break;
    case write_status::ClosingTrack:
        log(QStringLiteral("Closing track..."));
        break;
    case write_status::WritingLeadIn:
        log(QStringLiteral("Writing lead-in..."));
        break;
    case write_status::WritingLeadOut:
        log(QStringLiteral("Writing lead-out..."));
        break;
    case write_status::UpdatingVolume:
        log(QStringLiteral("Updating volume..."));
        break;
    case write_status::Verifying:
        if (previous != write_status::Verifying) // the step is logged once, its progress shown
            log(QStringLiteral("Verifying written data..."));
        progress_->setValue(event.progress);
        break;
    case write_status::Completed:
        if (writingDisc_) {
            log(QStringLiteral("Write completed!"), log_icon::Success);
            engine_.eject();
            message(Information, engine_.wasVerified() ? QStringLiteral("Write and verify complete!")
                                                       : QStringLiteral("Write complete!"));
        } else {
            log(QStringLiteral("Save ISO image file completed!"), log_icon::Success);
            message(Information, QStringLiteral("Save ISO image completed!"));
        }
        setControlsIdle(true);
        break;
    case write_status::Cancelled:
        log(QStringLiteral("Write cancelled!"), log_icon::Error);
        setControlsIdle(true);
        break;
    case write_status::Failed:
        log(QStringLiteral("Write error!"), log_icon::Error);
        setControlsIdle(true);
        break;
    default:
        break;
    }
}

// The error is shown and also kept in the log, where it stays after the message is gone.
void DiscoraForm::onWriteError(const WriteErrorEvent& event) {
    const QString errorText = text(writeErrorText(event));
    for (const QString& line : errorText.split(QLatin1Char('\n')))
        log(line, log_icon::Error);
    message(Error, errorText);
}

void DiscoraForm::onTrackFileWarning(const TrackFileWarningEvent& event) {
    log(text(trackFileWarningText(event)), log_icon::Progress);
}

void DiscoraForm::onEraseStatus(const EraseStatusEvent& event) {
    switch (event.status) {
    case erase_status::Started:
        setControlsIdle(false);
        log(QStringLiteral("Erasing disc, please wait..."));
        break;
    case erase_status::Progress:
        progress_->setValue(event.progress);
        break;
    case erase_status::Completed:
        log(QStringLiteral("Erase operation complete!"), log_icon::Success);
        message(Information, QStringLiteral("Erase operation complete."));
        setControlsIdle(true);
        break;
    case erase_status::Failed:
        log(QStringLiteral("Error erasing disc!"), log_icon::Error);
        setControlsIdle(true);
        break;
    default:
        break;
    }
}

void DiscoraForm::onEraseError(const EraseErrorEvent& event) {
    const QString errorText = text(eraseErrorText(event.drive));
    message(Error, errorText);
    for (const QString& line : errorText.split(QLatin1Char('\n')))
        log(line, log_icon::Error);
}

} // namespace discora
