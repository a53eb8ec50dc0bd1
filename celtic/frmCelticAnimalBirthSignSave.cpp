#include "celtic/frmCelticAnimalBirthSignSave.h"

#include "celtic/celtic_reading.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/save_dialog.h"
#include "report/rtf_writer.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/protected_text_edit.h"

frmCelticAnimalBirthSignSave::frmCelticAnimalBirthSignSave()
    : ReportForm(QStringLiteral("frmCelticAnimalBirthSignSave"), QStringLiteral("Orvo Celtic Animal Birth Sign"), 7725, 7590)
{
    look::setBackground(this, QColor(83, 55, 104));
    look::setColours(RTB, Qt::black, QColor(238, 232, 170));

    Label14 = new LinkLabel(QStringLiteral("Label14"), texts::forumInvitation(), modHelp::Page::Home, this);
    Label1 = new LinkLabel(QStringLiteral("Label1"), texts::webSiteInvitation(), modHelp::Page::Home, this);
    for (LinkLabel *link : {Label14, Label1})
        look::setForeground(link, QColor(255, 255, 128));

    stackTopLinks({Label14, Label1});

    Label2 = new LinkLabel(QStringLiteral("Label2"), texts::fullBrandText(), modHelp::Page::FullBrand, this);
    Label2->setWordWrap(true);
    look::setForeground(Label2, QColor(192, 255, 255));
    addBelowButtons(Label2);
}

void frmCelticAnimalBirthSignSave::showReading(const celtic::Reading &reading)
{
    m_reading = reading;
    compose();
}

void frmCelticAnimalBirthSignSave::composeReport()
{
    const CelticSignRecord &record = m_reading.record;
    const QColor heading = look::darkRed();
    insertCreditLine();
    insertEntry(QStringLiteral("Celtic Birth Animal Sign:"), record.signName, heading, 2);
    insertEntry(QStringLiteral("Gaelic Name:"), record.gaelicName, heading, 2);
    insertEntry(QStringLiteral("Birthstone: "), record.birthstone, heading, 2);
    insertEntry(QStringLiteral("The Ruling Planet:"), record.rulingPlanet, heading, 2);
    insertEntry(QStringLiteral("Magickal Abilties :"), record.magickalAbilities, heading, 2);
    insertEntry(QStringLiteral("Keywords :"), record.keywords, heading, 2);
    insertEntry(QStringLiteral("Compatibility :"), record.compatibility, heading, 2);
    insertEntry(QStringLiteral("Characteristics :-"), record.characteristics, heading, 2);
    insertCreditLine();
}

QString frmCelticAnimalBirthSignSave::personName() const
{
    return celtic::fullName(m_reading.person);
}

void frmCelticAnimalBirthSignSave::cmdSave_Click()
{
    DialogService::FileRequest request;
    request.title = texts::programTitle();
    request.filter = QStringLiteral("Rich Text Format (*.rtf)");
    // The file holds rich text whatever the dialog did with the name.
    request.defaultSuffix = QStringLiteral("rtf");
    request.fileName = suggestedFileName(request.defaultSuffix);
    saveDialog::save(this, request, [this](const QString &fileName) { return rtf::writeFile(fileName, *RTB->document()); });
}
