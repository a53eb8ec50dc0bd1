#include "celtic/celtic_input.h"

#include <QRegularExpression>

namespace celtic {
namespace {

bool isJoiner(char32_t c)
{
    return c == U'\'' || c == U'\u2019' || c == U'-';
}

bool isMark(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
           || category == QChar::Mark_Enclosing;
}

} // namespace

NameKey filterNameKey(char32_t key, char32_t *replacement)
{
    const bool control = key < 32 || (key >= 127 && key < 160);
    if (control || key == U' ' || isJoiner(key) || isMark(key)) {
        *replacement = key;
        return NameKey::Accept;
    }
    if (!QChar::isLetter(key))
        return NameKey::Reject;
    *replacement = QChar::toUpper(key);
    return NameKey::Accept;
}

EnteredName nameAsEntered(const QString &text, bool capitals)
{
    EnteredName entered;
    bool afterLetter = false;   // the last character kept is a letter or one of its marks
    for (const char32_t c : text.toUcs4()) {
        if (c == U' ') {
            entered.text += QLatin1Char(' ');
            afterLetter = false;
        } else if (QChar::isLetter(c)) {
            // The whole-string mapping: some capitals are two letters (ß -> SS).
            const QString letter = QString::fromUcs4(&c, 1);
            entered.text += capitals ? letter.toUpper() : letter;
            afterLetter = true;
        } else if ((isMark(c) || isJoiner(c)) && afterLetter) {
            entered.text += QString::fromUcs4(&c, 1);
            afterLetter = isMark(c);
        } else {
            entered.refused = true;
        }
    }
    return entered;
}

QString finishedName(const QString &text)
{
    static const QRegularExpression danglingJoiners(QStringLiteral("['\u2019-]+(?= |$)"));
    return nameAsEntered(text).text.remove(danglingJoiners);
}

} // namespace celtic
