// Compares the Four Pillars chart and the luck pillars that `orvo --signs - --json` gives for
// random births with those of lunar-javascript and tyme4ts (pinned in package.json), member by
// member, and prints the counts and every difference. Run through check.sh.
//   node check.js LIBRARY_DIR ORVO [BIRTHS] [SEED]
'use strict';

const { execFileSync } = require('child_process');
const path = require('path');

const [libraryDir, orvo, birthCount = '2000', seedText = '37'] = process.argv.slice(2);
if (!libraryDir || !orvo) {
    console.error('usage: node check.js LIBRARY_DIR ORVO [BIRTHS] [SEED]');
    process.exit(2);
}
const { Solar } = require(path.join(libraryDir, 'lunar-javascript'));
const T = require(path.join(libraryDir, 'tyme4ts'));
// The program's day pillar changes at midnight (its default), as lunar-javascript's second sect.
T.LunarHour.provider = new T.LunarSect2EightCharProvider();

// A small deterministic generator, so that a run can be repeated.
let seed = Number(seedText) >>> 0 || 1;
function random() {
    seed = (seed * 1664525 + 1013904223) >>> 0;
    return seed / 4294967296;
}
const pad = (n) => String(n).padStart(2, '0');
const SLOTS = ['year', 'month', 'day', 'hour'];
const GAN = '甲乙丙丁戊己庚辛壬癸';

// Moments of the terms around a birth, as seconds since the epoch on the UTC+8 clock.
function termSecondsNear(y, m, d, h, mi) {
    const t = T.SolarTime.fromYmdHms(y, m, d, h, mi, 0);
    const term = t.getTerm();
    return [term, term.next(1)].map((s) => {
        const st = s.getJulianDay().getSolarTime();
        return Date.UTC(st.getYear(), st.getMonth() - 1, st.getDay(), st.getHour(), st.getMinute(), st.getSecond()) / 1000;
    });
}

function makeBirths(count) {
    const first = Date.UTC(1901, 0, 1) / 86400000;
    const last = Date.UTC(2099, 11, 31) / 86400000;
    const births = [];
    let skippedTerm = 0;
    let skippedHour = 0;
    while (births.length < count) {
        const day = new Date((first + Math.floor(random() * (last - first + 1))) * 86400000);
        const minuteOfDay = Math.floor(random() * 1440);
        // Ten minutes from the start of a double hour (the odd hours) and from midnight.
        const fromBoundary = Math.min(...[0, 1440].concat([...Array(12).keys()].map((k) => (2 * k + 1) * 60))
            .map((b) => Math.abs(minuteOfDay - b)));
        if (fromBoundary < 10) {
            ++skippedHour;
            continue;
        }
        const y = day.getUTCFullYear(), m = day.getUTCMonth() + 1, d = day.getUTCDate();
        const h = Math.floor(minuteOfDay / 60), mi = minuteOfDay % 60;
        const at = Date.UTC(y, m - 1, d, h, mi) / 1000;
        if (termSecondsNear(y, m, d, h, mi).some((s) => Math.abs(s - at) < 600)) {
            ++skippedTerm;
            continue;
        }
        births.push({ y, m, d, h, mi, male: random() < 0.5, text: `${y}-${pad(m)}-${pad(d)} ${pad(h)}:${pad(mi)}` });
    }
    return { births, skippedTerm, skippedHour };
}

function runOrvo(births, sex, method) {
    const input = births.map((b) => b.text).join('\n') + '\n';
    const out = execFileSync(orvo, ['--signs', '-', '--tz', 'Etc/GMT-8', '--sex', sex, '--luck-method', method, '--json'],
                             { input, maxBuffer: 1 << 30, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
    return out.toString('utf8').trimEnd().split('\n').map((line) => JSON.parse(line));
}

const differences = [];
const counts = {};
function compare(birth, member, ours, peer, peerName) {
    const key = `${member} (${peerName})`;
    counts[key] = counts[key] || { equal: 0, differ: 0 };
    const same = JSON.stringify(ours) === JSON.stringify(peer);
    counts[key][same ? 'equal' : 'differ']++;
    if (!same)
        differences.push(`${birth.text} ${birth.male ? 'man' : 'woman'} ${member}: orvo ${JSON.stringify(ours)}, ${peerName} ${JSON.stringify(peer)}`);
}
// Minutes from one "YYYY-MM-DDTHH:MM" to another.
const minutesOf = (text) => Date.parse(text.replace(' ', 'T') + 'Z') / 60000;
const startTolerance = 24 * 60;
const startGaps = {};
// Why a start lies more than a day from a peer's, where the peer's own arithmetic explains it.
function startGapReason(birth, peerName) {
    if (peerName === 'lunar-javascript' && birth.d > 28)
        return "lunar-javascript adds the months first and keeps the day within a shorter month (the 31st and two " +
               "months is the 28th of February), then the days; orvo and tyme4ts carry days beyond a month's end into the next";
    if (peerName === 'lunar-javascript')
        return "lunar-javascript counts whole minutes from the minute of the term, dropping its seconds; 12 minutes make a day";
    return 'not explained';
}

function compareStart(birth, member, ours, peer, peerName) {
    const key = `${member} (${peerName})`;
    const gap = Math.abs(minutesOf(ours) - minutesOf(peer));
    startGaps[key] = startGaps[key] || { same: 0, withinHour: 0, withinDay: 0, beyond: 0, largest: 0 };
    const g = startGaps[key];
    g.largest = Math.max(g.largest, gap);
    if (gap === 0) g.same++;
    else if (gap <= 60) g.withinHour++;
    else if (gap <= startTolerance) g.withinDay++;
    else {
        g.beyond++;
        differences.push(`${birth.text} ${birth.male ? 'man' : 'woman'} ${member}: orvo ${ours}, ${peerName} ${peer} (${gap} minutes; ` +
                         `${startGapReason(birth, peerName)})`);
    }
}

const solarTimeText = (t) => `${t.getYear()}-${pad(t.getMonth())}-${pad(t.getDay())}T${pad(t.getHour())}:${pad(t.getMinute())}`;
const lunarSolarText = (s) => s.toYmdHms().slice(0, 16).replace(' ', 'T');

function check(birth, answer, method) {
    const chart = answer.chinese.chart;
    const lunar = Solar.fromYmdHms(birth.y, birth.m, birth.d, birth.h, birth.mi, 0).getLunar();
    const eight = lunar.getEightChar();
    eight.setSect(2);
    const hour = T.SolarTime.fromYmdHms(birth.y, birth.m, birth.d, birth.h, birth.mi, 0).getLunarHour();
    const tyme = hour.getEightChar();
    const lunarKeys = { year: 'Year', month: 'Month', day: 'Day', hour: 'Time' };
    const tymePillars = { year: tyme.getYear(), month: tyme.getMonth(), day: tyme.getDay(), hour: tyme.getHour() };
    const dayStem = tyme.getDay().getHeavenStem();

    if (method === 'exact') {
        for (const slot of SLOTS) {
            const k = lunarKeys[slot];
            const ours = chart[slot];
            const p = tymePillars[slot];
            compare(birth, `${slot} pillar`, answer.chinese.pillars[slot], eight['get' + k](), 'lunar-javascript');
            compare(birth, `${slot} pillar`, answer.chinese.pillars[slot], p.getName(), 'tyme4ts');
            compare(birth, `${slot} ten god`, ours.tenGod, eight['get' + k + 'ShiShenGan'](), 'lunar-javascript');
            if (slot !== 'day')
                compare(birth, `${slot} ten god`, ours.tenGod, dayStem.getTenStar(p.getHeavenStem()).getName(), 'tyme4ts');
            compare(birth, `${slot} hidden stems`, ours.hiddenStems.map((s) => s.stem + s.tenGod),
                    eight['get' + k + 'HideGan']().map((s, i) => s + eight['get' + k + 'ShiShenZhi']()[i]), 'lunar-javascript');
            const branch = p.getEarthBranch();
            const hidden = [branch.getHideHeavenStemMain(), branch.getHideHeavenStemMiddle(), branch.getHideHeavenStemResidual()]
                .filter((s) => s).map((s) => s.getName() + dayStem.getTenStar(s).getName());
            compare(birth, `${slot} hidden stems`, ours.hiddenStems.map((s) => s.stem + s.tenGod), hidden, 'tyme4ts');
            compare(birth, `${slot} na yin`, ours.naYin, eight['get' + k + 'NaYin'](), 'lunar-javascript');
            compare(birth, `${slot} na yin`, ours.naYin, p.getSound().getName(), 'tyme4ts');
            compare(birth, `${slot} life stage`, ours.lifeStage, eight['get' + k + 'DiShi'](), 'lunar-javascript');
            compare(birth, `${slot} life stage`, ours.lifeStage, dayStem.getTerrain(branch).getName(), 'tyme4ts');
            compare(birth, `${slot} void`, ours.void, eight['get' + k + 'XunKong'](), 'lunar-javascript');
            compare(birth, `${slot} void`, ours.void, p.getExtraEarthBranches().map((b) => b.getName()).join(''), 'tyme4ts');
        }
        compare(birth, 'fetal origin', chart.fetalOrigin, eight.getTaiYuan(), 'lunar-javascript');
        compare(birth, 'fetal origin', chart.fetalOrigin, tyme.getFetalOrigin().getName(), 'tyme4ts');
        compare(birth, 'life palace', chart.lifePalace, eight.getMingGong(), 'lunar-javascript');
        compare(birth, 'life palace', chart.lifePalace, tyme.getOwnSign().getName(), 'tyme4ts');
        compare(birth, 'body palace', chart.bodyPalace, eight.getShenGong(), 'lunar-javascript');
        compare(birth, 'body palace', chart.bodyPalace, tyme.getBodySign().getName(), 'tyme4ts');
    }

    // The luck pillars: lunar-javascript's first sect counts as classic does, its second to the
    // minute; tyme4ts counts to the second by default, and as classic with its first-sect provider.
    const luck = chart.luck;
    const yun = eight.getYun(birth.male ? 1 : 0, method === 'exact' ? 2 : 1);
    T.ChildLimit.provider = method === 'exact' ? new T.DefaultChildLimitProvider() : new T.LunarSect1ChildLimitProvider();
    const limit = T.ChildLimit.fromSolarTime(T.SolarTime.fromYmdHms(birth.y, birth.m, birth.d, birth.h, birth.mi, 0),
                                             birth.male ? T.Gender.MAN : T.Gender.WOMAN);
    compare(birth, 'luck direction', luck.forward, yun.isForward(), 'lunar-javascript');
    compare(birth, 'luck direction', luck.forward, limit.isForward(), 'tyme4ts');
    compareStart(birth, `luck start, ${method}`, luck.startsAt, lunarSolarText(yun.getStartSolar()), 'lunar-javascript');
    compareStart(birth, `luck start, ${method}`, luck.startsAt, solarTimeText(limit.getEndTime()), 'tyme4ts');
    const lunarPillars = yun.getDaYun(luck.pillars.length + 1).slice(1).map((d) => ({
        pillar: d.getGanZhi(), fromYear: d.getStartYear(), toYear: d.getEndYear(), fromAge: d.getStartAge(), toAge: d.getEndAge(),
        tenGod: dayStem.getTenStar(T.HeavenStem.fromName(d.getGanZhi()[0])).getName() }));
    let decade = limit.getStartDecadeFortune();
    const tymePillars2 = [];
    for (let i = 0; i < luck.pillars.length; ++i, decade = decade.next(1)) {
        tymePillars2.push({ pillar: decade.getSixtyCycle().getName(), fromYear: decade.getStartSixtyCycleYear().getYear(),
                            toYear: decade.getEndSixtyCycleYear().getYear(), fromAge: decade.getStartAge(),
                            toAge: decade.getEndAge(), tenGod: dayStem.getTenStar(decade.getSixtyCycle().getHeavenStem()).getName() });
    }
    compare(birth, `luck pillars, ${method}`, luck.pillars, lunarPillars, 'lunar-javascript');
    compare(birth, `luck pillars, ${method}`, luck.pillars, tymePillars2, 'tyme4ts');
}

const { births, skippedTerm, skippedHour } = makeBirths(Number(birthCount));
for (const method of ['exact', 'classic']) {
    for (const sex of ['male', 'female']) {
        const group = births.filter((b) => b.male === (sex === 'male'));
        const answers = runOrvo(group, sex, method);
        if (answers.length !== group.length)
            throw new Error(`orvo answered ${answers.length} lines for ${group.length} births`);
        group.forEach((birth, i) => check(birth, answers[i], method));
    }
}

console.log(`births: ${births.length} (${births.filter((b) => b.male).length} men), 1901-2099, zone Etc/GMT-8, seed ${seedText}; ` +
            `drawn again: ${skippedTerm} within ten minutes of a solar term, ${skippedHour} of a double hour's start or midnight`);
console.log('\nmember (peer): equal / different');
for (const [key, c] of Object.entries(counts))
    console.log(`  ${key}: ${c.equal} / ${c.differ}`);
console.log(`\nstart of the luck pillars (peer): same minute / within an hour / within a day / beyond a day; largest gap in minutes`);
for (const [key, g] of Object.entries(startGaps))
    console.log(`  ${key}: ${g.same} / ${g.withinHour} / ${g.withinDay} / ${g.beyond}; ${g.largest}`);
console.log(`\ndifferences: ${differences.length}`);
for (const line of differences)
    console.log('  ' + line);
process.exit(differences.length === 0 ? 0 : 1);
