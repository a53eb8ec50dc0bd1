#pragma once

#include "forms/orvo_form.h"

#include <QColor>

class LinkLabel;
class PromotionBand;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;

// The result form the Mayan and Australian systems share: the result frame with caption and
// value labels, Print, Exit and Back with their menu entries, the links and the promotion band.
// A system adds its labels (and picture) to the frame.
class SignResultForm : public OrvoForm
{
    Q_OBJECT
public:
    void Form_Unload() override;

    // Back to the input form, which still holds the entries of this reading.
    void cmdBack_Click();
    void cmdExit_Click();
    // Opens the report form.
    void cmdPrint_Click();

    LinkLabel *Label61;
    QGroupBox *fraStarUserSignDetails;
    QPushButton *cmdPrint;
    QPushButton *cmdExit;
    QPushButton *cmdBack;
    LinkLabel *Label13;
    PromotionBand *fraFullBrand;
    QAction *mnuPrint;
    QAction *mnuBack;
    QAction *mnuExit;

protected:
    struct Design
    {
        QString objectName;
        QString caption;
        QString frameCaption;
        int widthTwips;
        int heightTwips;
        QColor background;
        bool separatorAfterPrint;   // in the File menu
    };

    explicit SignResultForm(const Design &design);

    virtual void showInputForm() = 0;
    virtual void showReportForm() = 0;

    // Labels inside the result frame; rectangles in twips relative to the frame.
    QLabel *addCaptionLabel(const QString &objectName, const QString &text, const QColor &colour,
                            int left, int top);
    QLabel *addValueLabel(const QString &objectName, const QFont &font, const QColor &colour,
                          int left, int top, int width, int height);
    // A wrapping label tall enough for the longest of texts.
    QLabel *addWrappingLabel(const QString &objectName, const QColor &colour, int left, int top, int width,
                             int height, const QStringList &texts);

    // Once the frame holds its labels: the frame, then the button row, then the promotion band.
    void arrangeControls();

private:
    const Design m_design;
};
