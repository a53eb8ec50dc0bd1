#pragma once

#include <QDate>
#include <QString>

#include <utility>

class QWidget;

// "Full Reading" of the overview: leaves the overview for one system's own windows, filled with
// the same person, and runs that system's find action as opening a saved reading would, so that
// the person lands on the system's result form (or on its input form, where its checks ask for
// what the overview did not need: the Celtic last name, the Chinese sex).
namespace fullReading {

struct Person
{
    QString name;
    QString sex;        // "Male", "Female", or empty when not given
    QDate birthDate;
};

// Each returns false, after telling the user (over parent), when the system's input form does
// not list the birth year; the overview then stays open as it was.
bool openCeltic(const Person &person, QWidget *parent);
bool openChinese(const Person &person, QWidget *parent);
bool openMayan(const Person &person, QWidget *parent);
bool openAustralian(const Person &person, QWidget *parent);

// The name as the Celtic name boxes take it typed (celtic::finishedName), split at its
// last blank into first and last name; a single word is the first name only.
std::pair<QString, QString> celticNames(const QString &name);

} // namespace fullReading
