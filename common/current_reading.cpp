#include "common/current_reading.h"

CurrentReading &CurrentReading::instance()
{
    static CurrentReading reading;
    return reading;
}
