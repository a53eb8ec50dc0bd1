#include "forms/sign_input_form.h"

#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/reading_files.h"
#include "widgets/date_list.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor lightYellow(255, 255, 128);
const QColor buttonColour(192, 192, 192);
constexpr int gap = 6;   // pixels between stacked controls

} // namespace

SignInputForm::SignInputForm(const Design &design)
    : OrvoForm(design.objectName, windowTitleFor(design.caption, WindowKind::Input), design.widthTwips, design.heightTwips)
    , m_design(design)
{
    look::setBackground(this, design.background);

    Label61 = LinkLabel::createForumStrip(this);
    Label61->setContentsMargins(0, 2, 0, 2);

    Label3 = new QLabel(design.introduction, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setFont(look::verdana(8.25, true));
    look::setForeground(Label3, lightYellow);

    fraDetails = new QGroupBox(QStringLiteral("Personal Details"), this);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setFont(look::verdana(9, true));
    look::setColours(fraDetails, design.accent, design.background);

    auto rowLabel = [this, &design](const char *name, const QString &text) {
        auto *label = new QLabel(text, fraDetails);
        label->setObjectName(QLatin1String(name));
        label->setFont(look::verdana(8.25, true));
        look::setForeground(label, design.accent);
        return label;
    };
    Label1 = rowLabel("Label1", QStringLiteral("Name"));
    Label2 = rowLabel("Label2", design.birthCaption);

    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(look::verdana(9));
    txtName->setAccessibleName(QStringLiteral("Name"));
    nameBox::setUp(txtName);
    look::setColours(txtName, Qt::black, Qt::white);
    Label1->setBuddy(txtName);
    setOpeningFocus(txtName);

    cboMonth = makeList(QStringLiteral("cboMonth"), QStringLiteral("Month of birth"), 1500);
    Label2->setBuddy(cboMonth);

    auto button = [this](const char *name, const QString &text, QWidget *parent) {
        auto *push = new QPushButton(text, parent);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25, true));
        look::setColours(push, Qt::black, buttonColour);
        push->setMinimumSize(push->sizeHint() + QSize(4 * gap, gap));
        return push;
    };
    cmdProceed = button("cmdProceed", design.proceedCaption, this);
    cmdOpen = button("cmdOpen", QStringLiteral("&Open Previously Saved Reading"), this);

    fraFullBrand = new PromotionBand(this);

    connect(cmdProceed, &QPushButton::clicked, this, &SignInputForm::cmdProceed_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &SignInputForm::cmdProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &SignInputForm::cmdOpen_Click);
}

QComboBox *SignInputForm::makeList(const QString &objectName, const QString &accessibleName, int widthTwips)
{
    auto *list = new DateList(objectName, accessibleName, fraDetails);
    connect(list, &DateList::entered, this, &SignInputForm::cmdProceed_Click);
    list->setFont(look::verdana(9));
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    look::setColours(list, Qt::black, Qt::white);
    // As wide as designed, or as an empty list asks in this font where that is wider.
    list->setMinimumWidth(std::max(twips::toPixels(widthTwips), list->sizeHint().width()));
    return list;
}

void SignInputForm::arrangeControls(const QList<QComboBox *> &extraBirthLists)
{
    const int margin = twips::toPixels(120);

    // The entries scroll where the window is low; the find and Open buttons and the band below
    // them stay in sight.
    auto *window = bodyColumn(0);
    window->addWidget(Label61);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(margin, gap, margin, gap);
    content->setSpacing(gap);
    content->addWidget(Label3);
    content->addWidget(fraDetails);
    window->addLayout(content);
    window->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(margin, 0, margin, gap);
    buttons->setSpacing(2 * gap);
    buttons->addStretch();
    buttons->addWidget(cmdProceed);
    buttons->addWidget(cmdOpen);
    buttons->addStretch();
    footer()->addLayout(buttons);
    footer()->addWidget(fraFullBrand);

    // Inside the frame: captions in one column, entries in the next.
    auto *rows = new QGridLayout(fraDetails);
    rows->setContentsMargins(margin, 0, margin, margin / 2 + gap);
    rows->setHorizontalSpacing(2 * gap);
    rows->setVerticalSpacing(gap);
    rows->addWidget(Label1, 0, 0);
    rows->addWidget(txtName, 0, 1);
    rows->addWidget(Label2, 1, 0);
    auto *birthRow = new QHBoxLayout;
    birthRow->setSpacing(gap);
    const QList<QComboBox *> birthLists = QList<QComboBox *>{cboMonth} + extraBirthLists;
    for (QComboBox *list : birthLists)
        birthRow->addWidget(list);
    birthRow->addStretch();
    rows->addLayout(birthRow, 1, 1);
    rows->setColumnStretch(1, 1);

    QWidget *previous = txtName;
    for (QWidget *next : QList<QWidget *>(birthLists.cbegin(), birthLists.cend()) + QList<QWidget *>{cmdProceed, cmdOpen}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void SignInputForm::cmdProceed_Click()
{
    findFromEntries();
}

void SignInputForm::cmdOpen_Click()
{
    if (const auto fields = readingFiles::open(this, readingFiles::zodiacSigns()))
        openSavedFields(*fields);
}

QWidget *SignInputForm::entryOf(InputProblem problem) const
{
    return problem == InputProblem::NameMissing ? txtName : nullptr;
}

bool SignInputForm::refuse(InputProblem problem)
{
    Q_EMIT showRequested();
    showMessage(this, inputProblem::message(problem, m_design.systemName, m_design.firstYear, m_design.lastYear),
                problem == InputProblem::NameMissing ? DialogService::Icon::Error : DialogService::Icon::Information);
    if (QWidget *entry = entryOf(problem))
        entry->setFocus();
    return false;
}

bool SignInputForm::refuseFile()
{
    Q_EMIT showRequested();
    showMessage(this, texts::checkTheFile(), DialogService::Icon::Error);
    return false;
}
