#include "report/sign_report_form.h"

#include "forms/reading_files.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/promotion_band.h"
#include "widgets/protected_text_edit.h"

SignReportForm::SignReportForm(const QString &objectName, const QString &caption, int widthTwips, int heightTwips,
                               const QColor &background)
    : ReportForm(objectName, caption, widthTwips, heightTwips)
{
    look::setBackground(this, background);
    look::setColours(RTB, Qt::black, Qt::white);

    Label61 = LinkLabel::createForumStrip(this);
    Label61->setContentsMargins(0, 2, 0, 2);
    addTopStrip(Label61);

    fraFullBrand = new PromotionBand(this);
    addBelowButtons(fraFullBrand);
}

void SignReportForm::cmdSave_Click()
{
    const readingFiles::Kind kind = readingFiles::zodiacSigns();
    readingFiles::save(this, kind, savedFields(), suggestedFileName(kind.extension));
}
