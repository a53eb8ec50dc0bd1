// Writes tests/core/data/branch_relations.txt: the clash and six-harmony partner of each of the
// twelve branches as the lunar-calendar library pinned in package.json has them, for the core
// tests to hold the program's relation tables against. Run through branch_relations.sh.
'use strict';

const fs = require('fs');
const path = require('path');

const libraryDir = process.argv[2];
const outFile = process.argv[3];
if (!libraryDir || !outFile) {
    console.error('usage: node branch_relations.js LIBRARY_DIR OUTPUT_FILE');
    process.exit(2);
}
const { LunarUtil } = require(libraryDir);
const library = JSON.parse(fs.readFileSync(path.join(libraryDir, 'package.json'), 'utf8'));

// LunarUtil.ZHI is 1-based ('' first); CHONG and HE_ZHI_6 are indexed 0..11 from 子.
const branches = LunarUtil.ZHI.slice(1);
if (branches.join('') !== '子丑寅卯辰巳午未申酉戌亥') {
    console.error(`unexpected branch order: ${branches.join('')}`);
    process.exit(1);
}
const tables = { 'clash': LunarUtil.CHONG, 'six-harmony': LunarUtil.HE_ZHI_6 };

const lines = [`# ${library.name} ${library.version}: each branch and its partner; written by ` +
               'tools/chinese-calendar/branch_relations.sh, do not edit'];
for (const [relation, partners] of Object.entries(tables)) {
    if (partners.length !== 12) {
        console.error(`${relation}: ${partners.length} entries`);
        process.exit(1);
    }
    branches.forEach((branch, i) => lines.push(`${relation} ${branch} ${partners[i]}`));
}
fs.writeFileSync(outFile, lines.join('\n') + '\n');
