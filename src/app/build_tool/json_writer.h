#pragma once
// A tiny JSON writer for the tool's reports: objects, arrays, strings, integers and booleans,
// indented two spaces per level.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantora::buildtool {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();

    // The name of the next member; only inside an object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(std::int32_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint32_t number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(std::uint64_t number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    // The document so far, ending in a line break once the outermost value is closed.
    const std::string& text() const { return out_; }

private:
    struct Level {
        bool isObject;
        int members = 0;
    };

    // Separator and indentation before a value (or before a key inside an object).
    void beforeValue();
    void open(char bracket, bool isObject);
    void close(char bracket);
    void newline();

    std::string out_;
    std::vector<Level> levels_;
    bool keyPending_ = false;
};

// The text quoted and escaped as a JSON string (UTF-8 passes through unchanged).
std::string JsonQuote(std::string_view text);

} // namespace vantora::buildtool
