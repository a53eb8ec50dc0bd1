#include "forms/common_menus.h"

#include "forms/frmAbout.h"
#include "forms/frmUserGuide.h"
#include "widgets/modHelp.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>

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
    help->addAction(userGuideAction());
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

QAction *userGuideAction()
{
    // Lives as long as the application; a test that makes a new application gets a new one.
    static QPointer<QAction> action;
    if (!action) {
        action = new QAction(QStringLiteral("User &Guide"), qApp);
        action->setObjectName(QStringLiteral("mnuGuide"));
        action->setShortcut(QKeySequence(Qt::Key_F1));
        action->setShortcutContext(Qt::ApplicationShortcut);
        QObject::connect(action, &QAction::triggered, qApp, [] { frmUserGuide::showGuide(); });
    }
    return action;
}
