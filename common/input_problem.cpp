#include "common/input_problem.h"

#include "common/program_texts.h"

namespace inputProblem {

QString message(InputProblem problem, const QString &system, int firstYear, int lastYear)
{
    switch (problem) {
    case InputProblem::None:
        break;
    case InputProblem::NameMissing:
        return texts::enterYourName();
    case InputProblem::FirstNameMissing:
        return QStringLiteral("Please Enter First Name !");
    case InputProblem::LastNameMissing:
        return QStringLiteral("Please Enter Your Last Name !");
    case InputProblem::SexMissing:
        return QStringLiteral("Please Specify Your Sex");
    case InputProblem::BadFebruary:
        return texts::badFebruary();
    case InputProblem::BadThirtyFirst:
        return texts::badThirtyFirst();
    case InputProblem::YearOutOfRange:
        return QStringLiteral("%1 takes birth years from %2 to %3.").arg(system).arg(firstYear).arg(lastYear);
    }
    return {};
}

} // namespace inputProblem
