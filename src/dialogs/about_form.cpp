#include "dialogs/about_form.h"

#include "dialogs/brand_backdrop.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/program_identity.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantora {
namespace {

QLabel* AddressLabel(const QString& address, const QString& shown, UserPrompts& prompts, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), shown.toHtmlEscaped()),
                             parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, parent, [&prompts](const QString& link) { prompts.openAddress(link); });
    return label;
}

} // namespace

TAboutForm::TAboutForm(UserPrompts& prompts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About ") + ApplicationTitle());
    setObjectName(QStringLiteral("AboutForm"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(36);
    titleFont.setBold(true);
    auto* title = new TEngineTextLabel(ApplicationTitle(), titleFont, qRgb(20, 50, 140), ShadowedTextEffect(), this);
    title->setObjectName(QStringLiteral("TitleText"));
    auto* version = new QLabel(QStringLiteral("Version: ") + ProgramFileVersion(), this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    QFont makerFont(QStringLiteral("Arial"));
    makerFont.setPixelSize(20);
    makerFont.setBold(true);
    auto* maker = new TEngineTextLabel(QString::fromLatin1(kMakerName), makerFont, qRgb(0, 0, 0), GreyGradientEffect(), this);
    maker->setObjectName(QStringLiteral("MakerText"));

    auto* contacts = new QGridLayout;
    const QString home = QString::fromLatin1(kMakerHomePage);
    const QString support = QString::fromLatin1(kMakerSupportMail);
    const QString sales = QString::fromLatin1(kMakerSalesMail);
    contacts->addWidget(new QLabel(QStringLiteral("Web site:"), this), 0, 0);
    contacts->addWidget(AddressLabel(home, home, prompts, this), 0, 1);
    contacts->addWidget(new QLabel(QStringLiteral("Support:"), this), 1, 0);
    contacts->addWidget(AddressLabel(QStringLiteral("mailto:") + support, support, prompts, this), 1, 1);
    contacts->addWidget(new QLabel(QStringLiteral("Sales:"), this), 2, 0);
    contacts->addWidget(AddressLabel(QStringLiteral("mailto:") + sales, sales, prompts, this), 2, 1);
    contacts->setColumnStretch(1, 1);

    QPushButton* ok = MakeOkButton(*this);

    auto* header = new QHBoxLayout;
    header->addWidget(icon);
    header->addWidget(title, 1, Qt::AlignLeft | Qt::AlignVCenter);
    auto* footer = new QHBoxLayout;
    footer->addStretch(1);
    footer->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(header);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(maker, 0, Qt::AlignLeft);
    layout->addLayout(contacts);
    layout->addSpacing(8);
    layout->addLayout(footer);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

void TAboutForm::paintEvent(QPaintEvent*) { PaintBackdrop(*this); }

void RunAboutForm(QWidget* parent, UserPrompts& prompts, const DialogDriver& drive) {
    TAboutForm form(prompts, parent);
    drive(form);
}

} // namespace vantora
