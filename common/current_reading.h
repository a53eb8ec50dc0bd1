#pragma once

#include <QString>

// What the last find action stored for reports and saved files. The name and the month
// are shared by the Chinese, Mayan and Australian systems: the last find of any of them owns them.
struct CurrentReading
{
    QString name;       // trimmed
    QString monthName;  // "January" .. "December"
    int mayanDay = 0;
    int mayanYear = 0;

    static CurrentReading &instance();
};
