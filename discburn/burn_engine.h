#pragma once
// The burning engine as the window sees it: the data image and its file layout, the writer
// drives, and the long operations (write, save ISO file, quick erase) that report their progress
// as events. The window asks for pending events on a timer, so it never blocks while a drive works.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace discora {

struct DriveEntry {
    std::string name;
    bool compatible = true; // false for drives that cannot write (readers only)
};

// One write speed a drive offers: the factor shown to the user and the value handed back on write.
struct SpeedEntry {
    double factor = 0.0;
    int value = 0;
};

struct MediaInfo {
    bool present = false;
    bool writable = false;
    bool rewritable = false;
    int type = 0; // the engine's own media type code
};

// Write status codes reported while writing a disc or saving an ISO file.
namespace write_status {
inline constexpr int Preparing = 0;
inline constexpr int WritingFirst = 1; // 1, 2 and 3 all carry the image progress
inline constexpr int Writing = 2;
inline constexpr int WritingLast = 3;
inline constexpr int ClosingTrack = 4;
inline constexpr int WritingLeadIn = 5;
inline constexpr int WritingLeadOut = 6;
inline constexpr int UpdatingVolume = 8;
inline constexpr int Completed = 9;
inline constexpr int Cancelled = 10;
inline constexpr int Failed = 11;
// After a write: the written data is being read back and compared; carries the percent compared.
inline constexpr int Verifying = 12;
} // namespace write_status

// Kinds of write errors.
namespace error_kind {
inline constexpr int Drive = 1;
inline constexpr int OutputFile = 2;
inline constexpr int SourceFile = 3;
inline constexpr int System = 5;
inline constexpr int Other = 6;
inline constexpr int Verify = 7; // the data read back differs from what was meant to be written
} // namespace error_kind

// Erase status codes.
namespace erase_status {
inline constexpr int Started = 0;
inline constexpr int Progress = 1;
inline constexpr int Completed = 2;
inline constexpr int Failed = 3;
} // namespace erase_status

// What a drive reports when it fails: a code, a description and two further texts (the drive
// and the severity of its complaint).
struct DriveError {
    int code = 0;
    std::string description;
    std::string first;
    std::string second;
};

struct WriteStatusEvent {
    int status = 0;
    int progress = 0; // percent of the image written
};

struct WriteErrorEvent {
    int kind = error_kind::Other;
    int code = 0;
    std::string text;
    DriveError drive; // filled for error_kind::Drive
};

struct TrackFileWarningEvent {
    int code = 0;
    std::string text;
    std::string fileName;
};

struct EraseStatusEvent {
    int status = 0;
    int progress = 0;
};

struct EraseErrorEvent {
    DriveError drive;
};

using BurnEvent = std::variant<WriteStatusEvent, WriteErrorEvent, TrackFileWarningEvent,
                               EraseStatusEvent, EraseErrorEvent>;

class BurnEngine {
public:
    virtual ~BurnEngine() = default;

    // True when drives can be used at all.
    virtual bool initialize() = 0;

    // The file layout of the data image. Target names are placed at the root of the disc.
    virtual void resetLayout() = 0;
    virtual bool addFolder(const std::string& sourceFolder, const std::string& targetName) = 0;
    virtual bool addFile(const std::string& sourceFile, const std::string& targetName) = 0;
    virtual void setVolumeLabel(const std::string& label) = 0;
    // Bytes the image needs on the disc; 0 when it cannot be laid out.
    virtual std::uint64_t imageSize() = 0;

    // Drives in the order of their index. selectDrive makes one the current drive.
    virtual std::vector<DriveEntry> drives() = 0;
    virtual bool selectDrive(int index) = 0;
    virtual std::vector<SpeedEntry> speeds() = 0;
    virtual MediaInfo refreshMedia() = 0;
    virtual bool canQuickErase(const MediaInfo& media) = 0;
    virtual std::uint64_t freeBytes() = 0;

    // Long operations: true when started; their course arrives through poll().
    virtual bool startWrite(int speedValue) = 0;
    virtual bool startIsoFile(const std::string& path) = 0;
    virtual bool startQuickErase() = 0;
    virtual void abort() = 0;
    // True when the last write was read back and found to hold what was meant to be written.
    virtual bool wasVerified() = 0;
    virtual bool busy() const = 0;

    virtual void eject() = 0;
    virtual void closeTray() = 0;

    // Events that arrived since the last call, oldest first.
    virtual std::vector<BurnEvent> poll() = 0;
};

} // namespace discora
