#include "celtic/celtic_input.h"

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

} // namespace celtic
