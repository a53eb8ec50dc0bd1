#pragma once

#include "app/system_forms.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <array>

class FrameWindows;
class LinkLabel;
class QAction;
class QLabel;
class QMdiArea;
class QPushButton;
class ReadingOpener;

// The main frame: banner, the choices of the four systems, of the overview of all four and of
// Two People, the start panel and the exit strip around the area where the system windows open.
// It owns the windows of every system; the start panel shows exactly while none of them does.
class frmMDI : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMDI(QWidget *parent = nullptr);
    ~frmMDI() override;

    void MDIForm_Load();

    bool isStartPanelVisible() const;

    // Opens the lines of a saved reading in its system's windows, as the system's Open does.
    void openSavedFields(systems::System system, const QStringList &fields);

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

    // F6 / Ctrl+Tab (with Shift too): the focus goes from the child window in use to the frame's
    // own controls and back. The frame takes it at the control that had it last there, else at
    // the first choice (at Exit where the choices gave way); the child where it was left, else at
    // its first control.
    void switchFocusPane();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *Picture6;
    LinkLabel *lblVellimorBanner;
    QWidget *Picture1;
    // 0..3 the four systems, 4 the overview of all four signs, 5 Two People.
    std::array<QPushButton *, 6> cmdSelectOption{};
    QWidget *picMain;
    // 3..6 the four systems, 7 the overview of all four signs, 8 Two People.
    std::array<QLabel *, 9> lblCaption{};
    QWidget *PicCoBrand;
    LinkLabel *Label7;
    QPushButton *cmdMdiExit;
    QMdiArea *mdiArea = nullptr;
    QAction *mnuAllFourSigns;
    QAction *mnuTwoPeople;
    QAction *mnuExit;
    QAction *mnuOpen;
    QAction *mkmoney;

    void createControls();
    void createStrips(QWidget *central);
    void createStartPanel(QWidget *central);
    void createMenus();
    void connectSignals();
    void updateMenuBar();
    void updateStartPanel();
    void fitStartPanel();
    // Where the window area is lower than the shown windows need at least (their buttons in
    // sight), the frame's bands give way, one after the other: the banner, the promotion text
    // beside Exit, the choices. With room again they come back.
    void fitBands();
    // fitBands(), then the shown windows sized afresh where one does not lie inside the area.
    void fitBandsAndWindows();
    FrameWindows *windows();

    FrameWindows *m_windows = nullptr;
    ReadingOpener *m_opener = nullptr;
    QList<QAction *> m_ownMenuBar;
    QPointer<QWidget> m_lastFrameFocus;
    bool m_closing = false;
    QRect m_startPanelFittedTo;
};
