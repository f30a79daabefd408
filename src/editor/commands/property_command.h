#pragma once
// One edit of the property or animation grids: a typed value, a pick, a font, a colour, a
// picture, a sound, or anything else that writes only the subject's own fields (the object, or
// the scene's name, background and animation). The first redo runs the model's edit; undo and
// redo put the subject's fields from before or after it back. Text typed into a row that stores
// on every key merges into one step per row.

#include "model/demo_frame.h"
#include "model/property_edit.h"

#include <QUndoCommand>

#include <functional>
#include <optional>

namespace vantora {

class PropertyCommand : public QUndoCommand {
public:
    using Edit = std::function<EditResult()>;

    // `mergeKey` non-zero: consecutive edits of the same subject with the same key merge.
    PropertyCommand(const PropertySubject& subject, const QString& text, Edit edit, int mergeKey = 0);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    // What the model's edit answered on the first redo.
    const EditResult& result() const { return result_; }

private:
    struct SceneFields {
        std::string Name;
        TColor BackColor = clWhite;
        Picture BackImage;
        std::int32_t BackImageStyle = 0;
        TAnimationSettings Animation;
    };

    static SceneFields fieldsOf(const TDemoFrame& scene);
    void restoreObject(const TDemoObject& fields);
    void restoreScene(const SceneFields& fields);

    PropertySubject subject_;
    Edit edit_;
    int mergeKey_;
    bool performed_ = false;
    EditResult result_;
    std::optional<TDemoObject> objectBefore_;
    std::optional<TDemoObject> objectAfter_;
    std::optional<SceneFields> sceneBefore_;
    std::optional<SceneFields> sceneAfter_;
};

} // namespace vantora
