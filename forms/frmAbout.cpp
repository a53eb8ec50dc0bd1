#include "forms/frmAbout.h"

#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "widgets/link_label.h"
#include "widgets/look.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(texts::frameCaption());
    setFont(look::verdana(8.25));
    createControls();
}

void frmAbout::createControls()
{
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/content/pictures/app/orvo-32.png")));
    icon->setFixedSize(32, 32);

    lblTitle = new QLabel(texts::frameCaption(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(look::verdana(9.75, true));

    lblDescription = new QLabel(
        QStringLiteral("Orvo Animal Signs is a combination of the Chinese Animal sign, Celtic, Australian "
                       "and Mayan Animal signs. Each zodiac has its own version of the animal signs based "
                       "on which a person's characteristics are easily understood."),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("linSeparator"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    lblHomeBusiness = new QLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                                "and make money online. Get this software fully branded for "
                                                "your website. "),
                                 this);
    lblHomeBusiness->setObjectName(QStringLiteral("lblHomeBusiness"));
    lblHomeBusiness->setWordWrap(true);
    lblCoBrand = new LinkLabel(QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details."),
                               modHelp::Page::FullBrand, this);
    lblHomePage = new LinkLabel(QStringLiteral("lblHomePage"), texts::webSiteInvitation(),
                                modHelp::Page::Home, this);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // QDialog closes on Escape by itself (reject), which makes OK the cancel button as well.

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setVerticalSpacing(10);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblDescription, 1, 1);
    grid->addWidget(line, 2, 0, 1, 2);
    grid->addWidget(lblHomeBusiness, 3, 0, 1, 2);
    grid->addWidget(lblCoBrand, 4, 0, 1, 2);
    grid->addWidget(lblHomePage, 5, 0, 1, 2);
    grid->addWidget(cmdOK, 6, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    // The box opens on OK, so that Enter closes it; Tab goes on to the two links.
    setTabOrder(cmdOK, lblCoBrand);
    setTabOrder(lblCoBrand, lblHomePage);
    cmdOK->setFocus(Qt::OtherFocusReason);

    const int width = twips::toPixels(6810);
    setFixedWidth(width);
    setFixedHeight(std::max(twips::toPixels(3870), grid->totalHeightForWidth(width)));
}

void frmAbout::showModal(QWidget *opener)
{
    auto *about = new frmAbout(opener ? opener->window() : nullptr);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        about->move(screen->geometry().center() - about->rect().center());
    runModal(about);
}
