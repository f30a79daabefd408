// The object box beside the grids: one entry for the scene and one per object, each with its icon,
// its name and its kind in grey; the picked entry follows a click on the canvas, and picking an
// entry selects that object on the canvas.

#include "main_form_fixture.h"

#include "editor/canvas/scene_canvas.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "editor/main_window/object_box.h"
#include "model/object_kind.h"

#include <QComboBox>
#include <QAbstractItemView>
#include <QIcon>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace vantora::test {
namespace {

class ObjectBoxTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        project = home.path() / "sample.vtp";
        writeFileBytes(project, readFileBytes(VANTORA_SAMPLE_PROJECT));
        ASSERT_TRUE(form->OpenProject(QString::fromStdString(project.string())));
        box = form->objectBox();
        scene = doc().currentScene();
        ASSERT_NE(scene, nullptr);
        ASSERT_GE(scene->Objects.size(), 2u);
        form->resize(1300, 850);
        form->show();
    }
    EditorDocument& doc() { return form->document(); }

    // A point on the canvas inside the object and not inside any object in front of it.
    std::optional<QPoint> clickPointOf(const TDemoObject& target) const {
        const auto& objects = scene->Objects;
        for (int y = target.Top + 2; y < target.Top + target.Height - 2; y += 2)
            for (int x = target.Left + 2; x < target.Left + target.Width - 2; x += 2) {
                bool covered = false;
                bool behind = true;
                for (const auto& object : objects) {
                    if (object.get() == &target) {
                        behind = false;
                        continue;
                    }
                    if (!behind && x >= object->Left - 4 && x < object->Left + object->Width + 4 &&
                        y >= object->Top - 4 && y < object->Top + object->Height + 4)
                        covered = true;
                }
                if (!covered)
                    return QPoint(x, y);
            }
        return std::nullopt;
    }
    QPoint onCanvas(QPoint scenePoint) const {
        return QPoint(int(scenePoint.x() * form->canvas()->zoom()) + SceneCanvas::kFrameWidth,
                      int(scenePoint.y() * form->canvas()->zoom()) + SceneCanvas::kFrameWidth);
    }

    std::filesystem::path project;
    QComboBox* box = nullptr;
    TDemoFrame* scene = nullptr;
};

TEST_F(ObjectBoxTest, EntriesAreTheSceneThenEveryObjectWithIconAndKind) {
    ASSERT_EQ(box->count(), static_cast<int>(scene->Objects.size()) + 1);
    EXPECT_EQ(box->itemText(0), QString::fromStdString(scene->Name));
    EXPECT_EQ(box->itemData(0, kObjectBoxKindRole).toString(), QStringLiteral("Scene"));
    EXPECT_TRUE(box->itemData(0, kObjectBoxIsSceneRole).toBool());
    EXPECT_FALSE(box->itemIcon(0).isNull());
    for (std::size_t i = 0; i < scene->Objects.size(); ++i) {
        const TDemoObject& object = *scene->Objects[i];
        const int item = static_cast<int>(i) + 1;
        EXPECT_EQ(box->itemText(item), QString::fromStdString(object.Name));
        const std::string_view kind = ObjectKindName(object.Kind);
        EXPECT_EQ(box->itemData(item, kObjectBoxKindRole).toString(),
                  QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())));
        EXPECT_FALSE(box->itemData(item, kObjectBoxIsSceneRole).toBool());
        EXPECT_FALSE(box->itemIcon(item).isNull());
    }
    // The icon is the kind's: the same for two objects of one kind, another for another kind.
    const auto iconOf = [this](std::size_t i) { return box->itemIcon(int(i) + 1).pixmap(16, 16).toImage(); };
    int compared = 0;
    for (std::size_t i = 0; i < scene->Objects.size(); ++i)
        for (std::size_t j = i + 1; j < scene->Objects.size(); ++j) {
            const bool sameKind = scene->Objects[i]->Kind == scene->Objects[j]->Kind;
            EXPECT_EQ(iconOf(i) == iconOf(j), sameKind) << i << " and " << j;
            compared += !sameKind;
        }
    EXPECT_GT(compared, 0) << "the scene should hold objects of different kinds";
}

TEST_F(ObjectBoxTest, AClickOnTheCanvasPicksTheObjectsEntry) {
    const std::size_t target = scene->Objects.size() - 1; // the frontmost: nothing covers it
    const std::optional<QPoint> point = clickPointOf(*scene->Objects[target]);
    ASSERT_TRUE(point);
    QTest::mouseClick(form->canvas(), Qt::LeftButton, Qt::NoModifier, onCanvas(*point));
    ASSERT_EQ(doc().selectedObjects(), std::vector<TDemoObject*>{scene->Objects[target].get()});
    EXPECT_EQ(box->currentIndex(), static_cast<int>(target) + 1);

    // Several selected (as by a rubber band): no entry is picked.
    doc().selection().setSelected({scene->Objects[0].get(), scene->Objects[1].get()});
    EXPECT_EQ(box->currentIndex(), -1);
    doc().selection().clear();
    EXPECT_EQ(box->currentIndex(), 0);
}

TEST_F(ObjectBoxTest, PickingAnEntrySelectsOnlyThatObjectOnTheCanvas) {
    doc().selection().setSelected({scene->Objects[0].get(), scene->Objects[1].get()});
    box->setFocus();
    box->setCurrentIndex(0);
    QTest::keyClick(box, Qt::Key_Down); // the entry after the scene: the first object
    EXPECT_EQ(doc().selectedObjects(), std::vector<TDemoObject*>{scene->Objects[0].get()});
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(doc().selectedObjects(), std::vector<TDemoObject*>{scene->Objects[1].get()});
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("2/%1 Object(s)").arg(scene->Objects.size()));
    QTest::keyClick(box, Qt::Key_Home); // the scene: nothing selected
    EXPECT_TRUE(doc().selectedObjects().empty());
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("Scene"));
}

TEST_F(ObjectBoxTest, AnotherSceneRefillsTheBox) {
    form->selectScene(3);
    const TDemoFrame* last = doc().demo().Scenes[3].get();
    ASSERT_EQ(box->count(), static_cast<int>(last->Objects.size()) + 1);
    EXPECT_EQ(box->itemText(0), QString::fromStdString(last->Name));
    form->selectScene(std::nullopt);
    EXPECT_EQ(box->count(), 0);
    EXPECT_FALSE(box->isEnabled());
}

// The closed box draws its picked entry: the name in the text colour from x = 26, the kind in
// grey from x = 38 + max(name width, 50), nothing dark beyond the name.
TEST_F(ObjectBoxTest, TheKindIsDrawnInGreyAfterTheName) {
    TDemoObject& object = *scene->Objects[0];
    doc().selection().selectOnly(&object);
    ASSERT_EQ(box->currentIndex(), 1);
    const QImage picture = box->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const int nameWidth = box->fontMetrics().horizontalAdvance(box->itemText(1));
    // The entry sits in the box's edit field.
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.frame = true;
    const int fieldLeft =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).left();
    const int kindX = fieldLeft + ObjectBoxKindX(false, nameWidth);
    int darkBeyond = 0, greyBeyond = 0, darkInName = 0;
    for (int y = 2; y < picture.height() - 2; ++y)
        for (int x = fieldLeft + ObjectBoxNameX(false); x < std::min(picture.width() - 30, kindX + 60); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const int grey = qGray(pixel);
            if (x < kindX - 12)
                darkInName += grey < 80;
            else if (x >= kindX) {
                darkBeyond += grey < 100;
                greyBeyond += grey >= 110 && grey <= 160;
            }
        }
    EXPECT_GT(darkInName, 0);
    EXPECT_GT(greyBeyond, 0);
    EXPECT_EQ(darkBeyond, 0);
}

TEST_F(ObjectBoxTest, TheOpenListIsWideEnoughForItsWidestEntry) {
    QAbstractItemView* list = box->view();
    int widest = 0;
    for (int row = 0; row < box->count(); ++row)
        widest = std::max(widest, list->sizeHintForIndex(box->model()->index(row, 0)).width());
    ASSERT_GT(widest, 0);
    box->showPopup();
    EXPECT_GE(list->viewport()->width(), widest);
    box->hidePopup();
}

} // namespace
} // namespace vantora::test
