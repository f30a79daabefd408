// The progress window: caption, label and range, clamped positions, and at most one open.
#include "editor/progress/progress_form.h"
#include "main_form_fixture.h"

#include <QLabel>
#include <QProgressBar>

namespace vantora::test {
namespace {

class ProgressFormTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
};

TEST_F(ProgressFormTest, OpensWithCaptionLabelAndRange) {
    TProgressForm form(nullptr, QStringLiteral("Save Project"), 4, 1);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Progress"));
    EXPECT_EQ(form.labelText(), QStringLiteral("Save Project"));
    EXPECT_EQ(form.maximum(), 4);
    EXPECT_EQ(form.position(), 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(TProgressForm::Current(), &form);
}

TEST_F(ProgressFormTest, PositionsStayWithinTheRange) {
    TProgressForm form(nullptr, QStringLiteral("Load Project"), 3);
    form.setPosition(2);
    EXPECT_EQ(form.position(), 2);
    form.setPosition(9);
    EXPECT_EQ(form.position(), 3);
    form.setPosition(-4);
    EXPECT_EQ(form.position(), 0);
    // A negative range becomes an empty one rather than a reversed bar.
    TProgressForm empty(nullptr, QStringLiteral("x"), -5, 7);
    EXPECT_EQ(empty.maximum(), 0);
    EXPECT_EQ(empty.position(), 0);
}

TEST_F(ProgressFormTest, AtMostOneIsOpen) {
    auto first = std::make_unique<TProgressForm>(nullptr, QStringLiteral("Load Project"), 2);
    {
        TProgressForm second(nullptr, QStringLiteral("Create Movie"), 10);
        EXPECT_FALSE(first->isVisible());
        EXPECT_EQ(TProgressForm::Current(), &second);
    }
    EXPECT_EQ(TProgressForm::Current(), nullptr);
    first.reset();
    EXPECT_EQ(TProgressForm::Current(), nullptr);
}

} // namespace
} // namespace vantora::test
