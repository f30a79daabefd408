#pragma once
// Bridge to the independent SWF parser (tests/tools/swf-check.mjs, built on the npm package
// swf-parser): every movie a test writes can be read back by code that nobody here wrote.
//
//   const SwfSummary movie = checkSwf(path);      // fails the current test when it does not parse
//   EXPECT_EQ(movie.frameCount, 3);
//   EXPECT_EQ(movie.codes(), (std::vector<int>{9, 22, 26, 1, 0}));
//   const SwfTag* place = movie.find(26);        // first PlaceObject2
//   EXPECT_EQ(place->integer("depth"), 1);
//
// Tag fields are what the script prints (see its header comment): ids, depths, matrices as
// "a,b,c,d,tx,ty" in raw 16.16 and twips, colour transforms, shape styles and paths, bitmap
// formats and inflated pixels, action bytes in hex.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vantora::test {

struct SwfTag {
    int code = -1;
    int frame = 0;
    long length = 0;
    bool longHeader = false;
    std::map<std::string, std::string> fields;
    std::vector<SwfTag> children; // the tags of a DefineSprite

    bool has(const std::string& key) const { return fields.count(key) != 0; }
    // The field's text, or "" when absent.
    std::string text(const std::string& key) const;
    // The field as an integer, or `fallback` when absent.
    long integer(const std::string& key, long fallback = -1) const;
    std::vector<int> codes() const;
};

struct SwfSummary {
    bool ok = false;
    std::string error; // the checker's message when !ok
    std::string signature;
    int version = 0;
    long fileLength = 0;
    long storedLength = 0;
    int xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    double frameRate = 0;
    int frameRateWord = 0;
    int frameCount = 0;
    std::vector<SwfTag> tags;
    std::vector<std::string> warnings;

    // Top-level tag codes in file order (End included).
    std::vector<int> codes() const;
    // The nth (0-based) top-level tag with that code, or nullptr.
    const SwfTag* find(int code, int nth = 0) const;
    // All top-level tags with that code.
    std::vector<const SwfTag*> all(int code) const;
};

// Runs the checker on a file. Adds a test failure (and returns ok = false) when node cannot run
// or the file does not parse; warnings are returned for the test to judge.
SwfSummary checkSwf(const std::filesystem::path& movie);

// Parses the checker's output (exposed for the bridge's own tests).
SwfSummary parseSwfCheckOutput(const std::string& output);

} // namespace vantora::test
