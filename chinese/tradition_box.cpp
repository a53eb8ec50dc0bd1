#include "chinese/tradition_box.h"

#include "widgets/look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

TraditionBox::TraditionBox(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraTradition"));
    lblTradition = new QLabel(QStringLiteral("Count the &animal years as in:"), this);
    lblTradition->setObjectName(QStringLiteral("lblTradition"));
    lblTradition->setWordWrap(true);   // two lines where it sits in a narrow tile
    cboTradition = new QComboBox(this);
    cboTradition->setObjectName(QStringLiteral("cboTradition"));
    cboTradition->setAccessibleName(QStringLiteral("Count the animal years as in"));
    // Black on white whatever the form's colours: on a dark form the inherited button colour
    // made the list look disabled.
    look::setColours(cboTradition, Qt::black, Qt::white);
    for (const chinese::Tradition tradition : chinese::allTraditions())
        cboTradition->addItem(chinese::traditionName(tradition), chinese::traditionKey(tradition));
    lblTradition->setBuddy(cboTradition);
    setFocusProxy(cboTradition);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(lblTradition);
    row->addWidget(cboTradition);
    row->addStretch(1);
    row->setStretch(0, 0);
    connect(cboTradition, &QComboBox::activated, this, [this] { Q_EMIT chosen(tradition()); });
}

chinese::Tradition TraditionBox::tradition() const
{
    return chinese::traditionFromKey(cboTradition->currentData().toString()).value_or(chinese::Tradition::China);
}

void TraditionBox::setTradition(chinese::Tradition tradition)
{
    cboTradition->setCurrentIndex(int(chinese::allTraditions().indexOf(tradition)));
}

void TraditionBox::setLabelColour(const QColor &colour)
{
    QPalette palette = lblTradition->palette();
    palette.setColor(QPalette::WindowText, colour);
    lblTradition->setPalette(palette);
}
