#pragma once

#include <QList>
#include <QString>

class QAction;
class QWidget;

// The menus every window with a menu bar shares: "&Help" (online help, visit us, update check,
// About box) and the top-level "Make Money Online" entry, which starts hidden.
// Returns the two menu-bar entries; the actions belong to owner.
QList<QAction *> createCommonMenus(QWidget *owner,
                                   const QString &makeMoneyCaption = QStringLiteral("Make Money &Online"),
                                   const QString &makeMoneyName = QStringLiteral("mnuMakeMoney"));
