#include "editor/main_window/status_texts.h"

#include "storage/recent_projects.h"

namespace vantora {

QString ScenePanelText(std::optional<std::size_t> selectedScene, std::size_t sceneCount) {
    if (sceneCount == 0)
        return {};
    const QString count = QString::number(sceneCount) + QStringLiteral(" Scene(s)");
    if (!selectedScene || *selectedScene >= sceneCount)
        return count;
    return QString::number(*selectedScene + 1) + QLatin1Char('/') + count;
}

QString ObjectPanelText(const ObjectPick& pick) {
    switch (pick.kind) {
    case ObjectPick::Kind::Nothing: return {};
    case ObjectPick::Kind::Scene: return QStringLiteral("Scene");
    case ObjectPick::Kind::Object:
        return QString::number(pick.index + 1) + QLatin1Char('/') + QString::number(pick.count) +
               QStringLiteral(" Object(s)");
    }
    return {};
}

QString CaptionPanelText(const std::string& demoName, const QString& fileName) {
    QString text = demoName.empty() ? QString::fromUtf8(kUntitledCaption.data(), kUntitledCaption.size())
                                    : QString::fromStdString(demoName);
    if (!fileName.isEmpty())
        text += QStringLiteral(" - ") + fileName;
    return text;
}

} // namespace vantora
