#pragma once
// The data image: an ISO 9660 file tree with Joliet and Rock Ridge (so long names survive on
// every reader), built from files and folders on disk, and the stream that produces its bytes.

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

struct burn_source;
struct Iso_Image;

namespace discora {

// One thing placed at the root of the disc: the file or folder on disk and its name there.
struct LayoutEntry {
    std::string source;
    std::string target;
    bool folder = false;
};

class IsoLayout {
public:
    IsoLayout();
    ~IsoLayout();
    IsoLayout(const IsoLayout&) = delete;
    IsoLayout& operator=(const IsoLayout&) = delete;

    // Starts again with an empty tree. False when libisofs cannot make an image.
    bool reset();
    // A folder and everything below it, or a single file, placed at the root under `targetName`.
    bool addFolder(const std::string& sourceFolder, const std::string& targetName);
    bool addFile(const std::string& sourceFile, const std::string& targetName);

    // Everything added since the last reset, in the order it was added.
    const std::vector<LayoutEntry>& entries() const { return entries_; }

    void setVolumeLabel(const std::string& label) { label_ = label; }
    const std::string& volumeLabel() const { return label_; }
    // Stamps every time in the image with `time` (0 = the time of writing), so that two runs
    // give identical bytes.
    void setFixedTime(std::time_t time) { fixedTime_ = time; }

    // A stream of the whole image; the caller owns it (freeStream). With `sizeOnly` no image
    // bytes are produced: the stream only tells its size and must be cancelled.
    ::burn_source* openStream(bool sizeOnly);
    // Bytes of the whole image, 0 when it cannot be laid out.
    std::uint64_t size();

private:
    Iso_Image* image_ = nullptr;
    std::vector<LayoutEntry> entries_;
    std::string label_ = "MYDISC";
    std::time_t fixedTime_ = 0;
};

} // namespace discora
