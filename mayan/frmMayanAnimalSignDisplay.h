#pragma once

#include "forms/SignResultForm.h"

#include <array>

namespace mayan {
struct MayanSignRow;
}

// The Mayan result form: the sign's Mayan and English names, crystal, interpretation and picture.
class frmMayanAnimalSignDisplay : public SignResultForm
{
    Q_OBJECT
public:
    frmMayanAnimalSignDisplay();

    // Writes the row's four fields and picture.
    void showSign(const mayan::MayanSignRow &row);

    QLabel *imgAnimalPics;
    std::array<QLabel *, 4> lblLabel{};
    std::array<QLabel *, 4> lblResult{};

protected:
    void showInputForm() override;
    void showReportForm() override;

private:
    void createControls();
};

// Fills the Mayan result form (loading it when it is not loaded) with the sign of that Mayan
// name; an unknown name leaves the form as it was.
void ShowMayanSign(const QString &mayanName);
