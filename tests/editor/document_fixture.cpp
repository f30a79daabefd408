#include "document_fixture.h"

#include "storage/project_file.h"

namespace vantora::test {

std::vector<std::uint8_t> ProjectBytes(const TVantora& demo) {
    std::vector<std::uint8_t> bytes;
    const StorageResult result = SerializeProject(demo, bytes);
    EXPECT_TRUE(result.ok) << result.message;
    return bytes;
}

std::vector<std::string> ObjectNames(const TDemoFrame& scene) {
    std::vector<std::string> names;
    for (const auto& object : scene.Objects)
        names.push_back(object->Name);
    return names;
}

void DocumentFixture::SetUp() {
    scene = &NewScene(document.demo());
    document.setCurrentScene(scene);
    document.markSaved();
}

TDemoObject& DocumentFixture::place(TObjectKind kind, std::int32_t left, std::int32_t top) {
    TDemoObject& object = NewObject(*scene, kind, left, top);
    document.markSaved();
    return object;
}

TDemoObject& DocumentFixture::placeBar(TObjectKind kind, std::int32_t start, std::int32_t end) {
    TDemoObject& object = place(kind);
    object.StartTime = start;
    object.EndTime = end;
    return object;
}

void DocumentFixture::expectUndoRedo(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after) {
    ASSERT_NE(before, after) << "the edit changed nothing";
    ASSERT_EQ(bytes(), after);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(stack().canUndo());
        stack().undo();
        EXPECT_EQ(bytes(), before) << "undo, round " << round;
        stack().redo();
        EXPECT_EQ(bytes(), after) << "redo, round " << round;
    }
}

} // namespace vantora::test
