#pragma once
// Small demos for the movie builder's tests, built into a fresh program folder and read back
// through the independent parser.

#include "model/demo.h"
#include "movie/movie_builder.h"

#include "swf_check.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantora::test {

inline constexpr int kPlaceObject2 = 26;
inline constexpr int kRemoveObject2 = 28;
inline constexpr int kShowFrame = 1;
inline constexpr int kDoAction = 12;
inline constexpr int kDefineSprite = 39;

class MovieTest : public ::testing::Test {
protected:
    // A scene of `length` timeline units with a white background and no picture.
    TDemoFrame& AddScene(int length = 10);
    // An object with every channel at rest, placed directly, centred registration point.
    TDemoObject& AddObject(TDemoFrame& scene, TObjectKind kind, int left, int top, int width, int height, int start,
                           int end);
    // Builds (the whole demo, or one scene) into the program folder and parses the result. Fails
    // the test when the build or the parse fails.
    SwfSummary Build(const MovieBuildOptions& options = {});

    ScopedProgramFolder home_;
    TVantora demo_;
};

// Frames of the top-level tags with `code` at `depth`.
std::vector<int> FramesAt(const SwfSummary& movie, int code, int depth);
// The top-level placement at `depth` in `frame`, or nullptr.
const SwfTag* PlacementAt(const SwfSummary& movie, int depth, int frame);
// The placement's matrix as six integers, or nothing when it has none.
std::vector<long> MatrixOf(const SwfTag& placement);
// The placement's colour transform as eight integers, or nothing.
std::vector<long> CxformOf(const SwfTag& placement);
// A list "a,b,c" as integers.
std::vector<long> Numbers(const std::string& text);
// [from, to) as a list.
std::vector<int> Range(int from, int to);

} // namespace vantora::test
