#pragma once

#include "forms/sign_result_form.h"
#include "mayan/mayan_reading.h"

#include <array>

// The Mayan result form: the sign's Mayan and English names, crystal, interpretation and picture.
// It holds the reading it shows; the report is made from it.
class frmMayanAnimalSignDisplay : public SignResultForm
{
    Q_OBJECT
public:
    frmMayanAnimalSignDisplay();

    // Keeps a copy of reading and shows its sign.
    void showReading(const mayan::Reading &reading);
    const mayan::Reading &reading() const { return m_reading; }

    // Writes the row's four fields and picture.
    void showSign(const mayan::MayanSignRow &row);

private:
    QLabel *imgAnimalPics;
    std::array<QLabel *, 4> lblLabel{};
    std::array<QLabel *, 4> lblResult{};

    void createControls();

    mayan::Reading m_reading;
};

