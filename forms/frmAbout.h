#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPushButton;

// The About box: modal, fixed size, closed by OK, Enter or Escape.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    static void showModal(QWidget *opener);

private:
    QLabel *lblTitle;
    QLabel *lblDescription;
    QLabel *lblHomeBusiness;
    LinkLabel *lblCoBrand;
    LinkLabel *lblHomePage;
    QPushButton *cmdOK;

    void createControls();
};
