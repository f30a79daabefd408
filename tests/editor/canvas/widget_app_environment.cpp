// The canvas tests paint and make widgets: one QApplication for the whole run, made before the
// first test (tests run with QT_QPA_PLATFORM=offscreen).

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class WidgetAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "vantora_canvas_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kWidgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new WidgetAppEnvironment);

} // namespace
