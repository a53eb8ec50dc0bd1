#pragma once

#include "report/report_form.h"

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

    // Keeps a copy of reading and composes the report from it.
    void showReading(const celtic::Reading &reading);

protected:
    void composeReport() override;
    bool printsWithDialog() const override { return true; }
    QString personName() const override;
    QString systemName() const override { return QStringLiteral("Celtic"); }

private:
    LinkLabel *Label1;
    LinkLabel *Label14;
    LinkLabel *Label2;
    celtic::Reading m_reading;
};
