#pragma once

#include "report/ReportForm.h"

class LinkLabel;
class PromotionBand;

// The report form the Mayan and Australian systems share: the forum link above the report
// box, the promotion band below it, and Save as a ".zod" reading. A system composes its entries.
class SignReportForm : public ReportForm
{
    Q_OBJECT
public:
    void cmdSave_Click() override;

    LinkLabel *Label61;
    PromotionBand *fraFullBrand;

protected:
    SignReportForm(const QString &objectName, const QString &caption, int widthTwips, int heightTwips,
                   const QColor &background);

    // The lines of the saved reading, from the current reading.
    virtual QStringList savedFields() const = 0;
    QString personName() const override;
};
