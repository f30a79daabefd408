// A name typed without an extension gets its target's extension: "tour" becomes "tour.htm" for
// the HTML page, and stays "tour" for the Linux program, whose files have none.

#include "publish/publisher.h"

#include <gtest/gtest.h>

namespace vantora::publish {
namespace {

TEST(TargetName, TheFiltersFirstPatternGivesTheExtension) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"SWF files (*.swf)|*.swf", ".swf"},
        {"Movies (*.mp4;*.webm)|*.mp4;*.webm", ".mp4"},
        {"", ""},
        {"All files (*)|*", ""},
        {"Anything (*.*)|*.*", ""},
        {"No patterns", ""},
    };
    for (const auto& [filter, extension] : cases)
        EXPECT_EQ(ExtensionOfFilter(filter), extension) << filter;
}

const TPublisher& named(const std::vector<std::unique_ptr<TPublisher>>& publishers, std::string_view name) {
    for (const auto& publisher : publishers)
        if (publisher->Name() == name)
            return *publisher;
    ADD_FAILURE() << "no target " << name;
    return *publishers.front();
}

TEST(TargetName, EachTargetCompletesANameWithoutExtension) {
    const auto publishers = DialogPublishers();
    struct Case {
        std::string_view target;
        std::filesystem::path typed;
        std::filesystem::path published;
    };
    const Case cases[] = {
        {"Shockwave Flash (.swf)", "/out/tour", "/out/tour.swf"},
        {"HTML (.htm and .swf)", "/out/tour", "/out/tour.htm"},
        {"Executable file (.exe)", "/out/tour", "/out/tour.exe"},
        {"Executable file (.exe)", "/out/tour.v2", "/out/tour.v2"}, // an extension of its own stays
        {"HTML (.htm and .swf)", "/out/tour.html", "/out/tour.html"},
        {"Linux program", "/out/tour", "/out/tour"},
        {"AutoRun CD/DVD with HTML file", "/out/cd", "/out/cd"},
        {"Shockwave Flash (.swf)", "/out/", "/out/"},
        {"Shockwave Flash (.swf)", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompleteTargetName(named(publishers, c.target), c.typed), c.published)
            << c.target << ": " << c.typed;
}

} // namespace
} // namespace vantora::publish
