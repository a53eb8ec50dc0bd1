#include "celtic/celtic_input.h"

#include "common/calendar_lists.h"

namespace celtic {

NameKey filterNameKey(int key, int *replacement)
{
    const bool upper = key >= 'A' && key <= 'Z';
    const bool lower = key >= 'a' && key <= 'z';
    if (!upper && !lower) {
        const bool control = key < 32 || (key >= 127 && key < 160);
        if (control || key == 32) {
            *replacement = key;
            return NameKey::Accept;
        }
        return NameKey::Reject;
    }
    *replacement = lower ? key - 32 : key;
    return NameKey::Accept;
}

InputProblem checkInput(const QString &firstName, const QString &lastName, int dayPos, int monthPos, int year)
{
    if (firstName.isEmpty())
        return InputProblem::FirstNameMissing;
    if (lastName.isEmpty())
        return InputProblem::LastNameMissing;
    switch (calendar::checkDate(dayPos + 1, monthPos + 1, year)) {
    case calendar::DateCheck::BadFebruary: return InputProblem::BadFebruary;
    case calendar::DateCheck::BadThirtyFirst: return InputProblem::BadThirtyFirst;
    case calendar::DateCheck::Valid: break;
    }
    return InputProblem::None;
}

} // namespace celtic
