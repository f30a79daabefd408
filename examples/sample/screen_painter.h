#pragma once
// Made-up application screenshots for the sample project and the movie benchmark: a window frame
// with a title bar, a menu bar, a toolbar, and a client area of text lines, fields, buttons and
// lists, painted with QPainter. Nothing is copied from a real screen.

#include <QImage>
#include <QString>
#include <QStringList>

namespace sample {

struct ScreenLayout {
    QString title = "Ledgerly - Invoices";
    QStringList menus = {"File", "Edit", "View", "Tools", "Help"};
    int openMenu = -1;          // index of a menu drawn open, or -1
    QStringList openMenuItems;  // its entries ("-" draws a separator)
    int highlightedItem = -1;   // entry drawn selected
    bool showDialog = false;    // a modal "Save As" dialog in front
    QString fileName = "invoices-march.csv"; // the dialog's "File name:" field
    QString statusText = "Ready";
    int variant = 0;            // changes the list contents and colours a little
};

// A width x height picture of an application window (opaque ARGB32).
QImage PaintScreen(int width, int height, const ScreenLayout& layout);

} // namespace sample
