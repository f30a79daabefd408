#pragma once
// Reading a written image back, independently of the code that wrote it: xorriso extracts the
// Rock Ridge tree, libisofs lists the Joliet names.

#include "discburn/burn_engine.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace discora::test {

// Relative path -> file bytes; folders appear with the value "<dir>".
using Tree = std::map<std::string, std::string>;

Tree readTree(const std::filesystem::path& folder);
// Extracts the whole image into `into` with xorriso; false (and the tool's output) on failure.
bool extractImage(const std::filesystem::path& image, const std::filesystem::path& into, std::string& output);
// The names at the root of the image's Joliet tree.
std::vector<std::string> jolietRootNames(const std::filesystem::path& image);
// The volume id of the primary volume descriptor.
std::string volumeId(const std::filesystem::path& image);

// Polls until the engine has finished its operation, with a deadline; the events in order.
std::vector<BurnEvent> runToEnd(BurnEngine& engine, std::chrono::seconds timeout = std::chrono::seconds(60));

// Helpers to look at collected events.
std::vector<int> writeStatuses(const std::vector<BurnEvent>& events);
const WriteErrorEvent* firstWriteError(const std::vector<BurnEvent>& events);

void writeText(const std::filesystem::path& path, const std::string& text);
// `count` bytes from a generator seeded with `seed`: the same seed gives the same bytes.
std::string randomBytes(std::size_t count, unsigned seed);
// A file of `size` zero bytes that takes no room on disk: enough to keep a write busy for a while.
bool makeSparseFile(const std::filesystem::path& path, std::int64_t size);

// Damages a written image: flips the bits of the byte right after the first `marker` in the file
// (or, with an empty marker, of the byte at `offset`). False when there is no such byte.
bool flipByteAfter(const std::filesystem::path& image, const std::string& marker, std::uint64_t offset = 0);

} // namespace discora::test
