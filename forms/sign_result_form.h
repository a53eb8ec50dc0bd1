#pragma once

#include "forms/orvo_form.h"

#include <QColor>

class LinkLabel;
class LongestTextLabel;
class PromotionBand;
class QAction;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// A result form: the forum link, the result frame, the Print, Exit and Back buttons with their
// File menu entries and the common menus, the promotion band. A system adds its labels (and
// picture) to the frame's rows and says which input and report forms are its own.
class SignResultForm : public OrvoForm
{
    Q_OBJECT
public:
    // Back to the input form, which still holds the entries of this reading.
    void cmdBack_Click();
    void cmdExit_Click();
    // Opens the report form.
    void cmdPrint_Click();

protected:
    // The result frame; a system's pictures stand in it.
    QGroupBox *fraStarUserSignDetails;

    struct Design
    {
        QString objectName;
        QString caption;
        QString frameCaption;
        int widthTwips;
        int heightTwips;
        QColor background;
        bool separatorAfterPrint;     // in the File menu
        bool offersPrintAndExit = true;   // false: both buttons switched off and out of sight,
                                          // the Print menu entry unavailable
    };

    explicit SignResultForm(const Design &design);

    // The frame's rows: captions in column 0, their values right of them in column 1.
    QGridLayout *resultRows() const { return m_rows; }
    // Below the rows, across the frame, spacing pixels under what stands above.
    void addBelowRows(QWidget *widget, int spacing);

    // Labels for the frame, in the look of the result forms.
    QLabel *makeCaptionLabel(const QString &objectName, const QString &text, const QColor &colour);
    QLabel *makeValueLabel(const QString &objectName, const QFont &font, const QColor &colour);
    // A label wide or (wrapping) tall enough for the longest of texts, so that the window, sized
    // once, holds every reading.
    LongestTextLabel *makeLongestTextLabel(const QString &objectName, const QFont &font, const QColor &colour,
                                           const QStringList &texts, bool wrapping);

private:
    void createControls();
    void createMenus();
    void arrangeControls();
    void connectSignals();

    LinkLabel *Label61;
    QPushButton *cmdPrint;
    QPushButton *cmdExit;
    QPushButton *cmdBack;
    LinkLabel *Label13;
    PromotionBand *fraFullBrand;
    QAction *mnuPrint;
    QAction *mnuBack;
    QAction *mnuExit;

    const Design m_design;
    QGridLayout *m_rows = nullptr;
    QVBoxLayout *m_frame = nullptr;
};
