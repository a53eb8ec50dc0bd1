// Writes chinese/calendar/chinese_months.inc (the first day of every Chinese month, with its
// number and leap flag) and chinese/calendar/solar_terms.inc (the moment of each of the 24 solar
// terms, in UTC, to the second) for 1899..2101. Run through generate.sh, which installs the
// pinned library.
// The library dates solar terms in China Standard Time (UTC+8, all year round); they are stored
// in UTC so that a birth anywhere can be compared with them.
// Every check below ends the run with status 1 and writes nothing.
'use strict';

const path = require('path');
const fs = require('fs');

const libraryDir = process.argv[2];
const monthsFile = process.argv[3];
const termsFile = process.argv[4];
if (!libraryDir || !monthsFile || !termsFile) {
    console.error('usage: node generate_lunar_tables.js LIBRARY_DIR MONTHS_FILE TERMS_FILE');
    process.exit(2);
}
const { Lunar, LunarYear, Solar, LunarUtil } = require(libraryDir);
const library = JSON.parse(fs.readFileSync(path.join(libraryDir, 'package.json'), 'utf8'));

const firstYear = 1899;
const lastYear = 2101;
const chinaOffsetSeconds = 8 * 3600;

// English names in the order stored: the 24 terms of one Gregorian year, Minor Cold first.
const termNames = [
    'Minor Cold', 'Major Cold', 'Start of Spring', 'Rain Water', 'Awakening of Insects',
    'Spring Equinox', 'Clear and Bright', 'Grain Rain', 'Start of Summer', 'Grain Buds',
    'Grain in Ear', 'Summer Solstice', 'Minor Heat', 'Major Heat', 'Start of Autumn',
    'End of Heat', 'White Dew', 'Autumn Equinox', 'Cold Dew', 'Frost Descent', 'Start of Winter',
    'Minor Snow', 'Major Snow', 'Winter Solstice'];
const termKeys = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满',
                  '芒种', '夏至', '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降',
                  '立冬', '小雪', '大雪', 'DONG_ZHI'];   // the library's keys; the December solstice's
                                                            // is spelled apart from the one of the year before

function fail(message) {
    console.error(`generate_lunar_tables: ${message}`);
    process.exit(1);
}

// Whole days since 1970-01-01 of a Gregorian day.
function epochDay(y, m, d) {
    return Date.UTC(y, m - 1, d) / 86400000;
}

function ymdOfJulianDay(julianDay) {
    const s = Solar.fromJulianDay(julianDay);
    return { y: s.getYear(), m: s.getMonth(), d: s.getDay() };
}

function pad(n, width) {
    return String(n).padStart(width, ' ');
}

// ---- Months ---------------------------------------------------------------------------------

function collectMonths() {
    const byFirstDay = new Map();
    for (let y = firstYear - 1; y <= lastYear + 1; ++y) {
        for (const m of LunarYear.fromYear(y).getMonths()) {
            const first = ymdOfJulianDay(m.getFirstJulianDay());
            const row = { first, day: epochDay(first.y, first.m, first.d), year: m.getYear(),
                          month: Math.abs(m.getMonth()), leap: m.getMonth() < 0, length: m.getDayCount() };
            const seen = byFirstDay.get(row.day);
            if (seen && (seen.year !== row.year || seen.month !== row.month || seen.leap !== row.leap
                         || seen.length !== row.length))
                fail(`two different months begin on ${first.y}-${first.m}-${first.d}`);
            byFirstDay.set(row.day, row);
        }
    }
    const all = [...byFirstDay.values()].sort((a, b) => a.day - b.day);
    // From the month holding 1 January of the first year to the month holding 31 December of the last.
    const from = epochDay(firstYear, 1, 1);
    const to = epochDay(lastYear, 12, 31);
    const rows = all.filter(r => r.day + r.length > from && r.day <= to);
    if (rows.length === 0 || rows[0].day > from || rows[rows.length - 1].day + rows[rows.length - 1].length <= to)
        fail('the months do not cover the years asked for');
    return rows;
}

function checkMonths(rows) {
    const monthsOfYear = new Map();
    for (let i = 0; i < rows.length; ++i) {
        const r = rows[i];
        const name = `${r.year}/${r.leap ? 'leap ' : ''}${r.month}`;
        if (r.length !== 29 && r.length !== 30)
            fail(`month ${name} has ${r.length} days`);
        if (r.month < 1 || r.month > 12)
            fail(`month ${name} has no number from 1 to 12`);
        if (i > 0) {
            const p = rows[i - 1];
            if (p.day + p.length !== r.day)
                fail(`month ${name} does not begin the day after month ${p.year}/${p.month} ends`);
            const next = r.leap ? (r.month === p.month && !p.leap && r.year === p.year)
                                : (p.month === 12 ? r.month === 1 && r.year === p.year + 1
                                                  : r.month === p.month + 1 && r.year === p.year);
            if (!next)
                fail(`month ${name} does not follow month ${p.year}/${p.leap ? 'leap ' : ''}${p.month}`);
        }
        // The library's own day-by-day conversion agrees with the month list.
        const lunar = Lunar.fromSolar(Solar.fromYmd(r.first.y, r.first.m, r.first.d));
        if (lunar.getYear() !== r.year || lunar.getMonth() !== (r.leap ? -r.month : r.month) || lunar.getDay() !== 1)
            fail(`${r.first.y}-${r.first.m}-${r.first.d} is not the first day of month ${name}`);
        monthsOfYear.set(r.year, (monthsOfYear.get(r.year) || 0) + 1);
    }
    // Whole Chinese years only: the first and last years of the range are cut by it.
    for (const [year, count] of monthsOfYear) {
        if (year <= rows[0].year || year >= rows[rows.length - 1].year)
            continue;
        if (count !== 12 && count !== 13)
            fail(`Chinese year ${year} has ${count} months`);
    }
}

function monthsText(rows) {
    const lines = rows.map(r => `    {${r.first.y}, ${pad(r.first.m, 2)}, ${pad(r.first.d, 2)}, `
                                + `${r.year}, ${pad(r.month, 2)}, ${r.leap ? 1 : 0}, ${r.length}},`);
    return `// Generated by tools/chinese-calendar/generate.sh from ${library.name} ${library.version} (${library.license});
// do not edit. One row per Chinese month, in order, without gaps, from the month holding
// ${firstYear}-01-01 to the month holding ${lastYear}-12-31: the Gregorian day it begins on (year, month,
// day), the Chinese year it belongs to (named by the Gregorian year in which that Chinese year
// began), its number 1..12, 1 for a leap month, and its length in days.
constexpr MonthRow chineseMonthRows[] = {
${lines.join('\n')}
};
`;
}

// ---- Solar terms ----------------------------------------------------------------------------

// Seconds since 1970-01-01 00:00 UTC of a moment the library gives in China Standard Time.
function utcSeconds(solar) {
    return Date.UTC(solar.getYear(), solar.getMonth() - 1, solar.getDay(), solar.getHour(), solar.getMinute(),
                    solar.getSecond()) / 1000 - chinaOffsetSeconds;
}

// The terms of Gregorian year y, Minor Cold first: in the library's list for the Chinese year y
// they are the entries from Minor Cold (of January) to the Winter Solstice (of December).
function termsOfYear(y) {
    const names = LunarUtil.JIE_QI_IN_USE;
    const days = LunarYear.fromYear(y).getJieQiJulianDays();
    const first = names.indexOf('小寒');
    if (first < 0 || names.length !== days.length)
        fail('the library lists its solar terms differently than expected');
    const terms = [];
    for (let i = 0; i < 24; ++i) {
        const solar = Solar.fromJulianDay(days[first + i]);
        if (names[first + i] !== termKeys[i])
            fail(`term ${i} of ${y} is ${names[first + i]}, expected ${termKeys[i]}`);
        if (solar.getYear() !== y)
            fail(`${termNames[i]} of ${y} falls in ${solar.getYear()}`);
        terms.push(utcSeconds(solar));
    }
    // The next year's Minor Cold as this year's list has it must be the one the next year's list has.
    terms.nextMinorCold = utcSeconds(Solar.fromJulianDay(days[first + 24]));
    return terms;
}

function checkTerms(years) {
    let previous = null;
    for (const { year, terms } of years) {
        if (terms.length !== 24)
            fail(`${year} has ${terms.length} solar terms`);
        for (let i = 0; i < 24; ++i) {
            const gap = previous === null ? null : terms[i] - previous;
            // Consecutive terms lie 14.7 to 15.8 days apart.
            if (gap !== null && (gap < 14 * 86400 || gap > 16.5 * 86400))
                fail(`${termNames[i]} of ${year} is ${gap} s after the term before it`);
            previous = terms[i];
        }
    }
    for (let i = 0; i + 1 < years.length; ++i) {
        if (years[i].terms.nextMinorCold !== years[i + 1].terms[0])
            fail(`the Minor Cold of ${years[i + 1].year} differs between two of the library's year lists`);
    }
}

function termsText(years) {
    const lines = [];
    for (const { year, terms } of years) {
        const chunks = [];
        for (let i = 0; i < 24; i += 6)
            chunks.push(terms.slice(i, i + 6).map(t => pad(t, 11)).join(', '));
        lines.push(`    {${year}, {${chunks.join(',\n                ')}}},`);
    }
    const legend = [];
    for (let i = 0; i < 24; i += 6)
        legend.push('// ' + termNames.slice(i, i + 6).map((n, j) => `${i + j} ${n}`).join(', '));
    return `// Generated by tools/chinese-calendar/generate.sh from ${library.name} ${library.version} (${library.license});
// do not edit. One row per Gregorian year from ${firstYear} to ${lastYear}: the moments of its 24 solar terms
// as seconds since 1970-01-01 00:00 UTC (the library's China Standard Time less 8 hours), in order:
${legend.join(',\n')}.
constexpr TermYearRow solarTermRows[] = {
${lines.join('\n')}
};
`;
}

const months = collectMonths();
checkMonths(months);
const termYears = [];
for (let y = firstYear; y <= lastYear + 1; ++y)
    termYears.push({ year: y, terms: termsOfYear(y) });
checkTerms(termYears);
termYears.pop();   // the year after the range served only to check the last year's successor

fs.writeFileSync(monthsFile, monthsText(months));
fs.writeFileSync(termsFile, termsText(termYears));
