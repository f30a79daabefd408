// Tools > "Check Demo" and the same list before Publish: the window lists what the check found,
// picking a line selects its scene and object, and a demo without findings publishes without it.
#include "main_form_fixture.h"

#include "dialogs/demo_check_form.h"
#include "editor/document/editor_document.h"

#include <QLabel>
#include <QListWidget>

namespace vantora::test {
namespace {

class DemoCheckCommand : public MainFormTest {
protected:
    TDemoFrame& newScene() {
        form->NewScene1Click();
        return *form->document().currentScene();
    }
    QString summary() const { return form->demoCheckForm()->findChild<QLabel*>("SummaryLabel")->text(); }
};

TEST_F(DemoCheckCommand, PickingAFindingSelectsItsSceneAndObject) {
    newScene();
    newScene();
    TDemoObject* lost = form->document().addObject(TObjectKind::Note, 5000, 10);
    ASSERT_NE(lost, nullptr);
    form->selectScene(0);

    action("CheckDemo1")->trigger();
    TDemoCheckForm* window = form->demoCheckForm();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    ASSERT_EQ(window->list().count(), 1);
    EXPECT_TRUE(window->list().item(0)->text().startsWith("Scene 2 \"Scene2\", Note1: lies wholly off the"));
    EXPECT_EQ(form->selectedSceneIndex(), std::optional<std::size_t>(0)) << "listing selects nothing";

    window->list().setCurrentRow(0);
    EXPECT_EQ(form->selectedSceneIndex(), std::optional<std::size_t>(1));
    EXPECT_EQ(form->document().selectedObjects(), std::vector<TDemoObject*>{lost});
}

TEST_F(DemoCheckCommand, OnlyFindingsShowTheListBeforePublishingAndItNeverStopsIt) {
    TDemoFrame& scene = newScene();
    action("Publish1")->trigger();
    EXPECT_EQ(form->demoCheckForm(), nullptr);
    EXPECT_EQ(dialogsRun.count("Publish Demo"), 1);

    scene.StopPoints.push_back(40); // nothing lets the movie go on from here
    action("Publish1")->trigger();
    ASSERT_NE(form->demoCheckForm(), nullptr);
    EXPECT_TRUE(form->demoCheckForm()->isVisible());
    EXPECT_EQ(form->demoCheckForm()->list().count(), 1);
    EXPECT_EQ(dialogsRun.count("Publish Demo"), 2);

    scene.StopPoints.clear();
    action("CheckDemo1")->trigger();
    EXPECT_EQ(form->demoCheckForm()->list().count(), 0);
    EXPECT_EQ(summary(), "Nothing in this demo stands in a viewer's way.");
}

} // namespace
} // namespace vantora::test
