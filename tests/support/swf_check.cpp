#include "swf_check.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantora::test {

namespace {

std::string uriDecode(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            out.push_back(char(std::stoi(s.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

std::map<std::string, std::string> parseFields(std::istringstream& words) {
    std::map<std::string, std::string> fields;
    std::string word;
    while (words >> word) {
        const size_t eq = word.find('=');
        if (eq != std::string::npos)
            fields[word.substr(0, eq)] = uriDecode(word.substr(eq + 1));
    }
    return fields;
}

long toLong(const std::map<std::string, std::string>& f, const std::string& key) {
    auto it = f.find(key);
    return it == f.end() || it->second.empty() ? 0 : std::stol(it->second);
}

std::string shellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

} // namespace

std::string SwfTag::text(const std::string& key) const {
    auto it = fields.find(key);
    return it == fields.end() ? std::string() : it->second;
}

long SwfTag::integer(const std::string& key, long fallback) const {
    auto it = fields.find(key);
    if (it == fields.end() || it->second.empty())
        return fallback;
    return std::stol(it->second);
}

std::vector<int> SwfTag::codes() const {
    std::vector<int> out;
    for (const auto& t : children)
        out.push_back(t.code);
    return out;
}

std::vector<int> SwfSummary::codes() const {
    std::vector<int> out;
    for (const auto& t : tags)
        out.push_back(t.code);
    return out;
}

const SwfTag* SwfSummary::find(int code, int nth) const {
    for (const auto& t : tags)
        if (t.code == code && nth-- == 0)
            return &t;
    return nullptr;
}

std::vector<const SwfTag*> SwfSummary::all(int code) const {
    std::vector<const SwfTag*> out;
    for (const auto& t : tags)
        if (t.code == code)
            out.push_back(&t);
    return out;
}

SwfSummary parseSwfCheckOutput(const std::string& output) {
    SwfSummary s;
    std::istringstream lines(output);
    std::string line;
    bool sawHeader = false;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "header") {
            auto f = parseFields(words);
            s.signature = f["signature"];
            s.version = int(toLong(f, "version"));
            s.fileLength = toLong(f, "fileLength");
            s.storedLength = toLong(f, "storedLength");
            s.xMin = int(toLong(f, "xMin"));
            s.xMax = int(toLong(f, "xMax"));
            s.yMin = int(toLong(f, "yMin"));
            s.yMax = int(toLong(f, "yMax"));
            s.frameRate = f["frameRate"].empty() ? 0.0 : std::stod(f["frameRate"]);
            s.frameRateWord = int(toLong(f, "frameRateWord"));
            s.frameCount = int(toLong(f, "frameCount"));
            sawHeader = true;
        } else if (kind == "tag") {
            auto f = parseFields(words);
            SwfTag tag;
            const int level = int(toLong(f, "level"));
            tag.code = int(toLong(f, "code"));
            tag.frame = int(toLong(f, "frame"));
            tag.length = toLong(f, "len");
            tag.longHeader = toLong(f, "longHeader") != 0;
            for (const char* k : {"level", "code", "frame", "len", "longHeader"})
                f.erase(k);
            tag.fields = std::move(f);
            std::vector<SwfTag>* list = &s.tags;
            for (int l = 0; l < level && !list->empty(); ++l)
                list = &list->back().children;
            list->push_back(std::move(tag));
        } else if (kind == "warning") {
            auto f = parseFields(words);
            s.warnings.push_back(f["text"]);
        }
    }
    s.ok = sawHeader;
    if (!sawHeader)
        s.error = output;
    return s;
}

SwfSummary checkSwf(const std::filesystem::path& movie) {
    const std::string script = std::string(VANTORA_NODE_TOOLS_DIR) + "/swf-check.mjs";
    std::string output;
    const int rc = runCommand("node " + shellQuote(script) + " " + shellQuote(movie.string()) + " 2>&1", output);
    if (rc != 0) {
        ADD_FAILURE() << "the independent parser rejects " << movie << " (exit " << rc << "): " << output;
        SwfSummary failed;
        failed.error = output;
        return failed;
    }
    SwfSummary s = parseSwfCheckOutput(output);
    if (!s.ok)
        ADD_FAILURE() << "unreadable output of swf-check for " << movie << ": " << output;
    return s;
}

} // namespace vantora::test
