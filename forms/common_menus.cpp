#include "forms/common_menus.h"

#include "forms/frmAbout.h"
#include "forms/modHelp.h"

#include <QAction>
#include <QMenu>

namespace {

QAction *addEntry(QMenu *menu, QWidget *owner, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

} // namespace

QList<QAction *> createCommonMenus(QWidget *owner, const QString &makeMoneyCaption, const QString &makeMoneyName)
{
    auto *help = new QMenu(QStringLiteral("&Help"), owner);
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp_title"));
    QObject::connect(addEntry(help, owner, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help")),
                     &QAction::triggered, owner, [] { modHelp::OpenHelpPage(); });
    QObject::connect(addEntry(help, owner, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online")),
                     &QAction::triggered, owner, [] { modHelp::OpenHomePage(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QObject::connect(addEntry(help, owner, QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update")),
                     &QAction::triggered, owner, [] { modHelp::OpenDownloadPage(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    QObject::connect(addEntry(help, owner, QStringLiteral("mnuAbout"), QStringLiteral("&About Software")),
                     &QAction::triggered, owner, [owner] { frmAbout::showModal(owner); });

    auto *makeMoney = new QAction(makeMoneyCaption, owner);
    makeMoney->setObjectName(makeMoneyName);
    makeMoney->setVisible(false);
    QObject::connect(makeMoney, &QAction::triggered, owner, [] { modHelp::OpenFullBrandPage(); });
    return {help->menuAction(), makeMoney};
}
