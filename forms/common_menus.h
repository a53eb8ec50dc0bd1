#pragma once

#include <QList>
#include <QString>

class QAction;
class QWidget;

// The menus every window with a menu bar shares: "&Help" (user guide, online help, visit us,
// update check, About box) and the top-level "Make Money Online" entry, which starts hidden.
// Returns the two menu-bar entries; the actions belong to owner.
QList<QAction *> createCommonMenus(QWidget *owner,
                                   const QString &makeMoneyCaption = QStringLiteral("Make Money &Online"),
                                   const QString &makeMoneyName = QStringLiteral("mnuMakeMoney"));

// "User &Guide" (F1): one action for the whole program, so that F1 has one owner whichever
// window is active. Every Help menu lists it and every system form carries it (a form without a
// menu bar too); it opens the user guide.
QAction *userGuideAction();
