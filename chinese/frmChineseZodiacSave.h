#pragma once

#include "chinese/chinese_zodiac.h"
#include "report/report_form.h"

class LinkLabel;
class PromotionBand;

// The Chinese report: the headed entries of the reading of the result form, its Chinese year's
// span among them; saved as a ".str" record that the input form can open again.
class frmChineseZodiacSave : public ReportForm
{
    Q_OBJECT
public:
    frmChineseZodiacSave();

    void cmdSave_Click() override;

    // Keeps a copy of reading and composes the report from it.
    void showReading(const chinese::Reading &reading);

protected:
    void composeReport() override;
    QString personName() const override;
    QString systemName() const override { return QStringLiteral("Chinese"); }

private:
    LinkLabel *Label14;
    LinkLabel *Label1;
    PromotionBand *fraFullBrand;
    chinese::Reading m_reading;   // the result form's, as the report was composed
};
