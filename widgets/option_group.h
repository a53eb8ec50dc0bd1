#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QHBoxLayout;
class QLabel;

// A row of options that belong together (Male, Female). Assistive technology sees a group named
// and labelled by its caption, so that a screen reader entering the row says what the options
// are about ("Sex") before the option itself.
class OptionGroup : public QWidget
{
    Q_OBJECT
public:
    OptionGroup(const QString &objectName, const QString &accessibleName, QLabel *caption, QWidget *parent);

    // Moves option into the row, after those added before.
    void addOption(QAbstractButton *option);
    QLabel *caption() const { return m_caption; }

private:
    QHBoxLayout *m_row;
    QPointer<QLabel> m_caption;
};
