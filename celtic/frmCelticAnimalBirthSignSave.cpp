#include "celtic/frmCelticAnimalBirthSignSave.h"

#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "common/program_texts.h"
#include "forms/dialog_folders.h"
#include "forms/dialog_service.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/protected_text_edit.h"
#include "report/rtf_writer.h"
#include "widgets/look.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

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
    const int width = twips::toPixels(7665);
    Label2->setGeometry(twips::toPixels(30), belowButtons(), width, Label2->heightForWidth(width));
}

void frmCelticAnimalBirthSignSave::composeReport()
{
    const QColor heading = look::darkRed();
    auto *display = forms::get<frmCelticAnimalBirthSignDisplay>();
    insertCreditLine();
    insertEntry(QStringLiteral("Celtic Birth Animal Sign:"), display->lblCelticBirthAnimalSign->text(), heading, 2);
    insertEntry(QStringLiteral("Gaelic Name:"), display->lblGaelicName->text(), heading, 2);
    insertEntry(QStringLiteral("Birthstone: "), display->lblBirthstone->text(), heading, 2);
    insertEntry(QStringLiteral("The Ruling Planet:"), display->lblRulingPlanet->text(), heading, 2);
    insertEntry(QStringLiteral("Magickal Abilties :"), display->lblMagickalAbilties->text(), heading, 2);
    insertEntry(QStringLiteral("Keywords :"), display->lblKeywords->text(), heading, 2);
    insertEntry(QStringLiteral("Compatibility :"), display->lblCompatibility->text(), heading, 2);
    insertEntry(QStringLiteral("Characteristics :-"), display->txtCharacterstic->toPlainText(), heading, 2);
    insertCreditLine();
}

OrvoForm *frmCelticAnimalBirthSignSave::resultForm()
{
    return forms::get<frmCelticAnimalBirthSignDisplay>();
}

QString frmCelticAnimalBirthSignSave::personName() const
{
    // The names typed for this reading; the input form stays loaded behind its result.
    if (!forms::isLoaded<frmCelticAnimalBirthSignMain>())
        return {};
    const auto *input = forms::get<frmCelticAnimalBirthSignMain>();
    return QStringList{input->txtFName->text(), input->txtMName->text(), input->txtlName->text()}.join(QLatin1Char(' '));
}

void frmCelticAnimalBirthSignSave::cmdSave_Click()
{
    DialogService::FileRequest request;
    request.title = texts::programTitle();
    request.filter = QStringLiteral("Rich Text Format (*.rtf)");
    request.defaultSuffix = QStringLiteral("rtf");
    request.confirmOverwrite = true;
    request.directory = dialogFolders::last(request.defaultSuffix);
    QString fileName = DialogService::current().saveFileName(this, request);
    if (fileName.isEmpty())
        return;
    // The file holds rich text whatever the dialog did with the name.
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".rtf");
    if (!rtf::writeFile(fileName, *RTB->document())) {
        showMessage(this, texts::couldNotSave(), DialogService::Icon::Error);
        return;
    }
    dialogFolders::remember(request.defaultSuffix, fileName);
}
