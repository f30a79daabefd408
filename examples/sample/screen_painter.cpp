#include "screen_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace sample {
namespace {

const QColor kFace(236, 236, 236);
const QColor kShadow(160, 160, 160);
const QColor kAccent(46, 104, 178);

void Bevel(QPainter& p, const QRect& r, bool raised) {
    p.setPen(raised ? Qt::white : kShadow);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? kShadow : Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void Button(QPainter& p, const QRect& r, const QString& text, bool isDefault = false) {
    p.fillRect(r, QColor(244, 244, 244));
    p.setPen(isDefault ? kAccent : kShadow);
    p.drawRoundedRect(r.adjusted(0, 0, -1, -1), 3, 3);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

void TextField(QPainter& p, const QRect& r, const QString& text) {
    p.fillRect(r, Qt::white);
    p.setPen(kShadow);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(r.adjusted(5, 0, -5, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

void TitleBar(QPainter& p, const QRect& r, const QString& title) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(70, 130, 200));
    g.setColorAt(1, kAccent);
    p.fillRect(r, g);
    p.setPen(Qt::white);
    QFont bold = p.font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(r.adjusted(30, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    bold.setBold(false);
    p.setFont(bold);
    p.fillRect(QRect(r.left() + 8, r.top() + 6, 14, r.height() - 12), QColor(250, 210, 80));
    const int y = r.top() + 4;
    for (int i = 0; i < 3; ++i) {
        const QRect box(r.right() - 30 * (i + 1), y, 24, r.height() - 8);
        p.fillRect(box, i == 0 ? QColor(200, 60, 50) : QColor(90, 150, 215));
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, i == 0 ? "x" : (i == 1 ? "[]" : "_"));
    }
}

int MenuBar(QPainter& p, const QRect& r, const ScreenLayout& layout, QRect* openAt) {
    p.fillRect(r, kFace);
    int x = r.left() + 6;
    for (int i = 0; i < layout.menus.size(); ++i) {
        const int w = p.fontMetrics().horizontalAdvance(layout.menus[i]) + 16;
        const QRect item(x, r.top(), w, r.height());
        if (i == layout.openMenu) {
            p.fillRect(item, kAccent);
            p.setPen(Qt::white);
            *openAt = item;
        } else {
            p.setPen(Qt::black);
        }
        p.drawText(item, Qt::AlignCenter, layout.menus[i]);
        x += w;
    }
    return x;
}

void Toolbar(QPainter& p, const QRect& r, int variant) {
    p.fillRect(r, kFace);
    Bevel(p, r, true);
    static const QColor icons[] = {QColor(80, 160, 90), QColor(220, 170, 40), QColor(70, 120, 200),
                                   QColor(190, 80, 80), QColor(140, 100, 180), QColor(60, 160, 170)};
    for (int i = 0; i < 9; ++i) {
        if (i == 3 || i == 6) {
            p.setPen(kShadow);
            p.drawLine(r.left() + 8 + i * 30 - 3, r.top() + 5, r.left() + 8 + i * 30 - 3, r.bottom() - 5);
            continue;
        }
        const QRect icon(r.left() + 8 + i * 30, r.top() + 5, 22, r.height() - 10);
        p.fillRect(icon.adjusted(3, 3, -3, -3), icons[(i + variant) % 6]);
        p.setPen(kShadow);
        p.drawRect(icon.adjusted(3, 3, -4, -4));
    }
    TextField(p, QRect(r.right() - 230, r.top() + 5, 220, r.height() - 10), "Search invoices...");
}

void InvoiceList(QPainter& p, const QRect& r, int variant) {
    p.fillRect(r, Qt::white);
    p.setPen(kShadow);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QStringList columns = {"Number", "Customer", "Date", "Amount", "Status"};
    const int header = 24;
    p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, header), kFace);
    const int colWidth = r.width() / columns.size();
    for (int c = 0; c < columns.size(); ++c) {
        p.setPen(Qt::black);
        p.drawText(QRect(r.left() + c * colWidth + 6, r.top(), colWidth, header), Qt::AlignVCenter, columns[c]);
        p.setPen(kShadow);
        p.drawLine(r.left() + (c + 1) * colWidth, r.top() + 3, r.left() + (c + 1) * colWidth, r.top() + header - 3);
    }
    static const char* customers[] = {"Harbor Bakery", "Northwind Cycles", "Blue Fern Studio", "Okafor & Sons",
                                      "Meadow Dental", "Pine Street Books", "Atlas Movers", "Kaya Florist"};
    static const char* states[] = {"Paid", "Open", "Overdue", "Draft"};
    const int rows = (r.height() - header) / 22;
    for (int i = 0; i < rows; ++i) {
        const int y = r.top() + header + 1 + i * 22;
        if (i % 2 == 1)
            p.fillRect(QRect(r.left() + 1, y, r.width() - 2, 22), QColor(246, 248, 252));
        if (i == 2 + variant % 3)
            p.fillRect(QRect(r.left() + 1, y, r.width() - 2, 22), QColor(205, 222, 245));
        const int n = (i * 7 + variant * 3) % 8;
        const QStringList cells = {QString("INV-%1").arg(2041 + i + variant * 13), customers[n],
                                   QString("2026-%1-%2").arg(1 + (i + variant) % 12, 2, 10, QChar('0')).arg(3 + i, 2, 10, QChar('0')),
                                   QString("$%1.%2").arg(120 + n * 317 + i * 11).arg((i * 37) % 100, 2, 10, QChar('0')),
                                   states[(i + n) % 4]};
        for (int c = 0; c < cells.size(); ++c) {
            p.setPen(c == 4 && cells[c] == "Overdue" ? QColor(190, 40, 40) : Qt::black);
            p.drawText(QRect(r.left() + c * colWidth + 6, y, colWidth - 8, 22), Qt::AlignVCenter, cells[c]);
        }
    }
}

void SidePanel(QPainter& p, const QRect& r) {
    p.fillRect(r, QColor(246, 246, 246));
    p.setPen(kShadow);
    p.drawLine(r.topRight(), r.bottomRight());
    const QStringList items = {"Dashboard", "Invoices", "Customers", "Products", "Payments", "Reports", "Settings"};
    for (int i = 0; i < items.size(); ++i) {
        const QRect item(r.left() + 6, r.top() + 10 + i * 30, r.width() - 12, 26);
        if (i == 1)
            p.fillRect(item, QColor(205, 222, 245));
        p.fillRect(QRect(item.left() + 6, item.top() + 7, 12, 12), QColor(120 + i * 15, 140, 200 - i * 12));
        p.setPen(Qt::black);
        p.drawText(item.adjusted(26, 0, 0, 0), Qt::AlignVCenter, items[i]);
    }
}

void OpenMenu(QPainter& p, const QRect& at, const ScreenLayout& layout) {
    const int w = 190;
    const int h = 8 + int(layout.openMenuItems.size()) * 24;
    const QRect box(at.left(), at.bottom() + 1, w, h);
    p.fillRect(box.translated(3, 3), QColor(0, 0, 0, 60));
    p.fillRect(box, Qt::white);
    p.setPen(kShadow);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    for (int i = 0; i < layout.openMenuItems.size(); ++i) {
        const QRect item(box.left() + 2, box.top() + 4 + i * 24, w - 4, 24);
        if (layout.openMenuItems[i] == "-") {
            p.setPen(kShadow);
            p.drawLine(item.left() + 6, item.center().y(), item.right() - 6, item.center().y());
            continue;
        }
        if (i == layout.highlightedItem) {
            p.fillRect(item, kAccent);
            p.setPen(Qt::white);
        } else {
            p.setPen(Qt::black);
        }
        p.drawText(item.adjusted(28, 0, 0, 0), Qt::AlignVCenter, layout.openMenuItems[i]);
    }
}

void SaveDialog(QPainter& p, const QRect& screen, const QString& fileName) {
    const QRect d(screen.center().x() - 230, screen.center().y() - 150, 460, 300);
    p.fillRect(d.translated(5, 5), QColor(0, 0, 0, 70));
    p.fillRect(d, kFace);
    TitleBar(p, QRect(d.left(), d.top(), d.width(), 28), "Save As");
    p.setPen(Qt::black);
    p.drawText(QRect(d.left() + 16, d.top() + 40, 80, 24), Qt::AlignVCenter, "Save in:");
    TextField(p, QRect(d.left() + 100, d.top() + 40, 250, 24), "Documents / Invoices");
    QRect list(d.left() + 16, d.top() + 74, d.width() - 32, 130);
    p.fillRect(list, Qt::white);
    p.setPen(kShadow);
    p.drawRect(list.adjusted(0, 0, -1, -1));
    const QStringList files = {"invoices-january.csv", "invoices-february.csv", "customers.csv", "summary-2025.csv"};
    for (int i = 0; i < files.size(); ++i) {
        p.fillRect(QRect(list.left() + 8, list.top() + 10 + i * 28, 14, 16), QColor(90, 150, 90));
        p.setPen(Qt::black);
        p.drawText(QRect(list.left() + 30, list.top() + 6 + i * 28, 300, 24), Qt::AlignVCenter, files[i]);
    }
    p.drawText(QRect(d.left() + 16, d.top() + 216, 80, 24), Qt::AlignVCenter, "File name:");
    TextField(p, QRect(d.left() + 100, d.top() + 216, 340, 24), fileName);
    Button(p, QRect(d.right() - 196, d.bottom() - 44, 86, 28), "Save", true);
    Button(p, QRect(d.right() - 100, d.bottom() - 44, 86, 28), "Cancel");
}

} // namespace

QImage PaintScreen(int width, int height, const ScreenLayout& layout) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(58, 110, 165)); // desktop
    QPainter p(&image);
    QFont font("Arial");
    font.setPixelSize(13);
    p.setFont(font);
    const QRect window(10, 10, width - 20, height - 20);
    p.fillRect(window, kFace);
    p.setPen(QColor(40, 70, 120));
    p.drawRect(window.adjusted(0, 0, -1, -1));
    TitleBar(p, QRect(window.left() + 1, window.top() + 1, window.width() - 2, 30), layout.title);
    QRect openAt;
    MenuBar(p, QRect(window.left() + 1, window.top() + 31, window.width() - 2, 24), layout, &openAt);
    Toolbar(p, QRect(window.left() + 1, window.top() + 55, window.width() - 2, 36), layout.variant);
    const int top = window.top() + 95;
    const int bottom = window.bottom() - 26;
    SidePanel(p, QRect(window.left() + 1, top, 170, bottom - top));
    InvoiceList(p, QRect(window.left() + 180, top + 6, window.width() - 190, bottom - top - 12), layout.variant);
    const QRect status(window.left() + 1, window.bottom() - 24, window.width() - 2, 24);
    p.fillRect(status, kFace);
    Bevel(p, status, false);
    p.setPen(Qt::black);
    p.drawText(status.adjusted(8, 0, 0, 0), Qt::AlignVCenter, layout.statusText);
    if (layout.openMenu >= 0 && !openAt.isNull())
        OpenMenu(p, openAt, layout);
    if (layout.showDialog)
        SaveDialog(p, window, layout.fileName);
    return image;
}

} // namespace sample
