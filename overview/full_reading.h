#pragma once

#include "australian/australian_reading.h"
#include "celtic/celtic_reading.h"
#include "chinese/chinese_zodiac.h"
#include "mayan/mayan_reading.h"

#include <QDate>
#include <QString>

#include <utility>

class QWidget;

// "Full Reading" of the overview: the person of the overview as each system's input form takes
// it, so that the system runs its find action on it as opening a saved reading would and the
// person lands on the system's result form (or on its input form, where its checks ask for what
// the overview did not need: the Celtic last name, the Chinese sex).
namespace fullReading {

struct Person
{
    QString name;
    QString sex;        // "Male", "Female", or empty when not given
    QDate birthDate;
};

celtic::Person celticPerson(const Person &person);
chinese::Person chinesePerson(const Person &person);
mayan::Person mayanPerson(const Person &person);
australian::Person australianPerson(const Person &person);

// The overview offers years that some systems do not cover. False, after telling the user (over
// parent), when the system of that overview tile does not list the birth year.
bool coversBirthYear(int tile, const Person &person, QWidget *parent);

// The name as the Celtic name boxes take it typed (celtic::finishedName), split at its
// last blank into first and last name; a single word is the first name only.
std::pair<QString, QString> celticNames(const QString &name);

} // namespace fullReading
