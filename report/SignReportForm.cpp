#include "report/SignReportForm.h"

#include "common/current_reading.h"
#include "common/program_texts.h"
#include "widgets/link_label.h"
#include "widgets/promotion_band.h"
#include "widgets/protected_text_edit.h"
#include "forms/reading_files.h"
#include "widgets/look.h"

SignReportForm::SignReportForm(const QString &objectName, const QString &caption, int widthTwips, int heightTwips,
                               const QColor &background)
    : ReportForm(objectName, caption, widthTwips, heightTwips)
{
    look::setBackground(this, background);
    look::setColours(RTB, Qt::black, Qt::white);

    Label61 = LinkLabel::createForumStrip(this);
    const int width = twips::toPixels(widthTwips);
    Label61->setGeometry(0, 0, width, Label61->heightForWidth(width) + 4);
    reserveTopStrip(Label61->geometry().bottom() + 4);

    fraFullBrand = new PromotionBand(this);
    fraFullBrand->arrange(widthTwips);
    fraFullBrand->move(0, belowButtons());
}

QString SignReportForm::personName() const
{
    return CurrentReading::instance().name;
}

void SignReportForm::cmdSave_Click()
{
    readingFiles::save(this, readingFiles::zodiacSigns(), savedFields());
}
