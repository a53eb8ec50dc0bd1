#pragma once

#include "report/SignReportForm.h"

// The Australian report: the name and the credit line. The result form offers no Print, so it
// is opened only by the program itself.
class frmAustralianAstrologySave : public SignReportForm
{
    Q_OBJECT
public:
    frmAustralianAstrologySave();

protected:
    void composeReport() override;
    OrvoForm *resultForm() override;
    QStringList savedFields() const override;
    QString systemName() const override { return QStringLiteral("Australian"); }
};
