#include "editor/grids/property_grid.h"

#include "editor/canvas/in_place_text.h"
#include "editor/document/editor_document.h"
#include "model/demo.h"
#include "model/demo_frame.h"
#include "model/demo_object.h"
#include "model/enum_names.h"
#include "model/property_fields.h"
#include "model/property_values.h"

namespace vantora {
namespace {

GridEditStyle StyleOf(EditRoute route) {
    switch (route) {
    case EditRoute::Typed: return GridEditStyle::Typed;
    case EditRoute::TypedAtOnce: return GridEditStyle::TypedAtOnce;
    case EditRoute::Pick: return GridEditStyle::Pick;
    case EditRoute::PickOrTyped: return GridEditStyle::PickOrTyped;
    case EditRoute::Dialog: return GridEditStyle::Ellipsis;
    case EditRoute::ReadOnly: return GridEditStyle::ReadOnly;
    }
    return GridEditStyle::ReadOnly;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

TPropertyGrid::TPropertyGrid(EditorDocument& document, GridDialogs dialogs, QWidget* parent)
    : GridPage(document, parent), dialogs_(std::move(dialogs)) {
    setObjectName(QStringLiteral("PropertyGrid"));
    connect(table(), &NameValueTable::typed, this, &TPropertyGrid::onTyped);
    connect(table(), &NameValueTable::picked, this, &TPropertyGrid::onPicked);
    connect(table(), &NameValueTable::ellipsisPressed, this, &TPropertyGrid::onEllipsis);
    refill();
}

std::vector<GridRow> TPropertyGrid::buildRows() {
    sheet_ = BuildPropertySheet(subject());
    std::vector<GridRow> rows;
    for (const PropertyRow& row : sheet_.rows) {
        GridRow g;
        g.icon = PropertyRowIcon(sheet_, int(rows.size()));
        g.name = Q(row.name);
        g.value = Q(DisplayValue(row, subject()));
        g.style = StyleOf(row.route);
        for (const std::string& pick : row.pickList)
            g.picks << Q(pick);
        if (row.dialog == DialogKind::Colour)
            if (const TColor* colour = ColourField(subject(), row.field))
                g.colour = *colour;
        if (row.dialog == DialogKind::Font && subject().object)
            g.font = subject().object->Font;
        if (row.dialog == DialogKind::TextEditor)
            if (const std::string* text = TextField(subject(), row.field); text && canvas::IsSingleLine(*text))
                g.typedText = Q(*text); // a text of several lines keeps to the dialog
        rows.push_back(std::move(g));
    }
    return rows;
}

std::vector<GridRow> TPropertyGrid::everyPossibleRow() const {
    std::vector<GridRow> rows;
    const auto add = [&rows](const PropertyRow& row) {
        GridRow g;
        g.name = Q(row.name);
        for (const std::string& pick : row.pickList)
            g.picks << Q(pick);
        rows.push_back(std::move(g));
    };
    for (const PropertyRow& row : BuildPropertySheet(PropertySubject{}).rows)
        add(row);
    for (int k = 0; k < kObjectKindCount; ++k) {
        TDemoObject object;
        object.Kind = static_cast<TObjectKind>(k);
        for (const PropertyRow& row : BuildPropertySheet(PropertySubject{nullptr, nullptr, &object}).rows)
            add(row);
    }
    // A button's last row is named after its click action.
    for (const NamedCode& action : names::ClickAction)
        add(ActionParamRow(std::uint8_t(action.code), nullptr));
    return rows;
}

bool TPropertyGrid::accepts(int index) const {
    // With several objects selected nothing is picked, and no row edits anything.
    return subject().scene && index >= 0 && std::size_t(index) < sheet_.rows.size();
}

void TPropertyGrid::finish(int index, const EditResult& result) {
    // The queued refill shows every row again; the cell is right at once for what follows.
    table()->showValue(index, Q(result.cellText));
    if (result.changed || result.refill)
        scheduleRefill();
}

void TPropertyGrid::onTyped(int index, const QString& text) {
    if (!accepts(index))
        return;
    const PropertyRow& row = sheet_.rows[std::size_t(index)];
    if (row.dialog == DialogKind::TextEditor) {
        finish(index, document().applyTextBody(freshSubject(), text.toStdString()));
        return;
    }
    finish(index, document().applyTyped(row, freshSubject(), text.toStdString()));
}

void TPropertyGrid::onPicked(int index, const QString& text) {
    if (!accepts(index))
        return;
    finish(index, document().applyPick(sheet_.rows[std::size_t(index)], freshSubject(), text.toStdString()));
}

void TPropertyGrid::onEllipsis(int index) {
    if (!accepts(index))
        return;
    const PropertyRow row = sheet_.rows[std::size_t(index)];
    const PropertySubject who = subject();
    switch (row.dialog) {
    case DialogKind::TextEditor: {
        const std::string* stored = TextField(who, row.field);
        std::string text = stored ? *stored : std::string();
        if (dialogs_.editText && dialogs_.editText(text, this))
            finish(index, document().applyTextBody(who, std::move(text)));
        break;
    }
    case DialogKind::Font: {
        if (!who.object)
            break;
        TObjectFont font = who.object->Font;
        if (dialogs_.chooseFont && dialogs_.chooseFont(font, this))
            finish(index, document().applyFont(who, font));
        break;
    }
    case DialogKind::Colour: {
        const TColor* stored = ColourField(who, row.field);
        TColor colour = stored ? *stored : clBlack;
        if (stored && dialogs_.chooseColour && dialogs_.chooseColour(colour, this))
            finish(index, document().applyColour(row, who, colour));
        break;
    }
    case DialogKind::Image: {
        const Picture* stored = PictureField(who, row.field);
        Picture picture = stored ? *stored : Picture();
        if (stored && dialogs_.editPicture && dialogs_.editPicture(picture, shotSize(), this))
            finish(index, document().applyPicture(row, who, std::move(picture)));
        break;
    }
    case DialogKind::SoundFile: runSoundRoute(); break;
    case DialogKind::None: break;
    }
}

QSize TPropertyGrid::shotSize() const {
    const TVantora* demo = subject().demo;
    return demo ? QSize(demo->Width, demo->Height) : QSize(640, 480);
}

void TPropertyGrid::runSoundRoute() {
    if (!dialogs_.chooseSoundFile)
        return;
    const QString file = dialogs_.chooseSoundFile(this);
    if (file.isEmpty())
        return;
    const SoundLoadResult loaded = document().loadSound(subject(), file.toStdString());
    if (loaded.status != SoundLoadResult::Status::Loaded) {
        if (dialogs_.information)
            dialogs_.information(this, QString::fromUtf8(kInvalidFileTypeCaption.data(), kInvalidFileTypeCaption.size()),
                                 Q(loaded.message));
        return;
    }
    scheduleRefill();
}

} // namespace vantora
