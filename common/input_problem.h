#pragma once

#include <QString>

#include <optional>
#include <utility>

// What keeps an input form (or a saved reading) from becoming a reading. The forms check in the
// order of this list: the name, then the sex, then the date, then whether the system covers it.
enum class InputProblem {
    None,
    NameMissing,        // "Please Enter Your Name"
    FirstNameMissing,   // "Please Enter First Name !"
    LastNameMissing,    // "Please Enter Your Last Name !"
    SexMissing,         // "Please Specify Your Sex"
    BadFebruary,        // "Please Enter Correct Date Or Month!"
    BadThirtyFirst,     // "Please Enter Correct Date Or Month !"
    YearOutOfRange,     // a year the system has no table for
};

// A birth date as the lists hold it, before it is known to be a date: day 1..31, month 1..12.
struct BirthEntry
{
    int day = 0;
    int month = 0;
    int year = 0;
};

namespace inputProblem {

// The program's message for a problem. Every message text of the input checks stands here.
// YearOutOfRange names the system and its years: "Celtic takes birth years from 1900 to 2099."
QString message(InputProblem problem, const QString &system = {}, int firstYear = 0, int lastYear = 0);

} // namespace inputProblem

// The answer of a check: a value, or the first problem found.
template<class T>
class Checked
{
public:
    Checked(T value) : m_value(std::move(value)) {}   // NOLINT: implicit, like std::optional
    Checked(InputProblem problem) : m_problem(problem) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    InputProblem problem() const { return m_problem; }
    const T &value() const { return *m_value; }
    const T &operator*() const { return *m_value; }
    const T *operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    InputProblem m_problem = InputProblem::None;
};
