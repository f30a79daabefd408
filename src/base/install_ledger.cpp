#include "base/install_ledger.h"

#include "base/safe_file.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vantora {
namespace {

// A ledger is a few kilobytes; a larger file is not one of ours and is ignored.
constexpr std::uintmax_t kMaxLedgerBytes = 1024 * 1024;

} // namespace

InstallLedger::InstallLedger(std::filesystem::path file) : file_(std::move(file)) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileLimited(file_, kMaxLedgerBytes, bytes).ok())
        return;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            names_.emplace(line);
        start = end + 1;
    }
}

void InstallLedger::Add(const std::string& name) {
    if (name.empty() || name.find('\n') != std::string::npos)
        return;
    changed_ = names_.insert(name).second || changed_;
}

void InstallLedger::ForgetPrefix(const std::string& prefix) {
    for (auto it = names_.lower_bound(prefix); it != names_.end() && it->starts_with(prefix);) {
        it = names_.erase(it);
        changed_ = true;
    }
}

bool InstallLedger::Save() {
    if (!changed_)
        return true;
    std::string text;
    for (const std::string& name : names_)
        text += name + '\n';
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!WriteFileSafely(file_, {data, text.size()}).ok())
        return false;
    changed_ = false;
    return true;
}

} // namespace vantora
