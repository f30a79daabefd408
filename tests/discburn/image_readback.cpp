#include "image_readback.h"

#include "test_support.h"

#include <stdint.h>

#include <libisofs/libisofs.h>

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace discora::test {

namespace fs = std::filesystem;

Tree readTree(const fs::path& folder) {
    Tree tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).generic_string();
        if (entry.is_directory()) {
            tree[relative] = "<dir>";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            tree[relative] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return tree;
}

bool extractImage(const fs::path& image, const fs::path& into, std::string& output) {
    const std::string command = "xorriso -osirrox on -indev '" + image.string() + "' -extract / '" +
                                into.string() + "' 2>&1";
    return vantora::test::runCommand(command, output) == 0;
}

std::vector<std::string> jolietRootNames(const fs::path& image) {
    std::vector<std::string> names;
    iso_init();
    IsoDataSource* source = nullptr;
    if (iso_data_source_new_from_file(image.c_str(), &source) < 0)
        return names;
    IsoReadOpts* options = nullptr;
    iso_read_opts_new(&options, 0);
    iso_read_opts_set_no_rockridge(options, 1);
    iso_read_opts_set_preferjoliet(options, 1);
    IsoImage* read = nullptr;
    iso_image_new("", &read);
    if (iso_image_import(read, source, options, nullptr) >= 0) {
        IsoDirIter* iter = nullptr;
        iso_dir_get_children(iso_image_get_root(read), &iter);
        IsoNode* node = nullptr;
        while (iso_dir_iter_next(iter, &node) == 1)
            names.emplace_back(iso_node_get_name(node));
        iso_dir_iter_free(iter);
    }
    iso_image_unref(read);
    iso_read_opts_free(options);
    iso_data_source_unref(source);
    return names;
}

std::string volumeId(const fs::path& image) {
    std::ifstream in(image, std::ios::binary);
    in.seekg(16 * 2048 + 40);
    std::string id(32, ' ');
    in.read(id.data(), 32);
    while (!id.empty() && id.back() == ' ')
        id.pop_back();
    return id;
}

std::vector<BurnEvent> runToEnd(BurnEngine& engine, std::chrono::seconds timeout) {
    std::vector<BurnEvent> events;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        for (BurnEvent& event : engine.poll())
            events.push_back(std::move(event));
        if (!engine.busy())
            break;
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the engine did not finish in time");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return events;
}

std::vector<int> writeStatuses(const std::vector<BurnEvent>& events) {
    std::vector<int> statuses;
    for (const BurnEvent& event : events)
        if (const auto* status = std::get_if<WriteStatusEvent>(&event))
            statuses.push_back(status->status);
    return statuses;
}

const WriteErrorEvent* firstWriteError(const std::vector<BurnEvent>& events) {
    for (const BurnEvent& event : events)
        if (const auto* error = std::get_if<WriteErrorEvent>(&event))
            return error;
    return nullptr;
}

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() & 0xff);
    return bytes;
}

bool makeSparseFile(const fs::path& path, std::int64_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0)
        return false;
    const bool sized = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    ::close(fd);
    return sized;
}

bool flipByteAfter(const fs::path& image, const std::string& marker, std::uint64_t offset) {
    std::fstream file(image, std::ios::in | std::ios::out | std::ios::binary);
    if (!file)
        return false;
    std::uint64_t at = offset;
    if (!marker.empty()) {
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        const std::size_t found = bytes.find(marker);
        if (found == std::string::npos)
            return false;
        at = found + marker.size();
        file.clear();
    }
    file.seekg(static_cast<std::streamoff>(at));
    char byte = 0;
    if (!file.get(byte))
        return false;
    file.seekp(static_cast<std::streamoff>(at));
    file.put(static_cast<char>(~byte));
    return static_cast<bool>(file.flush());
}

} // namespace discora::test
