#pragma once

#include "report/SignReportForm.h"

// The Mayan report: name, date of birth and the sign's four fields, each closed by the credit line.
class frmMayanAnimalSignSave : public SignReportForm
{
    Q_OBJECT
public:
    frmMayanAnimalSignSave();

protected:
    void composeReport() override;
    OrvoForm *resultForm() override;
    QStringList savedFields() const override;
    QString systemName() const override { return QStringLiteral("Mayan"); }
};
