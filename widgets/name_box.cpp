#include "widgets/name_box.h"

#include "common/line_codec.h"
#include "common/saved_reading.h"

#include <QLineEdit>
#include <QValidator>

namespace nameBox {
namespace {

// Accepts every text, once its line breaks are spaces; QLineEdit takes the changed text over.
class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        input = JoinLines(input);
        position = std::min(position, int(input.size()));
        return Acceptable;
    }

    void fixup(QString &input) const override { input = JoinLines(input); }
};

} // namespace

void setUp(QLineEdit *box)
{
    box->setMaxLength(savedReading::MaxNameLength);
    box->setValidator(new OneLineValidator(box));
}

} // namespace nameBox
