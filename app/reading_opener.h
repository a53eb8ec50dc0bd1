#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class frmMDI;

// Opens saved readings that come from outside the input forms: a file named on the command line
// or handed over by a second start of the program. A reading opens as the Open button of its
// system does, on a fresh input form of that system: ".str" on the Chinese form, ".zod" on the
// Mayan form when it holds a day and a year (lines 3 and 4, which the Mayan form always writes
// and the Australian form never does), otherwise on the Australian form.
class ReadingOpener : public QObject
{
    Q_OBJECT
public:
    explicit ReadingOpener(frmMDI *frame);

    // Brings the frame to the front and opens fileName from the event loop once no dialog or
    // menu of the program is open, so that no window a dialog belongs to is closed under it.
    // Requests wait in the order they came, each opened after the one before it (a message it
    // shows closed); beyond MaxWaiting further ones are dropped.
    void request(const QString &fileName);
    static constexpr int MaxWaiting = 64;

    // Asks for a saved reading of any system (File > Open) and opens it; nothing on cancel.
    void chooseAndOpen();

    // Opens fileName now. False after a message: that the file does not exist, or "Please Check
    // The File." (a wrong extension, a file that cannot be read), with every window left as it was.
    bool open(const QString &fileName);

    // Lines read from a saved Mayan or Australian reading; a Chinese one is read to its last line,
    // the tradition's (chinese::SavedLineCount).
    static constexpr int MaxLineCount = 10;

private:
    void openWaiting();
    void bringFrameToFront();

    frmMDI *const m_frame;
    QStringList m_waiting;
    QTimer m_retry;
};
