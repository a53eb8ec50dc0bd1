#pragma once

#include "forms/orvo_form.h"

#include <QColor>

class LinkLabel;
class PromotionBand;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The input form the Mayan and Australian systems share: "Personal Details" with the name and
// the birth lists, the find button, Open of a saved ".zod" reading, the forum link and the
// promotion band. A system adds its own lists, checks and find command.
class SignInputForm : public OrvoForm
{
    Q_OBJECT
public:
    void Form_Unload() override;

    // The find command: the system's checks, then its reading and result form; the input form
    // hides, and so does the frame's start panel.
    void cmdProceed_Click();
    // Opens a saved reading, fills the entries from it and runs the find command.
    void cmdOpen_Click();
    // Fills the entries from the fields of a saved reading and runs the find command; what
    // Open does after reading the file, also for readings that come from elsewhere.
    void openReading(const QStringList &fields);

    LinkLabel *Label61;
    QLabel *Label3;
    QGroupBox *fraDetails;
    QLabel *Label1;
    QLineEdit *txtName;
    QLabel *Label2;
    QComboBox *cboMonth;
    QPushButton *cmdProceed;
    QPushButton *cmdOpen;
    PromotionBand *fraFullBrand;

protected:
    struct Design
    {
        QString objectName;
        QString caption;
        int widthTwips;
        int heightTwips;
        QColor background;
        QColor accent;           // the frame's caption and its row labels
        QString introduction;    // Label3
        QString birthCaption;    // Label2
        QString proceedCaption;
    };

    explicit SignInputForm(const Design &design);

    // Lays the form out top to bottom; extraBirthLists stand right of cboMonth in the birth row.
    void arrangeControls(const QList<QComboBox *> &extraBirthLists);
    QComboBox *makeList(const QString &objectName, const QString &accessibleName, int widthTwips);

    // False after telling the user what is wrong.
    virtual bool validateInput() = 0;
    // Stores the reading, finds the sign and fills and shows the result form.
    virtual void showReading() = 0;
    // How many lines of a saved reading this form reads, and what it does with those after the
    // name and the month.
    virtual int savedLineCount() const = 0;
    virtual void applySavedFields(const QStringList &fields) { Q_UNUSED(fields) }

    // "Please Enter Your Name", with the focus back in the name box.
    void reportMissingName();

private:
    const Design m_design;
    bool m_proceeding = false;
};
