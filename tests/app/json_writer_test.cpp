// The tool's JSON writer: nesting, separators and string escapes.

#include "build_tool/json_writer.h"

#include <gtest/gtest.h>

namespace vantora::buildtool {
namespace {

TEST(JsonWriter, NestsObjectsAndArraysWithCommasAndIndentation) {
    JsonWriter json;
    json.beginObject();
    json.key("a").value(1);
    json.key("b").beginArray().value(true).value("x").null().endArray();
    json.key("c").beginObject().endObject();
    json.key("d").beginArray().endArray();
    json.endObject();
    EXPECT_EQ(json.text(), "{\n  \"a\": 1,\n  \"b\": [\n    true,\n    \"x\",\n    null\n  ],\n  \"c\": {},\n  \"d\": []\n}\n");
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonQuote("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonQuote("line\r\nnext\ttab"), "\"line\\r\\nnext\\ttab\"");
    EXPECT_EQ(JsonQuote(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
    EXPECT_EQ(JsonQuote("café €"), "\"café €\""); // UTF-8 passes through
}

TEST(JsonWriter, WritesTheFullRangeOfStoredNumbers) {
    JsonWriter json;
    json.beginArray().value(std::int32_t{-2147483647 - 1}).value(std::uint32_t{0xFFFFFFFF}).endArray();
    EXPECT_EQ(json.text(), "[\n  -2147483648,\n  4294967295\n]\n");
}

} // namespace
} // namespace vantora::buildtool
