#pragma once
// The names of the shipped files that were once put into the program folder. From then on the
// copy is the user's: when they delete it, it stays deleted instead of coming back at the next
// start. Kept as a text file, one name per line.

#include <filesystem>
#include <set>
#include <string>

namespace vantora {

class InstallLedger {
public:
    // The ledger kept in `file`; a missing or unreadable file gives an empty ledger.
    explicit InstallLedger(std::filesystem::path file);

    bool Contains(const std::string& name) const { return names_.contains(name); }
    void Add(const std::string& name);
    // Forgets every name that starts with `prefix` (a folder's "Gallery/", for example).
    void ForgetPrefix(const std::string& prefix);

    // Writes the ledger back when it changed. False when that failed.
    bool Save();

private:
    std::filesystem::path file_;
    std::set<std::string> names_;
    bool changed_ = false;
};

} // namespace vantora
