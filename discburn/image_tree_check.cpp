#include "discburn/image_tree_check.h"

#include "discburn/burning_stack.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace discora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t BlockBytes = 64 * 1024;

enum class Kind { Folder, File, Link, Special, Missing };

const char* kindText(Kind kind) {
    switch (kind) {
    case Kind::Folder: return "a folder";
    case Kind::File: return "a file";
    case Kind::Link: return "a link";
    case Kind::Special: return "a special file";
    case Kind::Missing: break;
    }
    return "missing";
}

Kind kindOnDisk(const fs::path& path, bool followLink) {
    std::error_code error;
    const fs::file_status status = followLink ? fs::status(path, error) : fs::symlink_status(path, error);
    switch (status.type()) {
    case fs::file_type::directory: return Kind::Folder;
    case fs::file_type::regular: return Kind::File;
    case fs::file_type::symlink: return Kind::Link;
    case fs::file_type::not_found:
    case fs::file_type::none: return Kind::Missing;
    default: return Kind::Special;
    }
}

Kind kindInImage(IsoNode* node) {
    switch (iso_node_get_type(node)) {
    case LIBISO_DIR: return Kind::Folder;
    case LIBISO_FILE: return Kind::File;
    case LIBISO_SYMLINK: return Kind::Link;
    default: return Kind::Special;
    }
}

std::string inQuotes(const std::string& path) { return "\"" + path + "\""; }

std::string libisofsText(int code) { return iso_error_to_msg(code); }

// The written image, imported read-only.
class ImportedImage {
public:
    ImportedImage() = default;
    ImportedImage(const ImportedImage&) = delete;
    ImportedImage& operator=(const ImportedImage&) = delete;
    ~ImportedImage() {
        if (image_)
            iso_image_unref(image_);
        if (options_)
            iso_read_opts_free(options_);
        if (source_)
            iso_data_source_unref(source_);
    }

    // An empty text when the image was read, else what went wrong.
    std::string open(const std::string& path) {
        startImageLibrary();
        int result = iso_data_source_new_from_file(path.c_str(), &source_);
        if (result < 0) {
            source_ = nullptr;
            return "The written image cannot be opened: " + libisofsText(result);
        }
        if ((result = iso_read_opts_new(&options_, 0)) < 0) {
            options_ = nullptr;
            return "The written image cannot be read: " + libisofsText(result);
        }
        if ((result = iso_image_new("", &image_)) < 0) {
            image_ = nullptr;
            return "The written image cannot be read: " + libisofsText(result);
        }
        if ((result = iso_image_import(image_, source_, options_, nullptr)) < 0)
            return "The written image cannot be read: " + libisofsText(result);
        return {};
    }

    IsoDir* root() const { return iso_image_get_root(image_); }

private:
    IsoDataSource* source_ = nullptr;
    IsoReadOpts* options_ = nullptr;
    IsoImage* image_ = nullptr;
};

std::map<std::string, IsoNode*> childrenOf(IsoDir* dir) {
    std::map<std::string, IsoNode*> children;
    IsoDirIter* iter = nullptr;
    if (iso_dir_get_children(dir, &iter) < 0)
        return children;
    IsoNode* node = nullptr;
    while (iso_dir_iter_next(iter, &node) == 1)
        children.emplace(iso_node_get_name(node), node);
    iso_dir_iter_free(iter);
    return children;
}

// Calls `readSome` until `size` bytes are in or it reports the end (0); the count
// read, or -1 when a call fails.
template <typename ReadSome>
long readUntilFull(ReadSome readSome, char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const long count = readSome(data + done, size - done);
        if (count < 0)
            return -1;
        if (count == 0)
            break;
        done += static_cast<std::size_t>(count);
    }
    return static_cast<long>(done);
}

long readFully(IsoStream* stream, char* data, std::size_t size) {
    return readUntilFull([stream](char* at, std::size_t wanted) -> long {
        return iso_stream_read(stream, at, wanted);
    }, data, size);
}

long readFully(int fd, char* data, std::size_t size) {
    return readUntilFull([fd](char* at, std::size_t wanted) -> long {
        for (;;) {
            const ssize_t count = ::read(fd, at, wanted);
            if (count >= 0 || errno != EINTR)
                return static_cast<long>(count);
        }
    }, data, size);
}

class TreeComparison {
public:
    explicit TreeComparison(VerifyControl& control)
        : control_(control), imageBlock_(BlockBytes), sourceBlock_(BlockBytes) {}

    VerifyOutcome run(IsoDir* root, const std::vector<LayoutEntry>& layout) {
        std::map<std::string, fs::path> expected;
        for (const LayoutEntry& entry : layout)
            expected.emplace(entry.target, entry.source);
        // What was placed at the root is followed through a link, as the layout did.
        if (!compareFolder(root, expected, "", true))
            return outcome();
        while (!pending_.empty()) {
            Pending next = std::move(pending_.back());
            pending_.pop_back();
            if (!compareFolder(next.dir, listFolder(next.source), next.name + "/", false))
                return outcome();
        }
        return VerifyOutcome::match();
    }

private:
    struct Pending {
        IsoDir* dir;
        fs::path source;
        std::string name; // path on the disc
    };

    VerifyOutcome outcome() const {
        return stopped_ ? VerifyOutcome::stopped() : VerifyOutcome::mismatch(problem_);
    }

    bool fail(std::string problem) {
        problem_ = std::move(problem);
        return false;
    }

    std::map<std::string, fs::path> listFolder(const fs::path& folder) {
        std::map<std::string, fs::path> entries;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
            entries.emplace(it->path().filename().string(), it->path());
        if (error)
            unreadable_ = folder.string();
        return entries;
    }

    bool compareFolder(IsoDir* dir, const std::map<std::string, fs::path>& sources, const std::string& prefix,
                       bool followLinks) {
        if (!unreadable_.empty())
            return fail("The folder " + inQuotes(unreadable_) + " cannot be read to compare it.");
        const std::map<std::string, IsoNode*> children = childrenOf(dir);
        for (const auto& [name, path] : sources)
            if (!children.count(name))
                return fail(inQuotes(prefix + name) + " is missing from the written image.");
        for (const auto& [name, node] : children) {
            const auto source = sources.find(name);
            if (source == sources.end())
                return fail(inQuotes(prefix + name) + " is in the written image but not in the source folder.");
            if (!compareNode(node, source->second, prefix + name, followLinks))
                return false;
        }
        return true;
    }

    bool compareNode(IsoNode* node, const fs::path& source, const std::string& name, bool followLink) {
        if (control_.stopRequested()) {
            stopped_ = true;
            return false;
        }
        const Kind inImage = kindInImage(node);
        Kind onDisk = kindOnDisk(source, false);
        if (onDisk == Kind::Link && inImage != Kind::Link && followLink)
            onDisk = kindOnDisk(source, true);
        if (onDisk != inImage)
            return fail(inQuotes(name) + " is " + kindText(inImage) + " in the written image but " +
                        kindText(onDisk) + " in the source folder.");
        switch (inImage) {
        case Kind::Folder:
            pending_.push_back({reinterpret_cast<IsoDir*>(node), source, name});
            return true;
        case Kind::File:
            return compareFile(reinterpret_cast<IsoFile*>(node), source, name);
        case Kind::Link:
            return compareLink(reinterpret_cast<IsoSymlink*>(node), source, name);
        default:
            return true; // a device or pipe has no contents to compare
        }
    }

    bool compareLink(IsoSymlink* link, const fs::path& source, const std::string& name) {
        std::error_code error;
        const fs::path target = fs::read_symlink(source, error);
        if (error || target.string() != iso_symlink_get_dest(link))
            return fail(inQuotes(name) + " points elsewhere in the written image than in the source folder.");
        return true;
    }

    bool compareFile(IsoFile* file, const fs::path& source, const std::string& name) {
        std::error_code error;
        const std::uintmax_t sourceSize = fs::file_size(source, error);
        if (error)
            return fail(inQuotes(source.string()) + " cannot be read to compare it.");
        const off_t imageSize = iso_file_get_size(file);
        if (imageSize < 0 || static_cast<std::uintmax_t>(imageSize) != sourceSize)
            return fail(inQuotes(name) + " holds " + std::to_string(imageSize) + " bytes in the written image but " +
                        std::to_string(sourceSize) + " in the source folder.");
        const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return fail(inQuotes(source.string()) + " cannot be read to compare it.");
        IsoStream* stream = iso_file_get_stream(file);
        const int opened = stream ? iso_stream_open(stream) : -1;
        bool same = opened >= 0 && compareContents(stream, fd, source, name);
        if (opened < 0)
            fail(inQuotes(name) + " cannot be read from the written image.");
        else
            iso_stream_close(stream);
        ::close(fd);
        return same;
    }

    bool compareContents(IsoStream* stream, int fd, const fs::path& source, const std::string& name) {
        std::uint64_t offset = 0;
        for (;;) {
            if (control_.stopRequested()) {
                stopped_ = true;
                return false;
            }
            const long inImage = readFully(stream, imageBlock_.data(), BlockBytes);
            if (inImage < 0)
                return fail(inQuotes(name) + " cannot be read from the written image at byte " +
                            std::to_string(offset) + ".");
            const long onDisk = readFully(fd, sourceBlock_.data(), BlockBytes);
            if (onDisk < 0)
                return fail(inQuotes(source.string()) + " cannot be read to compare it.");
            const long common = std::min(inImage, onDisk);
            for (long i = 0; i < common; ++i)
                if (imageBlock_[static_cast<std::size_t>(i)] != sourceBlock_[static_cast<std::size_t>(i)])
                    return fail(inQuotes(name) + " differs from its source file at byte " +
                                std::to_string(offset + static_cast<std::uint64_t>(i)) + ".");
            if (inImage != onDisk)
                return fail(inQuotes(name) + " changed in length while it was compared.");
            offset += static_cast<std::uint64_t>(inImage);
            control_.advance(static_cast<std::uint64_t>(inImage));
            if (inImage < static_cast<long>(BlockBytes))
                return true;
        }
    }

    VerifyControl& control_;
    std::vector<char> imageBlock_;
    std::vector<char> sourceBlock_;
    std::vector<Pending> pending_;
    std::string problem_;
    std::string unreadable_;
    bool stopped_ = false;
};

} // namespace

VerifyOutcome checkImageTree(const std::string& imagePath, const std::vector<LayoutEntry>& layout,
                             VerifyControl& control) {
    ImportedImage image;
    if (std::string problem = image.open(imagePath); !problem.empty())
        return VerifyOutcome::mismatch(problem);
    return TreeComparison(control).run(image.root(), layout);
}

} // namespace discora
