#pragma once
// "Executable file (.exe)": the player program with the chosen icon and version information
// stamped into a working copy, followed by the block with the window settings and the movie. The
// Linux stand-alone program is made the same way from the Linux player, without stamping.

#include "publish/publisher.h"

namespace vantora::publish {

// The name of the player's working copy in the temporary folder.
inline constexpr std::string_view kPlayerWorkingCopy = "TmpPlayer.exe";

PublishResult MakeStandaloneProgram(const TVantora& demo, const PublishSettings& settings,
                                    const std::filesystem::path& output, const PublishContext& context);

// The same with the Linux player "vantora-player"; the output is made executable.
PublishResult MakeLinuxProgram(const TVantora& demo, const PublishSettings& settings,
                               const std::filesystem::path& output, const PublishContext& context);

// Stamps a copied program: the icon when one is set and exists, then the version information.
// Returns a ResourceUpdate failure with the error's text.
PublishResult StampProgram(const std::filesystem::path& program, const PublishSettings& settings);

class TExePublisher : public TPublisher {
public:
    std::string_view Name() const override { return "Executable file (.exe)"; }
    std::string_view FileFilter() const override { return "EXE Files (*.exe)|*.exe"; }
    SettingsDialog Settings() const override { return SettingsDialog::Executable; }
    PublishResult Publish(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& target,
                          const PublishContext& context) const override {
        return MakeStandaloneProgram(demo, settings, target, context);
    }
};

// "Linux program": the same stand-alone program made from the Linux player. Its file has no
// extension; the window settings (title, style, key for exit) are those of the .exe.
class TLinuxProgramPublisher : public TPublisher {
public:
    std::string_view Name() const override { return "Linux program"; }
    SettingsDialog Settings() const override { return SettingsDialog::Executable; }
    PublishResult Publish(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& target,
                          const PublishContext& context) const override {
        return MakeLinuxProgram(demo, settings, target, context);
    }
};

} // namespace vantora::publish
