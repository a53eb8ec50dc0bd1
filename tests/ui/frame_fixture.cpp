#include "ui/frame_fixture.h"

#include "app/frmMDI.h"
#include "common/calendar_lists.h"
#include "forms/orvo_form.h"
#include "ui/support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

struct SystemNames
{
    const char *input;
    const char *result;
    const char *report;   // nullptr: the system has none
    const char *find;
    const char *listPrefix;   // of the day, month and year lists
};

SystemNames namesOf(systems::System system)
{
    switch (system) {
    case systems::System::Australian:
        return {"frmAustralianAstrologyMain", "frmAustralianAstrologyDisplay", "frmAustralianAstrologySave",
                "cmdProceed", "cbo"};
    case systems::System::Celtic:
        return {"frmCelticAnimalBirthSignMain", "frmCelticAnimalBirthSignDisplay", "frmCelticAnimalBirthSignSave",
                "Command1", "cmb"};
    case systems::System::Chinese:
        return {"frmChineseZodiacMain", "frmChineseZodiacDisplay", "frmChineseZodiacSave", "cmdProceed", "cbo"};
    case systems::System::Mayan:
        return {"frmMayanAnimalSignMain", "frmMayanAnimalSignDisplay", "frmMayanAnimalSignSave", "cmdProceed", "cbo"};
    case systems::System::TwoPeople:   // two of everything: its own tests drive it
        return {"frmTwoPeopleMain", "frmTwoPeopleDisplay", "frmTwoPeopleSave", "cmdFind", "cbo"};
    case systems::System::AllFourSigns:
        break;
    }
    return {"frmAllFourSignsMain", "frmAllFourSignsDisplay", nullptr, "cmdProceed", "cbo"};
}

OrvoForm *shownOrNull(OrvoForm *form)
{
    return form && form->isShownInFrame() ? form : nullptr;
}

bool missing(const QWidget *form, const QString &what)
{
    qWarning("%s has no %s", form ? qPrintable(form->objectName()) : "(no form)", qPrintable(what));
    return false;
}

bool setLine(const QWidget *form, const QString &name, const QString &text)
{
    auto *box = form->findChild<QLineEdit *>(name);
    if (!box)
        return missing(form, name);
    box->setText(text);
    return true;
}

bool select(const QWidget *form, const QString &name, const QString &entry)
{
    auto *list = form->findChild<QComboBox *>(name);
    const int index = list ? list->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    if (index < 0)
        return missing(form, QStringLiteral("%1 with the entry \"%2\"").arg(name, entry));
    list->setCurrentIndex(index);
    return true;
}

bool chooseSex(const QWidget *form, const QString &sex)
{
    for (QRadioButton *option : form->findChildren<QRadioButton *>()) {
        if (option->objectName().startsWith(QLatin1String("optSex_")) && option->text().remove(u'&') == sex) {
            option->setChecked(true);
            return true;
        }
    }
    return missing(form, QStringLiteral("optSex option \"%1\"").arg(sex));
}

} // namespace

FrameFixture::FrameFixture()
{
    installTestFonts();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_frame = std::make_unique<frmMDI>();
    // As the program starts it on a screen of its size: filling the screen.
    m_frame->showMaximized();
}

FrameFixture::~FrameFixture()
{
    m_frame->close();
    m_frame.reset();
    m_dialogs.reset();
    flushDeletes();
}

OrvoForm *FrameFixture::open(System system)
{
    if (!click(m_frame.get(), QStringLiteral("cmdSelectOption_%1").arg(int(system))))
        return nullptr;
    flushDeletes();
    return shownOrNull(inputForm(system));
}

bool FrameFixture::fill(System system, const Entries &entries)
{
    const SystemNames names = namesOf(system);
    const OrvoForm *input = inputForm(system);
    if (!input) {
        qWarning("%s is not loaded", names.input);
        return false;
    }
    bool filled = true;
    if (!entries.name.isEmpty()) {
        if (system == System::Celtic) {
            const qsizetype blank = entries.name.lastIndexOf(u' ');
            filled &= setLine(input, QStringLiteral("txtFName"), entries.name.left(blank < 0 ? entries.name.size() : blank));
            if (blank >= 0)
                filled &= setLine(input, QStringLiteral("txtlName"), entries.name.mid(blank + 1));
        } else {
            filled &= setLine(input, QStringLiteral("txtName"), entries.name);
        }
    }
    if (!entries.sex.isEmpty())
        filled &= chooseSex(input, entries.sex);
    const QString prefix = QLatin1String(names.listPrefix);
    if (entries.day > 0)
        filled &= select(input, prefix + QStringLiteral("Date"), QString::number(entries.day));
    if (entries.month > 0)
        filled &= select(input, prefix + QStringLiteral("Month"), calendar::monthNames().value(entries.month - 1));
    if (entries.year > 0)
        filled &= select(input, prefix + QStringLiteral("Year"), QString::number(entries.year));
    return filled;
}

OrvoForm *FrameFixture::find(System system)
{
    QPushButton *button = findButton(system);
    if (!button)
        return nullptr;
    button->click();
    flushDeletes();
    return shownOrNull(resultForm(system));
}

OrvoForm *FrameFixture::reading(System system, const Entries &entries)
{
    if (!open(system) || !fill(system, entries))
        return nullptr;
    return find(system);
}

OrvoForm *FrameFixture::report(System system)
{
    control<QPushButton>(resultForm(system), QStringLiteral("cmdPrint"))->click();
    return shownOrNull(reportForm(system));
}

OrvoForm *FrameFixture::openSaved(System system, const QString &fileName)
{
    OrvoForm *input = shownOrNull(inputForm(system));
    if (!input) {
        qWarning("%s is not shown", namesOf(system).input);
        return nullptr;
    }
    m_dialogs->fileAnswers << fileName;
    if (!click(input, QStringLiteral("cmdOpen")))
        return nullptr;
    flushDeletes();
    return shownOrNull(resultForm(system));
}

bool FrameFixture::startPanelShown() const
{
    return !control<QWidget>(m_frame.get(), QStringLiteral("picMain"))->isHidden();
}

QStringList FrameFixture::shownWindows() const
{
    flushDeletes();
    QStringList names;
    const auto *area = control<QMdiArea>(m_frame.get(), QStringLiteral("mdiArea"));
    for (const QMdiSubWindow *window : area->subWindowList(QMdiArea::CreationOrder)) {
        const auto *form = qobject_cast<const OrvoForm *>(window->widget());
        if (form && form->isShownInFrame())
            names << form->objectName();
    }
    return names;
}

OrvoForm *FrameFixture::inputForm(System system)
{
    return loadedForm(QLatin1String(namesOf(system).input));
}

OrvoForm *FrameFixture::resultForm(System system)
{
    return loadedForm(QLatin1String(namesOf(system).result));
}

OrvoForm *FrameFixture::reportForm(System system)
{
    const char *name = namesOf(system).report;
    return name ? loadedForm(QLatin1String(name)) : nullptr;
}

OrvoForm *FrameFixture::loadedForm(const QString &objectName)
{
    // A closed window lingers until the event loop deletes it; it must not count as open.
    flushDeletes();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<OrvoForm *>(top); form && form->objectName() == objectName)
            return form;
        if (auto *form = top->findChild<OrvoForm *>(objectName))
            return form;
    }
    return nullptr;
}

QList<OrvoForm *> FrameFixture::loadedForms()
{
    flushDeletes();
    QList<OrvoForm *> forms;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<OrvoForm *>(window))
            forms.append(form);
        forms += window->findChildren<OrvoForm *>();
    }
    return forms;
}

QPushButton *FrameFixture::findButton(System system)
{
    const OrvoForm *input = inputForm(system);
    const QString name = QLatin1String(namesOf(system).find);
    QPushButton *button = input ? input->findChild<QPushButton *>(name) : nullptr;
    if (!button)
        missing(input, name);
    return button;
}

QString FrameFixture::dateShown(System system)
{
    const OrvoForm *input = inputForm(system);
    const QString prefix = QLatin1String(namesOf(system).listPrefix);
    return text(input, prefix + QStringLiteral("Date")) + text(input, prefix + QStringLiteral("Month"))
           + text(input, prefix + QStringLiteral("Year"));
}

QString FrameFixture::text(const QWidget *widget, const QString &name)
{
    const QWidget *found = control<QWidget>(widget, name);
    if (const auto *box = qobject_cast<const QLineEdit *>(found))
        return box->text();
    if (const auto *label = qobject_cast<const QLabel *>(found))
        return label->text();
    if (const auto *list = qobject_cast<const QComboBox *>(found))
        return list->currentText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(found))
        return button->text();
    if (const auto *box = qobject_cast<const QTextEdit *>(found))
        return box->toPlainText();
    if (const auto *frame = qobject_cast<const QGroupBox *>(found))
        return frame->title();
    qFatal("%s: %s shows no text the fixture knows", qPrintable(widget->objectName()), qPrintable(name));
}

bool FrameFixture::isChecked(const QWidget *widget, const QString &name)
{
    return control<QAbstractButton>(widget, name)->isChecked();
}

bool FrameFixture::click(const QWidget *widget, const QString &buttonName)
{
    auto *button = widget ? widget->findChild<QAbstractButton *>(buttonName) : nullptr;
    if (!button)
        return missing(widget, buttonName);
    if (!button->isEnabled())
        return false;
    button->click();
    return true;
}

bool FrameFixture::trigger(const QWidget *widget, const QString &actionName)
{
    auto *action = widget ? widget->findChild<QAction *>(actionName) : nullptr;
    if (!action)
        return missing(widget, actionName);
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}

void FrameFixture::closeWindow(QWidget *form)
{
    if (auto *window = qobject_cast<QMdiSubWindow *>(form->parentWidget()))
        window->close();
    else
        form->close();
    flushDeletes();
}

void FrameFixture::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FrameFixture::missingControl(const QWidget *widget, const QString &name)
{
    qFatal("%s has no control %s", widget ? qPrintable(widget->objectName()) : "(no window)", qPrintable(name));
}
