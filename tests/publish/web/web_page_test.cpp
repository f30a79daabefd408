// The web page target: texts reach the page only escaped, and a published demo is a folder of
// index.html, the runtime, the movie's data script and its media.

#include "model/scene_operations.h"
#include "publish/web/script_text.h"
#include "publish/web/web_page.h"
#include "publish/web/web_publisher.h"
#include "publish/web/web_runtime.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vantora::publish::web {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ScriptText, EscapesWhatCouldEndAScriptOrAString) {
    const struct {
        std::string in, script, html;
    } cases[] = {
        {"plain", "\"plain\"", "plain"},
        {"a\"b\\c", "\"a\\\"b\\\\c\"", "a&quot;b\\c"},
        {"</script><b>", "\"\\u003c/script\\u003e\\u003cb\\u003e\"", "&lt;/script&gt;&lt;b&gt;"},
        {"x&y'z", "\"x\\u0026y'z\"", "x&amp;y&#39;z"},
        {"line\r\n\t\x01", "\"line\\r\\n\\t\\u0001\"", "line\r\n\t\x01"},
        {"\xE2\x80\xA8\xE2\x80\xA9", "\"\\u2028\\u2029\"", "\xE2\x80\xA8\xE2\x80\xA9"},
        {"\xC3\xA9\xF0\x9F\x98\x80", "\"\xC3\xA9\xF0\x9F\x98\x80\"", "\xC3\xA9\xF0\x9F\x98\x80"},
        // Bytes that are no UTF-8 (a lone continuation, an overlong "<", a cut sequence) become U+FFFD.
        {"\x80", "\"\xEF\xBF\xBD\"", "\xEF\xBF\xBD"},
        {"\xC0\xBC", "\"\xEF\xBF\xBD\xEF\xBF\xBD\"", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xE2\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\"", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScriptString(c.in), c.script) << c.in;
        EXPECT_EQ(HtmlText(c.in), c.html) << c.in;
    }
}

class WebPublisher : public ::testing::Test {
protected:
    WebPublisher() {
        demo_.Name = "Tour";
        demo_.Width = 160;
        demo_.Height = 120;
        for (int k = 0; k < 2; ++k) {
            TDemoFrame& scene = NewScene(demo_);
            scene.Length = 5;
            auto label = std::make_unique<TDemoObject>();
            label->Kind = TObjectKind::Label;
            label->Name = "Label";
            label->Left = 10;
            label->Top = 10;
            label->Width = 120;
            label->Height = 30;
            label->EndTime = 5;
            label->Text = k ? "\xE2\x80\xA8</script><img src=x onerror=alert(1)>" : "Hello";
            scene.Objects.push_back(std::move(label));
        }
    }

    test::ScopedProgramFolder home_;
    test::TempDir out_;
    TVantora demo_;
};

TEST_F(WebPublisher, WritesAFolderWhereNoTextBecomesMarkup) {
    PublishSettings settings = DefaultPublishSettings(demo_);
    settings.title = "<script>alert('t')</script> & more";
    const fs::path folder = out_.path() / "web";
    const PublishResult result = TWebPublisher().Publish(demo_, settings, folder / "index.html", {});
    ASSERT_TRUE(result.ok()) << result.message;
    ASSERT_FALSE(result.files.empty());
    EXPECT_EQ(result.files.front(), folder / "index.html");
    for (const fs::path& file : result.files)
        EXPECT_TRUE(fs::is_regular_file(file)) << file;

    const std::string page = readText(folder / "index.html");
    EXPECT_NE(page.find("<title>&lt;script&gt;alert(&#39;t&#39;)&lt;/script&gt; &amp; more</title>"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(page.find("<script src=\"movie.js\"></script>\n<script src=\"vantora-web.js\"></script>"), std::string::npos);

    const std::string data = readText(folder / "movie.js");
    EXPECT_EQ(data.rfind("window.VANTORA_MOVIE = {", 0), 0u);
    EXPECT_EQ(data.find('<'), std::string::npos) << "no markup in the data script";
    EXPECT_EQ(data.find("\xE2\x80\xA8"), std::string::npos);
    EXPECT_NE(data.find("\\u003c/script\\u003e\\u003cimg"), std::string::npos) << "the label's text, escaped";
    EXPECT_NE(data.find("window.VANTORA_MOVIE.scenes = [0,10];"), std::string::npos);
    // The label's text is announced in its frames (0 to 9), named by its object's centre.
    EXPECT_NE(data.find("[0,9,\"Hello\",70,25]"), std::string::npos);
    EXPECT_EQ(readText(folder / "vantora-web.js"), std::string(RuntimeScript()));
}

TEST_F(WebPublisher, ADamagedMovieIsAMovieFailure) {
    const std::vector<std::uint8_t> damaged = {'F', 'W', 'S', 6, 200, 0, 0, 0, 1, 2, 3};
    const PublishResult result = WriteWebPage(damaged, {}, out_.path() / "web");
    EXPECT_EQ(result.failure, PublishFailure::Movie);
    EXPECT_FALSE(result.message.empty());
}

} // namespace
} // namespace vantora::publish::web
