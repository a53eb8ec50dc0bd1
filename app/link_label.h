#pragma once

#include "app/modHelp.h"

#include <QLabel>

// A label that opens a page of the maker's web site on a click: pointing hand, underlined.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, const QString &text, modHelp::Page page, QWidget *parent);

    modHelp::Page page() const { return m_page; }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    modHelp::Page m_page;
};
