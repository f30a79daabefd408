#include "movie_test_support.h"


#include <memory>
#include <sstream>

namespace vantora::test {

TDemoFrame& MovieTest::AddScene(int length) {
    auto scene = std::make_unique<TDemoFrame>();
    scene->Name = "Scene" + std::to_string(demo_.Scenes.size() + 1);
    scene->Length = length;
    scene->Demo = &demo_;
    demo_.Scenes.push_back(std::move(scene));
    return *demo_.Scenes.back();
}

TDemoObject& MovieTest::AddObject(TDemoFrame& scene, TObjectKind kind, int left, int top, int width, int height,
                                  int start, int end) {
    auto object = std::make_unique<TDemoObject>();
    object->Kind = kind;
    object->Name = "Object" + std::to_string(scene.Objects.size() + 1);
    object->Left = left;
    object->Top = top;
    object->Width = width;
    object->Height = height;
    object->StartTime = start;
    object->EndTime = end;
    object->BorderWidth = 0;
    scene.Objects.push_back(std::move(object));
    return *scene.Objects.back();
}

SwfSummary MovieTest::Build(const MovieBuildOptions& options) {
    const auto file = home_.path() / "out.swf";
    const MovieBuildResult result = BuildMovieFile(demo_, file, options);
    EXPECT_TRUE(result.ok) << result.message;
    if (!result.ok)
        return {};
    SwfSummary movie = checkSwf(file);
    EXPECT_TRUE(movie.warnings.empty()) << movie.warnings.front();
    return movie;
}

std::vector<int> FramesAt(const SwfSummary& movie, int code, int depth) {
    std::vector<int> frames;
    for (const SwfTag& tag : movie.tags)
        if (tag.code == code && tag.integer("depth") == depth)
            frames.push_back(tag.frame);
    return frames;
}

const SwfTag* PlacementAt(const SwfSummary& movie, int depth, int frame) {
    for (const SwfTag& tag : movie.tags)
        if (tag.code == kPlaceObject2 && tag.integer("depth") == depth && tag.frame == frame)
            return &tag;
    return nullptr;
}

std::vector<long> Numbers(const std::string& text) {
    std::vector<long> out;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ','))
        out.push_back(std::stol(part));
    return out;
}

std::vector<long> MatrixOf(const SwfTag& placement) { return placement.has("matrix") ? Numbers(placement.text("matrix")) : std::vector<long>{}; }
std::vector<long> CxformOf(const SwfTag& placement) { return placement.has("cxform") ? Numbers(placement.text("cxform")) : std::vector<long>{}; }

std::vector<int> Range(int from, int to) {
    std::vector<int> out;
    for (int i = from; i < to; ++i)
        out.push_back(i);
    return out;
}

} // namespace vantora::test
