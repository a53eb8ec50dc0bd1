#include "forms/SignInputForm.h"

#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/name_box.h"
#include "widgets/promotion_band.h"
#include "forms/reading_files.h"
#include "forms/start_panel.h"
#include "widgets/look.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {

const QColor lightYellow(255, 255, 128);
const QColor buttonColour(192, 192, 192);
constexpr int gap = 6;   // pixels between stacked controls

} // namespace

SignInputForm::SignInputForm(const Design &design)
    : OrvoForm(design.objectName, design.caption, design.widthTwips, design.heightTwips)
    , m_design(design)
{
    look::setBackground(this, design.background);

    Label61 = LinkLabel::createForumStrip(this);

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

    cboMonth = makeList(QStringLiteral("cboMonth"), QStringLiteral("Month of birth"), 1500);
    Label2->setBuddy(cboMonth);

    auto button = [this](const char *name, const QString &text, QWidget *parent) {
        auto *push = new QPushButton(text, parent);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25, true));
        look::setColours(push, Qt::black, buttonColour);
        return push;
    };
    cmdProceed = button("cmdProceed", design.proceedCaption, fraDetails);
    cmdOpen = button("cmdOpen", QStringLiteral("&Open Previously Saved Reading"), this);

    fraFullBrand = new PromotionBand(this);

    connect(cmdProceed, &QPushButton::clicked, this, &SignInputForm::cmdProceed_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &SignInputForm::cmdProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &SignInputForm::cmdOpen_Click);
}

QComboBox *SignInputForm::makeList(const QString &objectName, const QString &accessibleName, int widthTwips)
{
    auto *list = new QComboBox(fraDetails);
    list->setObjectName(objectName);
    list->setAccessibleName(accessibleName);
    list->setFont(look::verdana(9));
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    look::setColours(list, Qt::black, Qt::white);
    list->resize(twips::toPixels(widthTwips), list->sizeHint().height());
    return list;
}

void SignInputForm::arrangeControls(const QList<QComboBox *> &extraBirthLists)
{
    const int width = twips::toPixels(m_design.widthTwips);
    const int margin = twips::toPixels(120);

    Label61->setGeometry(0, 0, width, Label61->heightForWidth(width) + 4);
    const int inner = width - 2 * margin;
    Label3->setGeometry(margin, Label61->geometry().bottom() + gap, inner, Label3->heightForWidth(inner));

    // Inside the frame: captions in one column, entries in the next.
    const int top = fraDetails->fontMetrics().height() + gap;
    for (QLabel *label : {Label1, Label2})
        label->adjustSize();
    const int fieldLeft = margin + std::max(Label1->width(), Label2->width()) + 2 * gap;
    const QList<QComboBox *> birthLists = QList<QComboBox *>{cboMonth} + extraBirthLists;
    int rowHeight = txtName->sizeHint().height();
    for (QComboBox *list : birthLists)
        rowHeight = std::max(rowHeight, list->sizeHint().height());

    txtName->setGeometry(fieldLeft, top, inner - fieldLeft - margin, rowHeight);
    int x = fieldLeft;
    const int birthTop = top + rowHeight + gap;
    for (QComboBox *list : birthLists) {
        list->setGeometry(x, birthTop, std::max(list->width(), list->sizeHint().width()), rowHeight);
        x = list->geometry().right() + 1 + gap;
    }
    Label1->move(margin, top + (rowHeight - Label1->height()) / 2);
    Label2->move(margin, birthTop + (rowHeight - Label2->height()) / 2);

    cmdProceed->adjustSize();
    cmdProceed->resize(cmdProceed->width() + 4 * gap, cmdProceed->height() + gap);
    fraDetails->resize(std::max(inner, x + margin), 0);
    cmdProceed->move((fraDetails->width() - cmdProceed->width()) / 2, birthTop + rowHeight + 2 * gap);
    fraDetails->move(margin, Label3->geometry().bottom() + gap);
    twips::growToFit(fraDetails, margin / 2 + gap);

    cmdOpen->adjustSize();
    cmdOpen->resize(cmdOpen->width() + 4 * gap, cmdOpen->height() + gap);
    cmdOpen->move((width - cmdOpen->width()) / 2, fraDetails->geometry().bottom() + 1 + gap);

    fraFullBrand->arrange(m_design.widthTwips);
    fraFullBrand->move(0, std::max(cmdOpen->geometry().bottom() + 1 + gap,
                                   twips::toPixels(m_design.heightTwips) - fraFullBrand->height()));

    QWidget *previous = txtName;
    for (QWidget *next : QList<QWidget *>(birthLists.cbegin(), birthLists.cend()) + QList<QWidget *>{cmdProceed, cmdOpen}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void SignInputForm::Form_Unload()
{
    // The find command may close the input form on its way to the result form; the start
    // panel must then stay hidden.
    if (!m_proceeding && !cmdProceed->isDown())
        startPanel::show();
}

void SignInputForm::cmdProceed_Click()
{
    const QScopedValueRollback<bool> proceeding(m_proceeding, true);
    if (!validateInput())
        return;
    showReading();
    hideForm();
    startPanel::hide();
}

void SignInputForm::cmdOpen_Click()
{
    const auto fields = readingFiles::open(this, readingFiles::zodiacSigns(), savedLineCount());
    if (fields)
        openReading(*fields);
}

void SignInputForm::openReading(const QStringList &fields)
{
    txtName->setText(fields.value(0));
    selectByText(cboMonth, fields.value(1));
    applySavedFields(fields);
    cmdProceed_Click();
}

void SignInputForm::reportMissingName()
{
    showMessage(this, texts::enterYourName(), DialogService::Icon::Error);
    txtName->setFocus();
}

