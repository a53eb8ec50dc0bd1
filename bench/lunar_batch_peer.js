// The peer of `orvo --signs - --json` in bench/lunar_batch.sh: the Chinese year and date of each
// date read from standard input (YYYY-MM-DD, one a line) by lunar-javascript, one JSON line each.
//   node lunar_batch_peer.js LIBRARY_DIR < dates      answers the dates
//   node lunar_batch_peer.js --dates                   writes every date from 1900-01-01 to 2100-12-31
'use strict';

const fs = require('fs');

if (process.argv[2] === '--dates') {
    const lines = [];
    for (let day = new Date(Date.UTC(1900, 0, 1)); day.getUTCFullYear() <= 2100; day.setUTCDate(day.getUTCDate() + 1))
        lines.push(day.toISOString().slice(0, 10));
    process.stdout.write(lines.join('\n') + '\n');
    return;
}

const { Solar } = require(process.argv[2]);
const answers = [];
for (const line of fs.readFileSync(0, 'utf8').split('\n')) {
    if (line === '')
        continue;
    const [y, m, d] = line.split('-').map(Number);
    const lunar = Solar.fromYmd(y, m, d).getLunar();
    answers.push(JSON.stringify({ date: line, year: lunar.getYear(), month: Math.abs(lunar.getMonth()),
                                  leap: lunar.getMonth() < 0, day: lunar.getDay() }));
}
process.stdout.write(answers.join('\n') + '\n');
