#pragma once

#include <QWidget>

class GuideBrowser;
class QUrl;

// The offline user guide (content/guide/guide.html) in a window of its own, created on first use
// and kept until the frame closes. It first shows centred on the frame, at the size it had when
// the program last closed. Links to web pages open in the browser; links inside the guide move the
// caret to their section; any other link does nothing. Escape, Ctrl+W and Ctrl+F4 close it.
class frmUserGuide : public QWidget
{
    Q_OBJECT
public:
    // Shows the guide (creating it the first time) in front of the program's main window.
    static frmUserGuide *showGuide();
    // The guide window while it exists, else nullptr.
    static frmUserGuide *instance();

    ~frmUserGuide() override;

private:
    GuideBrowser *txtGuide;

    explicit frmUserGuide(QWidget *parent);
    void placeOnMainWindow();
    void followLink(const QUrl &url);
};
