#pragma once

#include "forms/SignInputForm.h"

// The Australian input form: name and birth month, then "Find My Australian Astrology Sign".
// It has no menu bar.
class frmAustralianAstrologyMain : public SignInputForm
{
    Q_OBJECT
public:
    frmAustralianAstrologyMain();

    void Form_Load() override;

    // False after telling the user that the name is missing.
    bool ValidateAustralianInput();

protected:
    bool validateInput() override { return ValidateAustralianInput(); }
    void showReading() override;
    int savedLineCount() const override { return 2; }
};
