#include "widgets/name_box.h"

#include "common/line_codec.h"
#include "common/saved_reading.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>

namespace nameBox {
namespace {

// The box cuts what enters it at its length in UTF-16 units, which may fall inside a character
// (an emoji is two units, a joined emoji several): the part of a character left at the limit goes too.
void keepWholeCharacters(QString &text)
{
    if (text.size() < savedReading::MaxNameLength)
        return;
    if (text.back().isHighSurrogate())
        text.chop(1);
    if (text.endsWith(QChar(0x200D))) {   // a joiner waiting for the rest of its emoji
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
        graphemes.toEnd();
        text.truncate(std::max<qsizetype>(graphemes.toPreviousBoundary(), 0));
    }
}

// Accepts every text, once its line breaks are spaces; QLineEdit takes the changed text over.
class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        input = JoinLines(input);
        keepWholeCharacters(input);
        position = std::min(position, int(input.size()));
        return Acceptable;
    }

    void fixup(QString &input) const override
    {
        input = JoinLines(input);
        keepWholeCharacters(input);
    }
};

} // namespace

void setUp(QLineEdit *box)
{
    box->setMaxLength(savedReading::MaxNameLength);
    box->setValidator(new OneLineValidator(box));
}

} // namespace nameBox
