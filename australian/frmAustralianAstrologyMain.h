#pragma once

#include "australian/australian_reading.h"
#include "forms/sign_input_form.h"

// The Australian input form: name and birth month, then "Find My Australian Astrology Sign".
// It has no menu bar.
class frmAustralianAstrologyMain : public SignInputForm
{
    Q_OBJECT
public:
    frmAustralianAstrologyMain();

    void Form_Load() override;

    // The entries show person and the find command runs on it: true when its result form shows
    // the reading; otherwise the problem is told and this form shows, filled.
    bool openReading(const australian::Person &person);
    bool openSavedFields(const QStringList &fields) override;

Q_SIGNALS:
    void found(const australian::Reading &reading);

protected:
    bool findFromEntries() override;

private:
    void showPerson(const australian::Person &person);
    bool find(const australian::Person &person);
};
