#!/usr/bin/python3
"""The generator's own check (not part of the build or its tests).

    tools/lunisolar/check.py MODULES_DIR

1. Reckoned for UTC+8 the generator must give China's month table (chinese_months.inc, made
   from another library) from 1929 on; the months that differ are listed.
2. Day by day, the Korean table against korean-lunar-calendar (1900..2050) and the Vietnamese
   table against amlich (1900..2100, at UTC+8 before 1967-08-08 and UTC+7 after), both
   installed with npm into MODULES_DIR/node_modules outside this tree; each day that differs
   is listed.
Also lists the years whose new year differs from China's. The results are kept in
tools/lunisolar/CROSS_CHECK.md.
"""

import datetime
import os
import re
import subprocess
import sys

import generate
import lunisolar

HERE = os.path.dirname(os.path.abspath(__file__))
ROW = re.compile(r'\{\s*(-?\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d),\s*(\d+)\}')


def table_months(name):
    with open(os.path.join(generate.TABLES, name), encoding='utf-8') as f:
        return [tuple(int(v) for v in m.groups()) for m in ROW.finditer(f.read())]


def day_map(rows):
    days = {}
    for y, m, d, year, month, leap, length in rows:
        first = datetime.date(y, m, d)
        for i in range(length):
            days[first + datetime.timedelta(days=i)] = (year, month, leap, i + 1)
    return days


def new_years(rows):
    return {year: datetime.date(y, m, d) for y, m, d, year, month, leap, _ in rows if month == 1 and not leap}


def runs(days):
    """Consecutive days grouped: [(first, last, count)]."""
    out = []
    for day in sorted(days):
        if out and out[-1][1] + datetime.timedelta(days=1) == day:
            out[-1] = (out[-1][0], day, out[-1][2] + 1)
        else:
            out.append((day, day, 1))
    return out


def text(value):
    year, month, leap, day = value
    return f'{year}/{"leap " if leap else ""}{month}/{day}'


def compare(title, ours, reference, first, last):
    differing = {day: (ours.get(day), theirs) for day, theirs in reference.items()
                 if first <= day <= last and ours.get(day) != theirs}
    print(f'\n## {title}\n')
    print(f'{len([d for d in reference if first <= d <= last])} days compared, {len(differing)} differ.\n')
    for a, b, count in runs(differing):
        print(f'- {a} .. {b} ({count} days): ours {text(differing[a][0])}, theirs {text(differing[a][1])}')
    return differing


def reference(kind, modules, first, last):
    output = subprocess.run(['node', os.path.join(HERE, 'reference_dates.js'), kind, modules, str(first), str(last)],
                            check=True, capture_output=True, text=True).stdout
    days = {}
    for line in output.splitlines():
        date, year, month, leap, day = line.split()
        days[datetime.date.fromisoformat(date)] = (int(year), int(month), int(leap), int(day))
    return days


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    modules = os.path.join(os.path.abspath(sys.argv[1]), 'node_modules')
    china = table_months('chinese_months.inc')
    china_days = day_map(china)

    print('## UTC+8 against China\'s table\n')
    ours = [(m.first_day.year, m.first_day.month, m.first_day.day, m.year, m.number, int(m.leap), m.length)
            for m in lunisolar.months(generate.china)]
    china_set, ours_set = set(china), set(ours)
    for row in sorted(china_set ^ ours_set, key=lambda r: (r[0], r[1], r[2], r in ours_set)):
        print(f'- {"ours  " if row in ours_set else "China "} {row[0]}-{row[1]:02d}-{row[2]:02d} '
              f'{row[3]}/{"leap " if row[5] else ""}{row[4]}, {row[6]} days')
    print(f'\n{len(china)} months in China\'s table; {len(china_set - ours_set)} differ.')

    for name, table in (('Vietnam', 'vietnam_months.inc'), ('Korea', 'korea_months.inc')):
        rows = table_months(table)
        theirs = new_years(rows)
        chinese = new_years(china)
        differing = [y for y in sorted(theirs) if 1900 <= y <= 2100 and theirs[y] != chinese.get(y)]
        print(f'\n## {name}: new years other than China\'s, 1900..2100\n')
        for y in differing:
            print(f'- {y}: {theirs[y]:%d %b} ({name}), {chinese[y]:%d %b} (China)')
        days = day_map(rows)
        other = sum(1 for d, v in days.items() if datetime.date(1900, 1, 1) <= d <= datetime.date(2100, 12, 31)
                    and china_days.get(d) != v)
        print(f'\n{other} days of 1900..2100 have another lunar date than in China.')

    compare('Korea against korean-lunar-calendar', day_map(table_months('korea_months.inc')),
            reference('korean', modules, 1900, 2050), datetime.date(1900, 1, 1), datetime.date(2050, 12, 31))
    compare('Vietnam against amlich', day_map(table_months('vietnam_months.inc')),
            reference('amlich', modules, 1900, 2100), datetime.date(1900, 1, 1), datetime.date(2100, 12, 31))


if __name__ == '__main__':
    main()
