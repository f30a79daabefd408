#pragma once
// The one open demo and everything the editor keeps about it: the undo history every edit goes
// through, the selection, the file name and the modified state. The main window, canvas, grids
// and timeline call its operations and listen to its signals; none of them writes the model
// directly.

#include "model/demo.h"
#include "model/demo_settings.h"
#include "model/object_align.h"
#include "model/object_edits.h"
#include "model/property_edit.h"
#include "storage/storage_result.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QUndoCommand;
class QUndoStack;

namespace vantora {

class EditorSelection;
struct ProgressObserver;
class ObjectRenderCache;

class EditorDocument : public QObject {
    Q_OBJECT

public:
    explicit EditorDocument(QObject* parent = nullptr);
    ~EditorDocument() override;

    TVantora& demo() { return *demo_; }
    const TVantora& demo() const { return *demo_; }
    QUndoStack& undoStack() { return *stack_; }
    EditorSelection& selection() { return *selection_; }
    const EditorSelection& selection() const { return *selection_; }

    // The current scene (the one the canvas shows), or null.
    TDemoFrame* currentScene() const;
    void setCurrentScene(TDemoFrame* scene);
    // The selected objects of the current scene, in drawing order.
    std::vector<TDemoObject*> selectedObjects() const;

    // The project file; empty for a demo never saved.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName);

    // Modified: the history stands away from the last save, or the demo was made new and not
    // saved yet. Undoing back to the last save clears it.
    bool isModified() const;
    // After a successful save: this state is the saved one.
    void markSaved();

    // --- whole-demo operations (they clear the history) ---

    // "New...": the settings, every scene freed, one blank scene when asked; no file name, and
    // modified until saved.
    void newDemo(const TDemoSettings& settings, bool addBlankScene);
    // "Open...": on success the demo is the file's, the history is empty and the first scene is
    // current; on failure nothing changes.
    StorageResult open(const std::filesystem::path& file, const ProgressObserver* progress = nullptr);
    // "Save" / "Save As...": writes the demo; on success it takes the name and is unmodified.
    StorageResult save(const std::filesystem::path& file, const ProgressObserver* progress = nullptr);

    // --- edits: each pushes one undoable step, and does nothing when it would change nothing ---

    // Pushes a command made elsewhere (the stack owns it). Everything below goes through here.
    void push(QUndoCommand* command);

    // A new object of `kind` at (left, top) on the current scene, selected alone. Null without a
    // current scene.
    TDemoObject* addObject(TObjectKind kind, std::int32_t left, std::int32_t top);

    // "Delete": the selected objects of the current scene. False when none is selected.
    bool deleteSelection();
    // "Clear": every object of the current scene. False when it has none.
    bool clearScene();

    // A canvas drag: new rectangles for objects of the current scene. Reports with the same
    // non-zero drag key (from newDragKey) merge into one undo step.
    void setBounds(const std::vector<std::pair<TDemoObject*, TObjectBounds>>& changes, int dragKey = 0);
    // A fresh key for one mouse drag.
    int newDragKey();

    // The property grids. The subject is the current scene or one of its objects.
    EditResult applyTyped(const PropertyRow& row, const PropertySubject& subject, std::string_view text);
    EditResult applyPick(const PropertyRow& row, const PropertySubject& subject, std::string_view text);
    EditResult applyTextBody(const PropertySubject& subject, std::string text);
    EditResult applyFont(const PropertySubject& subject, const TObjectFont& font);
    EditResult applyColour(const PropertyRow& row, const PropertySubject& subject, TColor colour);
    EditResult applyPicture(const PropertyRow& row, const PropertySubject& subject, Picture picture,
                            std::optional<PictureSize> size = std::nullopt);
    SoundLoadResult loadSound(const PropertySubject& subject, const std::filesystem::path& file);

    // "Demo Properties".
    void setDemoSettings(const TDemoSettings& settings);

    // --- scenes ---

    // "New Scene": appended and made current.
    TDemoFrame* addScene();
    // "Delete Scene": the current scene. False without one.
    bool deleteCurrentScene();
    // Moves the scene at `from` to `to` (scene-list drags); false when nothing moves.
    bool moveScene(std::size_t from, std::size_t to);
    // "Duplicate Scene": a deep copy of the current scene appended under a new name and made
    // current. Null (and nothing changes) without a current scene or when copying fails.
    TDemoFrame* duplicateCurrentScene();

    // --- the Edit menu on the selection of the current scene ---

    // The grid the editor uses ("Copy" sets the paste offset to its X size; "Align to Grid").
    void setGridSize(std::int32_t x, std::int32_t y);
    std::int32_t pasteOffset() const { return pasteOffset_; }

    // "Copy": the selected objects as the private clipboard block (empty when none is selected or
    // writing failed); the paste offset becomes the grid's X size.
    std::vector<std::uint8_t> copySelection();
    // "Paste" of a clipboard block: the objects read before any damage join the scene moved by
    // the paste offset, selected alone; then the offset grows by 8. False when nothing was added.
    bool pasteBlock(std::span<const std::uint8_t> block);
    // The same through the system clipboard, with the MIME type "application/x-vantora".
    bool copyToClipboard();
    bool pasteFromClipboard();
    static bool clipboardHasObjects();
    // "Duplicate": Copy, then Paste, as one step.
    bool duplicateSelection();

    // "Bring To Front" / "Send To Back": only with exactly one selected object.
    bool bringToFront();
    bool sendToBack();
    // "Align Left" ... "Align Bottom" (at least two selected) and "Align to Grid" (at least one).
    bool align(TAlignMode mode);
    bool alignToGrid();

    // --- the timeline ---

    // New times for objects of the current scene (a bar dragged); cursors push later cursors and
    // the scene grows to the last end. Reports with one drag key merge.
    void setTimings(const std::vector<std::pair<TDemoObject*, TObjectTiming>>& changes, int dragKey = 0);
    // The scene end dragged: never shorter than the last object end nor than `minimumLength`.
    void setSceneLength(std::int32_t length, std::int32_t minimumLength, int dragKey = 0);
    void addStopPoint(std::int32_t time);
    void removeStopPoint(std::int32_t time);
    void moveStopPoint(std::size_t index, std::int32_t time, int dragKey = 0);

    // --- drops from the library tabs onto the current scene ---

    // A gallery file at (left, top). On a read failure nothing changes and the result says why.
    StorageResult dropGalleryObject(const std::filesystem::path& file, std::int32_t left, std::int32_t top);
    // A new Cursor, Image or Button holding the picture (images and buttons take its size).
    TDemoObject* dropPictureObject(TObjectKind kind, Picture picture, std::int32_t left, std::int32_t top);
    // A new Audio object holding the sound ("WAV" or "MP3").
    TDemoObject* dropSoundObject(std::vector<std::uint8_t> sound, const std::string& type, std::int32_t left,
                                 std::int32_t top);
    // An existing object's picture replaced, its style slot set to 0 ("Custom" for a cursor).
    void replacePicture(TDemoObject& object, Picture picture);
    void replaceSound(TDemoObject& object, std::vector<std::uint8_t> sound, const std::string& type);

    // --- rendering ---

    // The rendered pictures of this demo's objects, kept up to date with every change.
    ObjectRenderCache& renderCache() { return *renderCache_; }
    // The subject for the property grids, with the object's rendered picture for "FitSize".
    PropertySubject subjectFor(TDemoObject* object);

signals:
    // Every change of the model, as the model reported it (after the change).
    void modelChanged(const vantora::ModelChange& change);
    void selectionChanged();
    void currentSceneChanged(vantora::TDemoFrame* scene);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);
    // The whole demo was replaced (New, Open): every view rebuilds.
    void demoReset();

private:
    void onModelChange(const ModelChange& change);
    void resetHistory();
    void updateModified();
    bool pasteObjects(std::span<const std::uint8_t> block, const QString& text);
    EditResult runPropertyEdit(const PropertySubject& subject, const QString& text, int mergeKey,
                               std::function<EditResult()> edit);

    std::unique_ptr<TVantora> demo_;
    QUndoStack* stack_;
    EditorSelection* selection_;
    QString fileName_;
    bool unsavedNew_ = false;
    bool lastModified_ = false;
    std::int32_t gridX_ = 8;
    std::int32_t gridY_ = 8;
    std::int32_t pasteOffset_ = 8;
    std::unique_ptr<ObjectRenderCache> renderCache_;
    int lastDragKey_ = 0;
    ChangeNotifier::ListenerId listener_ = 0;
};

} // namespace vantora
