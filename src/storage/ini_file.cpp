#include "storage/ini_file.h"

#include "base/windows1252.h"
#include "base/safe_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vantora {
namespace {

std::string_view trim(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string singleLine(std::string_view value) {
    std::string out(value);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

} // namespace

IniFile IniFile::Parse(std::string_view text) {
    // Files written by the Windows program hold Windows-1252 text; ours hold UTF-8.
    std::string decoded = IsValidUtf8(text)
                              ? std::string(text)
                              : AnsiToUtf8({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    IniFile ini;
    std::string_view rest = decoded;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view raw = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        Line line;
        line.raw = std::string(raw.size() && raw.back() == '\r' ? raw.substr(0, raw.size() - 1) : raw);
        const std::string_view content = trim(raw);
        if (content.size() >= 2 && content.front() == '[' && content.find(']') != std::string_view::npos) {
            line.kind = Line::Kind::Section;
            line.section = std::string(trim(content.substr(1, content.find(']') - 1)));
        } else if (const std::size_t equals = content.find('='); equals != std::string_view::npos && equals > 0 &&
                                                                 content.front() != ';') {
            line.kind = Line::Kind::Key;
            line.key = std::string(trim(content.substr(0, equals)));
            line.value = std::string(trim(content.substr(equals + 1)));
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

IniFile IniFile::Load(const std::filesystem::path& file) {
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome outcome = ReadFileLimited(file, kMaxIniFileBytes, bytes);
    if (!outcome.ok()) {
        IniFile empty;
        std::error_code error;
        empty.writable_ = !std::filesystem::exists(file, error) && !error;
        return empty;
    }
    return Parse({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

std::size_t IniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Kind::Section && equalsIgnoringCase(lines_[i].section, section))
            return i;
    return std::string::npos;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const std::size_t start = findSection(section);
    if (start == std::string::npos)
        return std::nullopt;
    for (std::size_t i = start + 1; i < lines_.size() && lines_[i].kind != Line::Kind::Section; ++i)
        if (lines_[i].kind == Line::Kind::Key && equalsIgnoringCase(lines_[i].key, key))
            return lines_[i].value;
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    Line line;
    line.kind = Line::Kind::Key;
    line.key = std::string(key);
    line.value = singleLine(value);
    line.raw = line.key + "=" + line.value;

    std::size_t start = findSection(section);
    if (start == std::string::npos) {
        if (!lines_.empty() && !trim(lines_.back().raw).empty())
            lines_.push_back({});
        Line header;
        header.kind = Line::Kind::Section;
        header.section = std::string(section);
        header.raw = "[" + header.section + "]";
        lines_.push_back(std::move(header));
        lines_.push_back(std::move(line));
        return;
    }
    std::size_t insertAt = start + 1;
    for (std::size_t i = start + 1; i < lines_.size() && lines_[i].kind != Line::Kind::Section; ++i) {
        if (lines_[i].kind == Line::Kind::Key && equalsIgnoringCase(lines_[i].key, key)) {
            line.key = lines_[i].key; // keep the spelling already in the file
            line.raw = line.key + "=" + line.value;
            lines_[i] = std::move(line);
            return;
        }
        if (!trim(lines_[i].raw).empty())
            insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

std::string IniFile::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += '\n';
    }
    return out;
}

bool IniFile::save(const std::filesystem::path& file) const {
    if (!writable_)
        return false;
    const std::string content = text();
    return WriteFileSafely(file, {reinterpret_cast<const std::uint8_t*>(content.data()), content.size()}).ok();
}

std::optional<std::int64_t> ParseIniInteger(std::string_view text) {
    text = trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || magnitude > (1ull << 32))
        return std::nullopt;
    return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

} // namespace vantora
