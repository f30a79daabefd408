#pragma once
// One publisher per target behind one interface: its caption, what it asks the user for (a file
// of some type, or a folder), which settings dialog serves it, and the work itself. The Publish
// dialog lists the targets in order; vantora-build calls the same publishers.

#include "base/progress.h"
#include "model/demo.h"
#include "publish/publish_result.h"
#include "publish/publish_settings.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantora::publish {

enum class SettingsDialog {
    None,
    Executable,         // "Executable File Settings" with Style and Key For Exit
    ExecutableLauncher, // the same without them: the settings go to the CD launcher
    Html,               // "HTML File Settings"
    Web,                // "Web Page Settings" with Title and Show controls
    Video,              // "Video Settings": hold, size, frame rate, quality
};

struct PublishContext {
    const ProgressObserver* progress = nullptr;
    // Burn CD Directly: starts the disc burner on the folder and returns once it has ended.
    std::function<void(const std::filesystem::path& folder)> burnFolder;
    // The system temporary folder + "Vantora"; empty: the real one.
    std::filesystem::path temporaryFolder;
};

// The extension of a filter's first pattern: ".swf" for "SWF files (*.swf)|*.swf"; empty when the
// filter has no "*.ext" pattern.
std::string ExtensionOfFilter(std::string_view filter);

class TPublisher;

// The target a name was typed for: the name with the publisher's extension when it has none, as
// "tour" becomes "tour.htm". Names with an extension, and folders, stay as they are.
std::filesystem::path CompleteTargetName(const TPublisher& publisher, const std::filesystem::path& target);

class TPublisher {
public:
    virtual ~TPublisher() = default;
    virtual std::string_view Name() const = 0;
    // The save dialog's filter, e.g. "SWF files (*.swf)|*.swf"; empty for targets that write a folder.
    virtual std::string_view FileFilter() const { return {}; }
    // The extension, with its dot, that a name typed without one gets (".swf"); empty for targets
    // whose files have none or that write a folder. By default the filter's first pattern.
    virtual std::string DefaultExtension() const { return ExtensionOfFilter(FileFilter()); }
    virtual SettingsDialog Settings() const { return SettingsDialog::None; }
    virtual bool IsAutoRun() const { return false; }
    // `target` is the chosen file, or for AutoRun targets the chosen folder (unused with Burn CD
    // Directly).
    virtual PublishResult Publish(const TVantora& demo, const PublishSettings& settings,
                                  const std::filesystem::path& target, const PublishContext& context) const = 0;
};

// The targets of the Publish dialog, in the order of its radio buttons.
std::vector<std::unique_ptr<TPublisher>> DialogPublishers();

// The temporary folder of `context`.
std::filesystem::path TemporaryFolderOf(const PublishContext& context);

} // namespace vantora::publish
