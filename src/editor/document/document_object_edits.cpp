// The Edit menu's operations on the selection of the current scene: clipboard, duplicate,
// z-order and alignment. Each pushes one undoable command.

#include "editor/commands/move_resize_command.h"
#include "editor/commands/paste_objects_command.h"
#include "editor/commands/reorder_object_command.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "storage/clipboard_block.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vantora {
namespace {

// Each paste lands this much further right and down than the one before.
constexpr std::int32_t kPasteOffsetStep = 8;

QString clipboardMimeType() { return QString::fromUtf8(kClipboardMimeType.data(), qsizetype(kClipboardMimeType.size())); }

} // namespace

void EditorDocument::setGridSize(std::int32_t x, std::int32_t y) {
    gridX_ = std::max<std::int32_t>(1, x);
    gridY_ = std::max<std::int32_t>(1, y);
}

std::vector<std::uint8_t> EditorDocument::copySelection() {
    const auto selected = selectedObjects();
    if (selected.empty())
        return {};
    const std::vector<const TDemoObject*> objects(selected.begin(), selected.end());
    std::vector<std::uint8_t> block;
    if (!WriteClipboardBlock(objects, block))
        return {}; // a copy that fails is dropped without a message
    pasteOffset_ = gridX_;
    return block;
}

bool EditorDocument::pasteBlock(std::span<const std::uint8_t> block) {
    return pasteObjects(block, QStringLiteral("Paste"));
}

bool EditorDocument::pasteObjects(std::span<const std::uint8_t> block, const QString& text) {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return false;
    ClipboardContents contents = ReadClipboardBlock(block);
    if (contents.objects.empty())
        return false; // objects read before damage stay; with none there is nothing to do
    push(new PasteObjectsCommand(*scene, selection_, std::move(contents.objects), pasteOffset_, text));
    pasteOffset_ += kPasteOffsetStep;
    return true;
}

bool EditorDocument::copyToClipboard() {
    std::vector<std::uint8_t> block = copySelection();
    if (block.empty())
        return false;
    auto* data = new QMimeData;
    data->setData(clipboardMimeType(),
                  QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

bool EditorDocument::clipboardHasObjects() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(clipboardMimeType());
}

bool EditorDocument::pasteFromClipboard() {
    if (!clipboardHasObjects())
        return false;
    const QByteArray data = QGuiApplication::clipboard()->mimeData()->data(clipboardMimeType());
    return pasteBlock(std::span(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())));
}

bool EditorDocument::duplicateSelection() {
    const std::vector<std::uint8_t> block = copySelection();
    return !block.empty() && pasteObjects(block, QStringLiteral("Duplicate"));
}

bool EditorDocument::bringToFront() {
    TDemoFrame* scene = currentScene();
    const auto selected = selectedObjects();
    if (!scene || selected.size() != 1)
        return false;
    push(new ReorderObjectCommand(*scene, selection_, selected.front(), ObjectPlace::Front));
    return true;
}

bool EditorDocument::sendToBack() {
    TDemoFrame* scene = currentScene();
    const auto selected = selectedObjects();
    if (!scene || selected.size() != 1)
        return false;
    push(new ReorderObjectCommand(*scene, selection_, selected.front(), ObjectPlace::Back));
    return true;
}

bool EditorDocument::align(TAlignMode mode) {
    TDemoFrame* scene = currentScene();
    const auto selected = selectedObjects();
    if (!scene || selected.size() < 2)
        return false;
    const auto changes = AlignedBounds(selected, mode);
    if (!changes.empty())
        push(new MoveResizeCommand(*scene, selection_, changes, QStringLiteral("Align")));
    return !changes.empty();
}

bool EditorDocument::alignToGrid() {
    TDemoFrame* scene = currentScene();
    const auto selected = selectedObjects();
    if (!scene || selected.empty())
        return false;
    const auto changes = GridAlignedBounds(selected, gridX_, gridY_);
    if (!changes.empty())
        push(new MoveResizeCommand(*scene, selection_, changes, QStringLiteral("Align to Grid")));
    return !changes.empty();
}

} // namespace vantora
