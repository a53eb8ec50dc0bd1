#pragma once

#include "report/ReportForm.h"

#include "celtic/celtic_reading.h"

class LinkLabel;

// The Celtic report: the record of the reading its result form holds, as rich text, saved as a
// rich-text document.
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

private:
    // The reading of the result form when the report was composed.
    celtic::Reading m_reading;
};
