#pragma once
// Stand-ins for the message boxes, common dialogs and desktop that record what the window asked
// and answer as the test says.

#include "platform/desktop_services.h"
#include "platform/user_dialogs.h"

#include <QStringList>
#include <QUrl>

#include <deque>
#include <optional>
#include <vector>

namespace vantora::test {

struct AskedMessage {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class FakeDialogs final : public UserDialogs {
public:
    MessageAnswer message(QWidget*, const QString& caption, const QString& text, MessageIcon icon,
                          MessageButtons buttons) override {
        messages.push_back({caption, text, icon, buttons});
        if (answers.empty())
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString openFileName(QWidget*, const QString& caption, const QString& folder, const QString& filter) override {
        dialogCalls << caption;
        openFolder = folder;
        openFilter = filter;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString& caption, const QString& folder, const QString& filter,
                         const QString& suffix) override {
        dialogCalls << caption;
        saveFolder = folder;
        saveFilter = filter;
        saveSuffix = suffix;
        return saveAnswer;
    }
    std::optional<QColor> chooseColour(QWidget*, const QColor& initial) override {
        dialogCalls << QStringLiteral("colour");
        colourInitial = initial;
        return colourAnswer;
    }

    std::vector<AskedMessage> messages;
    std::deque<MessageAnswer> answers; // the answers to the next questions; Cancel when none is left
    QStringList dialogCalls;
    QString openAnswer, openFolder, openFilter;
    QString saveAnswer, saveFolder, saveFilter, saveSuffix;
    std::optional<QColor> colourAnswer;
    QColor colourInitial;
};

class FakeDesktop final : public DesktopServices {
public:
    bool openUrl(const QUrl& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<QUrl> opened;
};

} // namespace vantora::test
