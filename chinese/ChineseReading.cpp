#include "chinese/ChineseReading.h"

ChineseReading &ChineseReading::instance()
{
    static ChineseReading reading;
    return reading;
}
