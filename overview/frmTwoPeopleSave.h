#pragma once

#include "overview/two_people.h"
#include "report/report_form.h"

#include <optional>

class LinkLabel;
class PromotionBand;

// The report of Two People: both people with their signs, every relation of the two animals with
// its explanation, the elements' relation and the summary, to print or keep as a PDF. A pair has
// no saved reading, so the report offers no Save.
class frmTwoPeopleSave : public ReportForm
{
    Q_OBJECT
public:
    frmTwoPeopleSave();

    // Takes its own copy of the match and composes the report anew from it.
    void showReading(const TwoPeople &match);

    void cmdSave_Click() override {}

protected:
    void composeReport() override;
    bool printsWithDialog() const override { return true; }
    QString personName() const override;
    QString systemName() const override { return QStringLiteral("Two People"); }

private:
    LinkLabel *Label14;
    LinkLabel *Label1;
    PromotionBand *fraFullBrand;
    std::optional<TwoPeople> m_match;
};
