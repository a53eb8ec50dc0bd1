#pragma once

#include "forms/ReportForm.h"

class LinkLabel;
class PromotionBand;

// The Chinese report: fifteen headed entries of the current Chinese reading; saved as a ".str"
// record that the input form can open again.
class frmChineseZodiacSave : public ReportForm
{
    Q_OBJECT
public:
    frmChineseZodiacSave();

    void cmdSave_Click() override;

    LinkLabel *Label14;
    LinkLabel *Label1;
    PromotionBand *fraFullBrand;

protected:
    void composeReport() override;
    OrvoForm *resultForm() override;
    QString personName() const override;
    QString systemName() const override { return QStringLiteral("Chinese"); }
};
