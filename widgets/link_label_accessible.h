#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// What assistive technology sees of a LinkLabel: a link named by its text, which the Press (and
// Jump) action follows as a click does.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *link);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Installed once by the first LinkLabel.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    LinkLabel *link() const;
};
