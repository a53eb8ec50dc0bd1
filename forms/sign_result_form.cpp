#include "forms/sign_result_form.h"

#include "widgets/link_label.h"
#include "widgets/longest_text_label.h"
#include "widgets/look.h"
#include "widgets/promotion_band.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

const QColor buttonColour(192, 192, 192);
constexpr int gap = 6;
// The frame's inner margin, the buttons' side margins.
int inset()
{
    return twips::toPixels(120);
}

} // namespace

SignResultForm::SignResultForm(const Design &design)
    : OrvoForm(design.objectName, windowTitleFor(design.caption, WindowKind::Result), design.widthTwips, design.heightTwips)
    , m_design(design)
{
    createControls();
    createMenus();
    arrangeControls();
    connectSignals();
}

void SignResultForm::createControls()
{
    look::setBackground(this, m_design.background);

    Label61 = LinkLabel::createForumStrip(this);
    Label61->setContentsMargins(0, 2, 0, 2);

    fraStarUserSignDetails = new QGroupBox(m_design.frameCaption, this);
    fraStarUserSignDetails->setObjectName(QStringLiteral("fraStarUserSignDetails"));
    fraStarUserSignDetails->setFont(look::verdana(9.75, true));
    look::setColours(fraStarUserSignDetails, Qt::white, m_design.background);

    auto button = [this](const char *name, const char *text) {
        auto *push = new QPushButton(QLatin1String(text), this);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25, true));
        look::setColours(push, Qt::black, buttonColour);
        twips::setLeastSize(push, 1095, 375);
        return push;
    };
    cmdPrint = button("cmdPrint", "&Print");
    cmdExit = button("cmdExit", "E&xit");
    cmdBack = button("cmdBack", "&Back");
    if (!m_design.offersPrintAndExit) {
        for (QPushButton *push : {cmdPrint, cmdExit}) {
            push->setEnabled(false);
            push->setFocusPolicy(Qt::NoFocus);
            push->hide();
        }
    }

    Label13 = new LinkLabel(QStringLiteral("Label13"), QString(), modHelp::Page::FullBrand, this);
    Label13->setFixedSize(twips::toPixels(75), twips::toPixels(195));
    // The empty link shows no text; a screen reader says where it leads, not its control name.
    Label13->setAccessibleName(QStringLiteral("Get this software fully branded"));

    fraFullBrand = new PromotionBand(this);
}

void SignResultForm::createMenus()
{
    QMenu *file = addMenuBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuPrint = addMenuEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"));
    mnuPrint->setEnabled(m_design.offersPrintAndExit);
    if (m_design.separatorAfterPrint)
        addMenuSeparator(file, QStringLiteral("mnuSep3"));
    mnuBack = addMenuEntry(file, QStringLiteral("mnuBack"), QStringLiteral("&Back"));
    addMenuSeparator(file, QStringLiteral("mnuSep4"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    addCommonMenus();
}

void SignResultForm::arrangeControls()
{
    // The link and the result frame scroll where the window is low; the buttons and the band
    // below them stay in sight.
    auto *window = bodyColumn(0);
    window->addWidget(Label61);
    window->addSpacing(gap);

    auto *frame = new QHBoxLayout;
    frame->setContentsMargins(twips::windowMargin, 0, twips::windowMargin, 0);
    frame->addWidget(fraStarUserSignDetails);
    window->addLayout(frame);
    window->addStretch();

    m_frame = new QVBoxLayout(fraStarUserSignDetails);
    m_frame->setContentsMargins(inset(), twips::windowMargin, twips::windowMargin, inset());
    m_frame->setSpacing(0);
    m_rows = new QGridLayout;
    m_rows->setContentsMargins(inset(), 0, 0, 0);
    m_rows->setHorizontalSpacing(twips::toPixels(180));
    m_rows->setVerticalSpacing(gap + twips::windowMargin);
    m_rows->setColumnStretch(1, 1);
    m_frame->addLayout(m_rows);

    // Print, Exit, Back in a row at the bottom right; switched off, Print and Exit stay out of it.
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(inset(), 0, inset(), 0);
    buttons->setSpacing(gap);
    buttons->addWidget(Label13, 0, Qt::AlignVCenter);
    buttons->addStretch();
    if (m_design.offersPrintAndExit) {
        buttons->addWidget(cmdPrint);
        buttons->addWidget(cmdExit);
    }
    buttons->addWidget(cmdBack);
    footer()->addSpacing(gap);
    footer()->addLayout(buttons);
    footer()->addSpacing(gap);
    footer()->addWidget(fraFullBrand);
}

void SignResultForm::connectSignals()
{
    connect(cmdPrint, &QPushButton::clicked, this, &SignResultForm::cmdPrint_Click);
    connect(mnuPrint, &QAction::triggered, this, &SignResultForm::cmdPrint_Click);
    connect(cmdBack, &QPushButton::clicked, this, &SignResultForm::cmdBack_Click);
    connect(mnuBack, &QAction::triggered, this, &SignResultForm::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &SignResultForm::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &SignResultForm::cmdExit_Click);
}

void SignResultForm::addBelowRows(QWidget *widget, int spacing)
{
    m_frame->addSpacing(spacing);
    m_frame->addWidget(widget);
}

QLabel *SignResultForm::makeCaptionLabel(const QString &objectName, const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text, fraStarUserSignDetails);
    label->setObjectName(objectName);
    label->setFont(look::verdana(8.25, true));
    look::setForeground(label, colour);
    return label;
}

QLabel *SignResultForm::makeValueLabel(const QString &objectName, const QFont &font, const QColor &colour)
{
    auto *label = new QLabel(fraStarUserSignDetails);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    look::setForeground(label, colour);
    return label;
}

LongestTextLabel *SignResultForm::makeLongestTextLabel(const QString &objectName, const QFont &font,
                                                       const QColor &colour, const QStringList &texts, bool wrapping)
{
    auto *label = new LongestTextLabel(texts, fraStarUserSignDetails);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setWordWrap(wrapping);
    label->setAlignment(Qt::AlignLeft | (wrapping ? Qt::AlignTop : Qt::AlignVCenter));
    look::setForeground(label, colour);
    return label;
}

void SignResultForm::cmdBack_Click()
{
    Q_EMIT backRequested();
}

void SignResultForm::cmdExit_Click()
{
    Q_EMIT closeRequested();
}

void SignResultForm::cmdPrint_Click()
{
    Q_EMIT reportRequested();
}
