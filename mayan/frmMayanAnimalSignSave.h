#pragma once

#include "mayan/mayan_reading.h"
#include "report/sign_report_form.h"

// The Mayan report: name, date of birth and the sign's four fields, each closed by the credit
// line; composed from the result form's reading, of which it keeps a copy.
class frmMayanAnimalSignSave : public SignReportForm
{
    Q_OBJECT
public:
    frmMayanAnimalSignSave();

    // Keeps a copy of reading and composes the report from it.
    void showReading(const mayan::Reading &reading);

protected:
    void composeReport() override;
    QStringList savedFields() const override;
    QString personName() const override { return m_reading.person.name; }
    QString systemName() const override { return QStringLiteral("Mayan"); }

private:
    mayan::Reading m_reading;
};
