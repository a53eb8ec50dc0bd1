#include "overview/frmTwoPeopleSave.h"

#include "common/program_texts.h"
#include "overview/two_people.h"
#include "overview/two_people_texts.h"
#include "widgets/link_label.h"
#include "widgets/look.h"
#include "widgets/promotion_band.h"
#include "widgets/protected_text_edit.h"

#include <QPushButton>
#include <QTextCursor>

frmTwoPeopleSave::frmTwoPeopleSave()
    : ReportForm(QStringLiteral("frmTwoPeopleSave"), QStringLiteral("Orvo Two People"), 7725, 7770)
{
    look::setBackground(this, QColor(0, 0, 96));
    look::setColours(RTB, Qt::black, Qt::white);

    Label14 = new LinkLabel(QStringLiteral("Label14"), texts::forumInvitation(), modHelp::Page::Home, this);
    Label1 = new LinkLabel(QStringLiteral("Label1"), texts::webSiteInvitation(), modHelp::Page::Home, this);
    for (LinkLabel *link : {Label14, Label1})
        look::setForeground(link, QColor(255, 255, 128));
    stackTopLinks({Label14, Label1});

    // A pair has no saved reading: the row closes up without Save.
    cmdSave->hide();

    fraFullBrand = new PromotionBand(this);
    addBelowButtons(fraFullBrand);
}

void frmTwoPeopleSave::showReading(const TwoPeople &match)
{
    m_match = match;
    compose();
}

void frmTwoPeopleSave::composeReport()
{
    // Composed at load before any match is given: nothing to say yet.
    if (!m_match)
        return;
    const TwoPeople &match = *m_match;
    const QColor heading = look::darkRed();
    const QColor section = look::teal();
    insertText(overview::pairName(match) + lineBreaks(2), true, section);
    for (const auto &[title, person] : {std::pair{QStringLiteral("First Person: "), &match.first},
                                        std::pair{QStringLiteral("Second Person: "), &match.second}}) {
        insertEntry(title, person->name, heading, 1);
        insertEntry(QStringLiteral("Chinese Sign: "),
                    QStringLiteral("%1. %2.").arg(overview::signName(*person, match.tradition),
                                                  overview::birthDetail(*person, match.yearStart, match.tradition)),
                    heading, 2);
    }
    insertText(QStringLiteral("The Two Animals") + lineBreaks(2), true, section);
    for (const chinese::RelationText &relation : overview::shownRelations(match))
        insertEntry(overview::relationTitle(relation) + QStringLiteral(": "), relation.explanation, heading, 2);
    insertText(QStringLiteral("The Two Elements") + lineBreaks(2), true, section);
    const chinese::RelationText elements = overview::elementsText(match);
    insertEntry(overview::relationTitle(elements) + QStringLiteral(": "), elements.explanation, heading, 2);
    insertEntry(QStringLiteral("Summary: "), match.summary, heading, 3);
    insertCreditLine();
}

QString frmTwoPeopleSave::personName() const
{
    return m_match ? overview::pairName(*m_match) : QString();
}
