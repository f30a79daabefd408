#include "build_tool/json_writer.h"

#include <cstdio>

namespace vantora::buildtool {

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (keyPending_) {
        keyPending_ = false;
        return;
    }
    if (levels_.empty())
        return;
    if (levels_.back().members++ > 0)
        out_ += ',';
    newline();
}

void JsonWriter::open(char bracket, bool isObject) {
    beforeValue();
    out_ += bracket;
    levels_.push_back({isObject});
}

void JsonWriter::close(char bracket) {
    const bool hadMembers = !levels_.empty() && levels_.back().members > 0;
    if (!levels_.empty())
        levels_.pop_back();
    if (hadMembers)
        newline();
    out_ += bracket;
    if (levels_.empty())
        out_ += '\n';
}

JsonWriter& JsonWriter::beginObject() {
    open('{', true);
    return *this;
}
JsonWriter& JsonWriter::endObject() {
    close('}');
    return *this;
}
JsonWriter& JsonWriter::beginArray() {
    open('[', false);
    return *this;
}
JsonWriter& JsonWriter::endArray() {
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += JsonQuote(name);
    out_ += ": ";
    keyPending_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ += JsonQuote(text);
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::uint64_t number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

} // namespace vantora::buildtool
