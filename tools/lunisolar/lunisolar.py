"""The lunisolar calendar reckoned for a given meridian, from Debian's python3-ephem.

A month begins on the local day of a new moon; the eleventh month holds the winter solstice;
when eleventh month to eleventh month spans thirteen months, the first of them that holds no
principal term (the Sun at a multiple of 30 degrees) is the leap month and repeats the number
of the month before it. Days are dated at the meridian the calendar is reckoned for; that
meridian is a function of the moment, since Vietnam and Korea changed theirs.
"""

import datetime
import math

import ephem

FIRST_YEAR = 1899
LAST_YEAR = 2101

_EPOCH = datetime.datetime(1970, 1, 1)
_EPHEM_EPOCH = ephem.Date(_EPOCH)      # ephem dates are days since 1899-12-31 12:00 UTC


def utc_seconds(date):
    """Whole seconds since 1970-01-01 00:00 UTC of an ephem date, rounded."""
    return int(round((float(date) - float(_EPHEM_EPOCH)) * 86400.0))


def local_day(seconds, offset_seconds):
    """The Gregorian day at that offset from UTC of a moment given in seconds since the epoch."""
    return (_EPOCH + datetime.timedelta(seconds=seconds + offset_seconds)).date()


def sun_longitude(date):
    """The Sun's apparent geocentric ecliptic longitude of date, in radians."""
    sun = ephem.Sun(date)
    ecliptic = ephem.Ecliptic(ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=date), epoch=date)
    return float(ecliptic.lon)


def solar_term(year, degrees):
    """The moment the Sun reaches that longitude in that Gregorian year, as an ephem date."""
    # Days from the March equinox to the longitude on the mean motion: January and February's
    # terms come before it, the December solstice after.
    relative = degrees if degrees <= 270 else degrees - 360
    guess = ephem.Date(ephem.next_equinox(str(year)) + relative / 360.0 * 365.2422)
    target = math.radians(degrees % 360.0)

    def difference(d):
        delta = sun_longitude(d) - target
        return (delta + math.pi) % (2 * math.pi) - math.pi

    moment = ephem.newton(difference, guess, guess + 0.5)
    if ephem.Date(moment).datetime().year != year:
        raise ValueError(f'the Sun reaches {degrees} degrees outside {year}')
    return ephem.Date(moment)


def new_moons(first_year, last_year):
    """Every new moon from the December before first_year to the February after last_year."""
    moments = []
    d = ephem.Date(f'{first_year - 1}/11/1')
    end = ephem.Date(f'{last_year + 1}/3/1')
    while d < end:
        d = ephem.next_new_moon(d)
        moments.append(d)
        d = ephem.Date(d + 1)
    return moments


def principal_terms(first_year, last_year):
    """The moments the Sun reaches 0, 30 .. 330 degrees, for the Gregorian years given."""
    moments = []
    for year in range(first_year, last_year + 1):
        for degrees in (270, 300, 330, 0, 30, 60, 90, 120, 150, 180, 210, 240):
            moments.append(solar_term(year, degrees))
    return sorted(moments)


class Month:
    def __init__(self, first_day, length, year, number, leap):
        self.first_day = first_day
        self.length = length
        self.year = year
        self.number = number
        self.leap = leap


def months(offset_of, first_year=FIRST_YEAR, last_year=LAST_YEAR, moons=None, terms=None):
    """The months, in order, from the one holding 1 January of first_year to the one holding
    31 December of last_year; offset_of(seconds since the epoch) gives the meridian's offset
    from UTC in seconds at that moment."""
    moons = moons if moons is not None else new_moons(first_year - 1, last_year + 1)
    terms = terms if terms is not None else principal_terms(first_year - 2, last_year + 2)

    def day_of(moment):
        s = utc_seconds(moment)
        return local_day(s, offset_of(s))

    starts = [day_of(m) for m in moons]
    term_days = sorted(day_of(t) for t in terms)
    solstices = [day_of(t) for t in terms if abs(math.degrees(sun_longitude(t)) - 270) < 1e-3]

    def month_holding(day):
        index = max(i for i, s in enumerate(starts) if s <= day)
        return index

    def holds_term(i):
        return any(starts[i] <= d < starts[i + 1] for d in term_days)

    numbered = {}    # index of a month start -> (number, leap)
    eleventh = [month_holding(s) for s in solstices]
    for a, b in zip(eleventh, eleventh[1:]):
        leap_index = None
        if b - a == 13:
            leap_index = next(i for i in range(a + 1, b) if not holds_term(i))
        number = 11
        for i in range(a, b):
            if i == leap_index:
                numbered[i] = ((number - 2) % 12 + 1, True)
                continue
            numbered[i] = (number, False)
            number = number % 12 + 1

    result = []
    ordered = sorted(numbered)
    # A Chinese year is named by the Gregorian year its first month begins in; the months before
    # the first first month belong to the year before that one.
    first_new_year = next(starts[i].year for i in ordered if numbered[i] == (1, False))
    year = first_new_year - 1
    for i in ordered:
        number, leap = numbered[i]
        if number == 1 and not leap:
            year = starts[i].year
        length = (starts[i + 1] - starts[i]).days
        result.append(Month(starts[i], length, year, number, leap))
    first = datetime.date(first_year, 1, 1)
    last = datetime.date(last_year, 12, 31)
    return [m for m in result
            if m.first_day + datetime.timedelta(days=m.length) > first and m.first_day <= last]


def start_of_spring(year):
    """The moment of the Start of Spring (the Sun at 315 degrees) in that Gregorian year."""
    return solar_term(year, 315)
