#!/usr/bin/env python3
"""Reads the calendar file of `orvo --lunar-birthdays ... --ics` with an independent iCalendar
parser (python3-icalendar) and checks it against the --json answer for the same birthdays.

usage: lunar_birthdays_ics.py PATH_TO_ORVO
"""
import datetime
import json
import subprocess
import sys

import icalendar

ORVO = sys.argv[1]
# A name that needs escaping (comma, semicolon) and folding (longer than a line, letters of
# several bytes) to come through.
NAME = "Zoë O'Neil, Jr.; 李小龙 — a name long enough to be folded over more than one line"
ASK = ["--lunar-birthdays", "2017-08-21", "--from", "2024", "--count", "6", "--name", NAME]


def run(*extra):
    done = subprocess.run([ORVO, *ASK, *extra], capture_output=True, timeout=60)
    assert done.returncode == 0 and done.stderr == b"", (done.returncode, done.stderr)
    return done.stdout


def main():
    expected = json.loads(run("--json"))["birthdays"]
    raw = run("--ics")

    assert raw.endswith(b"\r\n"), "the file does not end with CRLF"
    lines = raw[:-2].split(b"\r\n")
    assert all(b"\n" not in line and b"\r" not in line for line in lines), "a line end other than CRLF"
    assert all(len(line) <= 75 for line in lines), "a line longer than 75 octets"
    assert any(line.startswith(b" ") for line in lines), "the long summary was not folded"

    calendar = icalendar.Calendar.from_ical(raw)
    assert calendar["VERSION"] == "2.0" and "PRODID" in calendar
    events = [c for c in calendar.walk() if c.name == "VEVENT"]
    assert len(events) == len(expected) == 6, (len(events), len(expected))
    for event, birthday in zip(events, expected):
        start = event.decoded("DTSTART")
        end = event.decoded("DTEND")
        assert type(start) is datetime.date, f"not an all-day event: {start!r}"
        assert start.isoformat() == birthday["date"], (start, birthday)
        assert end - start == datetime.timedelta(days=1), (start, end)
        assert NAME in str(event["SUMMARY"]), event["SUMMARY"]
        stamp = event.decoded("DTSTAMP")
        assert isinstance(stamp, datetime.datetime) and stamp.utcoffset() == datetime.timedelta(0), stamp
    uids = [str(e["UID"]) for e in events]
    assert len(set(uids)) == len(uids), "two events share a UID"

    again = icalendar.Calendar.from_ical(run("--ics"))
    assert [str(e["UID"]) for e in again.walk("VEVENT")] == uids, "the UIDs changed from one run to the next"
    print(f"{len(events)} events read back")


if __name__ == "__main__":
    main()
