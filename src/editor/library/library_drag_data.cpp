#include "editor/library/library_drag_data.h"

#include <QMimeData>

namespace vantora {
namespace {

// The payload is "<tab name>\n<file path>" in UTF-8; the tab names are the folder names.
constexpr char kSeparator = '\n';

std::optional<LibraryKind> KindNamed(const QString& name) {
    for (LibraryKind kind : kLibraryFillOrder) {
        const std::string_view known = LibraryName(kind);
        if (name == QString::fromUtf8(known.data(), qsizetype(known.size())))
            return kind;
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<QMimeData> EncodeLibraryItem(const LibraryItemRef& item) {
    const std::string_view name = LibraryName(item.kind);
    QByteArray payload(name.data(), qsizetype(name.size()));
    payload += kSeparator;
    payload += item.file.toUtf8();
    auto data = std::make_unique<QMimeData>();
    data->setData(kLibraryItemMimeType, payload);
    return data;
}

std::optional<LibraryItemRef> DecodeLibraryItem(const QMimeData& data) {
    if (!data.hasFormat(kLibraryItemMimeType))
        return std::nullopt;
    const QByteArray payload = data.data(kLibraryItemMimeType);
    const qsizetype split = payload.indexOf(kSeparator);
    if (split <= 0 || split + 1 >= payload.size())
        return std::nullopt;
    const std::optional<LibraryKind> kind = KindNamed(QString::fromUtf8(payload.left(split)));
    if (!kind)
        return std::nullopt;
    return LibraryItemRef{*kind, QString::fromUtf8(payload.mid(split + 1))};
}

} // namespace vantora
