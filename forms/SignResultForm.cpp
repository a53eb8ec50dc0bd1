#include "forms/SignResultForm.h"

#include "common/program_texts.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/promotion_band.h"
#include "forms/start_panel.h"
#include "widgets/look.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

const QColor buttonColour(192, 192, 192);
constexpr int gap = 6;

} // namespace

SignResultForm::SignResultForm(const Design &design)
    : OrvoForm(design.objectName, design.caption, design.widthTwips, design.heightTwips)
    , m_design(design)
{
    look::setBackground(this, design.background);

    Label61 = LinkLabel::createForumStrip(this);

    fraStarUserSignDetails = new QGroupBox(design.frameCaption, this);
    fraStarUserSignDetails->setObjectName(QStringLiteral("fraStarUserSignDetails"));
    fraStarUserSignDetails->setFont(look::verdana(9.75, true));
    look::setColours(fraStarUserSignDetails, Qt::white, design.background);

    auto button = [this](const char *name, const char *text) {
        auto *push = new QPushButton(QLatin1String(text), this);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25, true));
        look::setColours(push, Qt::black, buttonColour);
        placeTwips(push, 0, 0, 1095, 375);
        return push;
    };
    cmdPrint = button("cmdPrint", "&Print");
    cmdExit = button("cmdExit", "E&xit");
    cmdBack = button("cmdBack", "&Back");

    Label13 = new LinkLabel(QStringLiteral("Label13"), QString(), modHelp::Page::FullBrand, this);
    Label13->resize(twips::toPixels(75), twips::toPixels(195));

    fraFullBrand = new PromotionBand(this);

    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuPrint = addMenuEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"));
    if (design.separatorAfterPrint)
        addMenuSeparator(file, QStringLiteral("mnuSep3"));
    mnuBack = addMenuEntry(file, QStringLiteral("mnuBack"), QStringLiteral("&Back"));
    addMenuSeparator(file, QStringLiteral("mnuSep4"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();

    connect(cmdPrint, &QPushButton::clicked, this, &SignResultForm::cmdPrint_Click);
    connect(mnuPrint, &QAction::triggered, this, &SignResultForm::cmdPrint_Click);
    connect(cmdBack, &QPushButton::clicked, this, &SignResultForm::cmdBack_Click);
    connect(mnuBack, &QAction::triggered, this, &SignResultForm::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &SignResultForm::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &SignResultForm::cmdExit_Click);
}

QLabel *SignResultForm::addCaptionLabel(const QString &objectName, const QString &text, const QColor &colour,
                                        int left, int top)
{
    auto *label = new QLabel(text, fraStarUserSignDetails);
    label->setObjectName(objectName);
    label->setFont(look::verdana(8.25, true));
    look::setForeground(label, colour);
    label->adjustSize();
    label->move(twips::toPixels(left), twips::toPixels(top));
    return label;
}

QLabel *SignResultForm::addValueLabel(const QString &objectName, const QFont &font, const QColor &colour, int left,
                                      int top, int width, int height)
{
    auto *label = new QLabel(fraStarUserSignDetails);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    look::setForeground(label, colour);
    label->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                       std::max(twips::toPixels(height), label->fontMetrics().height() + 2));
    return label;
}

QLabel *SignResultForm::addWrappingLabel(const QString &objectName, const QColor &colour, int left, int top,
                                         int width, int height, const QStringList &texts)
{
    QLabel *label = addValueLabel(objectName, look::verdana(8.25), colour, left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    int needed = label->height();
    for (const QString &text : texts) {
        label->setText(text);
        needed = std::max(needed, label->heightForWidth(label->width()));
    }
    label->clear();
    label->resize(label->width(), needed);
    return label;
}

void SignResultForm::arrangeControls()
{
    const int width = twips::toPixels(m_design.widthTwips);
    Label61->setGeometry(0, 0, width, Label61->heightForWidth(width) + 4);

    fraStarUserSignDetails->move(twips::windowMargin, Label61->geometry().bottom() + 1 + gap);
    fraStarUserSignDetails->resize(width - 2 * twips::windowMargin, 0);
    twips::growToFit(fraStarUserSignDetails, twips::toPixels(120));

    // Print, Exit, Back in a row at the bottom right; the switched-off ones may be placed
    // elsewhere by the system afterwards.
    const int buttonTop = fraStarUserSignDetails->geometry().bottom() + 1 + gap;
    int right = std::max(width, fraStarUserSignDetails->geometry().right() + 1) - twips::toPixels(120);
    for (QPushButton *push : {cmdBack, cmdExit, cmdPrint}) {
        push->move(right - push->width(), buttonTop);
        right = push->x() - gap;
    }
    Label13->move(twips::toPixels(120), buttonTop + (cmdBack->height() - Label13->height()) / 2);

    fraFullBrand->arrange(m_design.widthTwips);
    fraFullBrand->move(0, cmdBack->geometry().bottom() + 1 + gap);
}

void SignResultForm::Form_Unload()
{
    startPanel::show();
}

void SignResultForm::cmdBack_Click()
{
    forms::unload(this);
    showInputForm();
    startPanel::hide();
}

void SignResultForm::cmdExit_Click()
{
    forms::unload(this);
}

void SignResultForm::cmdPrint_Click()
{
    showReportForm();
}
