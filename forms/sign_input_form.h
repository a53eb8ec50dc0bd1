#pragma once

#include "common/input_problem.h"
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
// promotion band. A system adds its own lists and makes its reading from what they hold.
class SignInputForm : public OrvoForm
{
    Q_OBJECT
public:
    // The find command: the reading of what the entries hold handed on (found), or the first
    // problem told.
    void cmdProceed_Click();
    // Asks for a saved reading and opens it with openSavedFields().
    void cmdOpen_Click();
    // Opens the fields of a saved reading (its lines, decoded), wherever it came from: the
    // entries show the person and the find command runs. Fields that fail the input checks give
    // "Please Check The File." and leave the entries as they were. False when no reading shows.
    virtual bool openSavedFields(const QStringList &fields) = 0;

protected:
    // The entries every system reads its person from.
    QLineEdit *txtName;
    QComboBox *cboMonth;

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
        QString systemName = {};   // for a year outside the years listed: "Mayan Animal Sign"
        int firstYear = 0;
        int lastYear = 0;
    };

    explicit SignInputForm(const Design &design);

    // Lays the form out top to bottom; extraBirthLists stand right of cboMonth in the birth row.
    void arrangeControls(const QList<QComboBox *> &extraBirthLists);
    QComboBox *makeList(const QString &objectName, const QString &accessibleName, int widthTwips);

    // The system's find: its reading of the entries handed on, or the problem told.
    virtual bool findFromEntries() = 0;
    // The entry a problem is about; the focus goes there after its message.
    virtual QWidget *entryOf(InputProblem problem) const;

    // Shows this form, tells the user the problem (its message, its icon) and puts the focus in
    // the entry concerned. Returns false, for the find that failed.
    bool refuse(InputProblem problem);
    // "Please Check The File." Returns false.
    bool refuseFile();

private:
    LinkLabel *Label61;
    QLabel *Label3;
    QGroupBox *fraDetails;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *cmdProceed;
    QPushButton *cmdOpen;
    PromotionBand *fraFullBrand;

    const Design m_design;
};
