#include "australian/frmAustralianAstrologyMain.h"

#include "common/calendar_lists.h"

#include <QComboBox>
#include <QLineEdit>

frmAustralianAstrologyMain::frmAustralianAstrologyMain()
    : SignInputForm({QStringLiteral("frmAustralianAstrologyMain"), QStringLiteral("Orvo Australian Astrology"), 6120,
                     4380, QColor(0, 64, 0), QColor(255, 128, 0),
                     QStringLiteral("Are you a Wombat? Or a Koala? Know More about your Australian Astrology Animal "
                                    "Sign with this software."),
                     QStringLiteral("Birth Month"), QStringLiteral("Find My Australian Astrology &Sign")})
{
    arrangeControls({});
}

void frmAustralianAstrologyMain::Form_Load()
{
    cboMonth->addItems(calendar::monthNames());
    cboMonth->setCurrentIndex(0);
}

void frmAustralianAstrologyMain::showPerson(const australian::Person &person)
{
    txtName->setText(person.name);
    if (person.month >= 1 && person.month <= cboMonth->count())
        cboMonth->setCurrentIndex(person.month - 1);
}

bool frmAustralianAstrologyMain::find(const australian::Person &person)
{
    const Checked<australian::Reading> reading = australian::makeReading(person);
    if (!reading)
        return refuse(reading.problem());
    Q_EMIT found(*reading);
    return true;
}

bool frmAustralianAstrologyMain::findFromEntries()
{
    return find({txtName->text(), cboMonth->currentIndex() + 1});
}

bool frmAustralianAstrologyMain::openReading(const australian::Person &person)
{
    showPerson(person);
    return find(person);
}

bool frmAustralianAstrologyMain::openSavedFields(const QStringList &fields)
{
    const Checked<australian::Person> person = australian::personFromSavedFields(fields);
    return person ? openReading(*person) : refuseFile();
}
