#pragma once

#include "forms/SignResultForm.h"

#include <array>

namespace australian {
struct AustralianSignRow;
}

// The Australian result form: "Sun Sign" with the animal in capitals, and its description.
// It offers Back only; Print and Exit are switched off and out of reach.
class frmAustralianAstrologyDisplay : public SignResultForm
{
    Q_OBJECT
public:
    frmAustralianAstrologyDisplay();

    void showSign(const australian::AustralianSignRow &row);

    std::array<QLabel *, 1> lblLabel{};
    std::array<QLabel *, 2> lblResult{};

protected:
    void showInputForm() override;
    void showReportForm() override;

private:
    void createControls();
};

// Fills the Australian result form (loading it when it is not loaded) with the sign of that
// animal; an unknown animal leaves the form as it was.
void ShowAustralianSign(const QString &animal);
