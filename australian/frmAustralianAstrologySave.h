#pragma once

#include "australian/australian_reading.h"
#include "report/sign_report_form.h"

// The Australian report: the name and the credit line, from the result form's reading, of which
// it keeps a copy; the result form's Print opens it.
class frmAustralianAstrologySave : public SignReportForm
{
    Q_OBJECT
public:
    frmAustralianAstrologySave();

    // Keeps a copy of reading and composes the report from it.
    void showReading(const australian::Reading &reading);

protected:
    void composeReport() override;
    QStringList savedFields() const override;
    QString personName() const override { return m_reading.person.name; }
    QString systemName() const override { return QStringLiteral("Australian"); }

private:
    australian::Reading m_reading;
};
