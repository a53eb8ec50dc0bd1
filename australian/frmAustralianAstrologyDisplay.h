#pragma once

#include "australian/australian_reading.h"
#include "forms/sign_result_form.h"

#include <array>

// The Australian result form: "Sun Sign" with the animal in capitals, and its description;
// Print opens the report, which saves, prints and makes a PDF of the reading. It holds the
// reading it shows; the report is made from it.
class frmAustralianAstrologyDisplay : public SignResultForm
{
    Q_OBJECT
public:
    frmAustralianAstrologyDisplay();

    // Keeps a copy of reading and shows its sign.
    void showReading(const australian::Reading &reading);
    const australian::Reading &reading() const { return m_reading; }

    void showSign(const australian::AustralianSignRow &row);

private:
    std::array<QLabel *, 1> lblLabel{};
    std::array<QLabel *, 2> lblResult{};

    void createControls();

    australian::Reading m_reading;
};

