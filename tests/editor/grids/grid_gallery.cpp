// Shows the "Properties" and "Animation" grids for the scene and for one object of every kind,
// each at the width the main window's grid pane opens with, and saves a picture of each into the
// folder given on the command line (run it under Xvfb to see them as the desktop draws them).
// Usage: vantora_grid_gallery FOLDER [PROJECT.vtp]

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "editor/grids/animation_grid_view.h"
#include "editor/grids/property_grid.h"
#include "model/demo.h"
#include "model/object_kind.h"
#include "model/object_operations.h"

#include <QApplication>
#include <QTabWidget>

#include <cstdio>

using namespace vantora;

namespace {

void Save(QWidget& widget, const QString& file) {
    widget.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    widget.grab().save(file);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [PROJECT.vtp]\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    EditorDocument document;
    if (argc > 2 && !document.open(argv[2]).ok) {
        std::fprintf(stderr, "cannot open %s\n", argv[2]);
        return 1;
    }
    TDemoFrame* scene = document.currentScene();
    if (!scene) {
        document.addScene();
        scene = document.currentScene();
    }
    // One object of each kind the project lacks.
    for (int k = 0; k < kObjectKindCount; ++k) {
        const auto kind = static_cast<TObjectKind>(k);
        bool present = false;
        for (const auto& object : scene->Objects)
            present = present || object->Kind == kind;
        if (!present)
            document.addObject(kind, 20 + 10 * k, 20 + 10 * k);
    }
    QTabWidget tabs;
    auto* properties = new TPropertyGrid(document, GridDialogs{}); // nothing is pressed here
    auto* animation = new TAnimationGrid(document);
    tabs.addTab(properties, QStringLiteral("Properties"));
    tabs.addTab(animation, QStringLiteral("Animation"));
    // As wide as the main window's grid pane opens (its narrowest: minimumSizeHint).
    tabs.resize(tabs.sizeHint().width(), 640);

    const auto shoot = [&](const QString& name) {
        tabs.setCurrentIndex(0);
        Save(tabs, folder + QStringLiteral("/%1-properties.png").arg(name));
        tabs.setCurrentIndex(1);
        Save(tabs, folder + QStringLiteral("/%1-animation.png").arg(name));
    };
    document.selection().clear();
    shoot(QStringLiteral("scene"));
    std::vector<TDemoObject*> all;
    for (const auto& object : scene->Objects) {
        all.push_back(object.get());
        document.selection().selectOnly(object.get());
        const std::string_view kind = ObjectKindName(object->Kind);
        shoot(QString::fromUtf8(kind.data(), qsizetype(kind.size())) + QLatin1Char('-') +
              QString::fromStdString(object->Name));
    }
    document.selection().setSelected(all);
    shoot(QStringLiteral("multi"));
    return 0;
}
