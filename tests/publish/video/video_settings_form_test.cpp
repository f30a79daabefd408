// "Video Settings": the fields show the settings, and the special values (0) mean the movie's own
// size and rate; one side alone is a box open on the other side.

#include "dialogs/publish/video_settings_form.h"

#include <QDoubleSpinBox>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vantora {
namespace {

template <typename T>
T* field(QWidget& form, const char* name) {
    T* found = form.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(VideoSettingsForm, ShowsAndReturnsTheOptions) {
    publish::PublishSettings settings;
    settings.video.holdSeconds = 3.5;
    settings.video.size = video::VideoSize{640, 400};
    settings.video.quality = 70;
    TVideoSettingsForm form(settings);
    EXPECT_EQ(field<QDoubleSpinBox>(form, "HoldEdit")->value(), 3.5);
    EXPECT_EQ(field<QSpinBox>(form, "WidthEdit")->value(), 640);
    EXPECT_EQ(field<QDoubleSpinBox>(form, "RateEdit")->value(), 0); // the movie's rate
    EXPECT_EQ(form.settings().video.size, (video::VideoSize{640, 400}));
    EXPECT_EQ(form.settings().video.quality, 70);

    struct Case {
        int width, height;
        double rate;
        std::optional<video::VideoSize> size;
        std::optional<double> expectedRate;
    };
    const Case cases[] = {
        {0, 0, 0, std::nullopt, std::nullopt},
        {0, 300, 12.5, video::VideoSize{video::kMaxSide, 300}, 12.5},
        {320, 0, 1, video::VideoSize{320, video::kMaxSide}, 1},
    };
    for (const Case& c : cases) {
        field<QSpinBox>(form, "WidthEdit")->setValue(c.width);
        field<QSpinBox>(form, "HeightEdit")->setValue(c.height);
        field<QDoubleSpinBox>(form, "RateEdit")->setValue(c.rate);
        EXPECT_EQ(form.settings().video.size, c.size) << c.width << "x" << c.height;
        EXPECT_EQ(form.settings().video.rate, c.expectedRate) << c.rate;
    }
}

} // namespace
} // namespace vantora
