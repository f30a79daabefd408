#pragma once
// A document holding a demo of one scene, and the project bytes that show whether an undo put
// everything back exactly: saving after undo must write the file saving before the edit wrote.

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"

#include <QUndoStack>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantora::test {

// The project file's bytes for the demo.
std::vector<std::uint8_t> ProjectBytes(const TVantora& demo);

// The names of the scene's objects in drawing order.
std::vector<std::string> ObjectNames(const TDemoFrame& scene);

class DocumentFixture : public testing::Test {
protected:
    EditorDocument document;
    TDemoFrame* scene = nullptr;

    void SetUp() override;

    // Adds an object straight through the model (not an edit: the history stays empty).
    TDemoObject& place(TObjectKind kind, std::int32_t left = 0, std::int32_t top = 0);
    // The same with the object shown from `start` to `end`: a bar of the timeline.
    TDemoObject& placeBar(TObjectKind kind, std::int32_t start, std::int32_t end);

    QUndoStack& stack() { return document.undoStack(); }
    std::vector<std::uint8_t> bytes() const { return ProjectBytes(document.demo()); }

    // Undoes and redoes the last step twice over, checking the bytes each way.
    void expectUndoRedo(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after);
};

} // namespace vantora::test
