#pragma once

#include "report/report_form.h"

class LinkLabel;
class PromotionBand;

// The report form the Mayan and Australian systems share: the forum link above the report
// box, the promotion band below it, and Save as a ".zod" reading. A system composes its entries
// from its reading and gives the lines of its saved reading.
class SignReportForm : public ReportForm
{
    Q_OBJECT
public:
    void cmdSave_Click() override;

protected:
    SignReportForm(const QString &objectName, const QString &caption, int widthTwips, int heightTwips,
                   const QColor &background);

    // The lines of the saved reading, from the reading this report was composed from.
    virtual QStringList savedFields() const = 0;

private:
    LinkLabel *Label61;
    PromotionBand *fraFullBrand;
};
