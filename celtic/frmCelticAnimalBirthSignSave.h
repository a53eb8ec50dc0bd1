#pragma once

#include "report/ReportForm.h"

class LinkLabel;

// The Celtic report: the result form's record as rich text, saved as a rich-text document.
class frmCelticAnimalBirthSignSave : public ReportForm
{
    Q_OBJECT
public:
    frmCelticAnimalBirthSignSave();

    void cmdSave_Click() override;

    LinkLabel *Label1;
    LinkLabel *Label14;
    LinkLabel *Label2;

protected:
    void composeReport() override;
    OrvoForm *resultForm() override;
    bool printsWithDialog() const override { return true; }
    QString personName() const override;
    QString systemName() const override { return QStringLiteral("Celtic"); }
};
