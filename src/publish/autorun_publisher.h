#pragma once
// The two AutoRun CD/DVD targets: a folder with "autorun.inf", "autorun.ico" and either the
// stand-alone program as "autorun.exe", or the movie and page as "autorun.swf" and "autorun.htm"
// with the CD launcher "autorun.exe" beside them. With Burn CD Directly the folder is the
// temporary CD folder, handed to the disc burner once it is complete.

#include "publish/publisher.h"

namespace vantora::publish {

inline constexpr std::string_view kTemporaryCdFolder = "TmpCDROM";
inline constexpr std::string_view kAutoRunInfText = "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n";

// The temporary CD folder, made when missing, emptied of the files of an earlier AutoRun target.
std::filesystem::path PrepareTemporaryCdFolder(const PublishContext& context);

class TAutoRunPublisher : public TPublisher {
public:
    // WebPage: the web page folder with "autorun.htm" leading to its index.html (vantora-build only).
    enum class Content { Program, HtmlPage, WebPage };
    explicit TAutoRunPublisher(Content content) : content_(content) {}

    std::string_view Name() const override;
    SettingsDialog Settings() const override;
    bool IsAutoRun() const override { return true; }
    PublishResult Publish(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& target,
                          const PublishContext& context) const override;

private:
    PublishResult writeContent(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& folder,
                               const PublishContext& context) const;
    Content content_;
};

} // namespace vantora::publish
