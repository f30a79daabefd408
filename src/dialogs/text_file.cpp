#include "dialogs/text_file.h"

#include "base/safe_file.h"
#include "base/windows1252.h"

#include <string_view>
#include <vector>

namespace vantora {

TextFileResult ReadTextFile(const std::filesystem::path& file) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome read = ReadFileLimited(file, kMaxTextFileBytes, bytes);
    const QString name = QString::fromStdString(file.filename().string());
    if (read.status == FileReadOutcome::Status::TooLarge)
        return {std::nullopt, QStringLiteral("The file \"%1\" is too large for a text.").arg(name)};
    if (!read.ok())
        return {std::nullopt, QStringLiteral("The file \"%1\" cannot be read.").arg(name)};

    std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (view.starts_with("\xEF\xBB\xBF"))
        view.remove_prefix(3);
    if (IsValidUtf8(view))
        return {QString::fromUtf8(view.data(), qsizetype(view.size())), QString()};
    return {QString::fromStdString(AnsiToUtf8(bytes)), QString()};
}

QString WriteTextFile(const std::filesystem::path& file, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const auto* data = reinterpret_cast<const std::uint8_t*>(utf8.constData());
    if (WriteFileSafely(file, {data, std::size_t(utf8.size())}).ok())
        return QString();
    return QStringLiteral("The file \"%1\" cannot be written.").arg(QString::fromStdString(file.filename().string()));
}

} // namespace vantora
