#pragma once
// "Check Demo": the findings of the demo check, one a line. The window does not block: the author
// keeps editing (or previews and publishes) while it is open, and picking a line selects its
// scene and object in the main window.

#include "movie/demo_check.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;

namespace vantora {

class TDemoCheckForm : public QDialog {
    Q_OBJECT
public:
    explicit TDemoCheckForm(QWidget* parent = nullptr);

    // Lists the findings, replacing the last ones.
    void showFindings(const TVantora& demo, const std::vector<DemoFinding>& findings);
    QListWidget& list() const { return *list_; }

signals:
    // A finding was picked: its scene's index, and its object's index or kNoObject.
    void findingPicked(std::size_t scene, std::size_t object);

private:
    QLabel* summary_;
    QListWidget* list_;
    std::vector<DemoFinding> findings_;
};

} // namespace vantora
