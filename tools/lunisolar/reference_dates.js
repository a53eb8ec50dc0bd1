// Prints, one line per day, the lunar date another calendar library gives for it, for check.py:
// "YYYY-MM-DD year month leap day". Usage:
//   node reference_dates.js korean MODULES_DIR FIRST_YEAR LAST_YEAR
//   node reference_dates.js amlich MODULES_DIR FIRST_YEAR LAST_YEAR   (UTC+7 from 1967-08-08, UTC+8 before)
'use strict';
const path = require('path');
const [kind, modules, firstYear, lastYear] = process.argv.slice(2);
if (!kind || !modules || !firstYear || !lastYear) {
    console.error('usage: node reference_dates.js korean|amlich MODULES_DIR FIRST_YEAR LAST_YEAR');
    process.exit(2);
}
const lines = [];
const pad = n => String(n).padStart(2, '0');
let convert;
if (kind === 'korean') {
    const Calendar = require(path.join(modules, 'korean-lunar-calendar'));
    const calendar = new (Calendar.default || Calendar)();
    convert = (y, m, d) => {
        if (!calendar.setSolarDate(y, m, d))
            return null;
        const l = calendar.getLunarCalendar();
        return [l.year, l.month, l.intercalation ? 1 : 0, l.day];
    };
} else if (kind === 'amlich') {
    const amlich = require(path.join(modules, 'amlich'));
    convert = (y, m, d) => {
        const zone = Date.UTC(y, m - 1, d) >= Date.UTC(1967, 7, 8) ? 7 : 8;
        const [day, month, year, leap] = amlich.convertSolar2Lunar(d, m, y, zone);
        return [year, month, leap ? 1 : 0, day];
    };
} else {
    console.error(`unknown library ${kind}`);
    process.exit(2);
}
for (let t = Date.UTC(+firstYear, 0, 1); t <= Date.UTC(+lastYear, 11, 31); t += 86400000) {
    const day = new Date(t);
    const y = day.getUTCFullYear(), m = day.getUTCMonth() + 1, d = day.getUTCDate();
    const lunar = convert(y, m, d);
    if (lunar)
        lines.push(`${y}-${pad(m)}-${pad(d)} ${lunar.join(' ')}`);
}
process.stdout.write(lines.join('\n') + '\n');
