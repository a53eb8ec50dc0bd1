#pragma once

#include <QStringList>

class QIODevice;

// The terminal mode: `orvo --help`, `orvo --version`,
// `orvo --signs YYYY-MM-DD|- [--time HH:MM] [--tz ZONE] [--longitude DEG] [--day-starts midnight|23]
//  [--year-start new-year|spring] [--name NAME] [--sex male|female] [--luck-method exact|classic]
//  [--json]` and
// `orvo --lunar-birthdays YYYY-MM-DD [--from YEAR] [--count N] [--name NAME] [--json | --ics]` and
// `orvo --match YYYY-MM-DD YYYY-MM-DD [--year-start new-year|spring] [--json]`.
// It needs no display, takes no single-instance lock and opens no window. `orvo FILE` (a saved
// reading) is the normal start, which only --help describes here.
namespace commandLine {

// Exit statuses besides 0.
inline constexpr int OutputFailed = 1;   // stdout could not take the whole answer
inline constexpr int InputFailed = 1;    // stdin failed before its end (--signs -)
inline constexpr int UsageError = 2;     // bad option, date or value: one line on stderr; with
                                         // --signs -, any line answered with an error

// True when the arguments after the program name ask for the terminal mode: any of them
// starting with '-' (a lone "-" does not). Plain arguments alone, such as a saved reading to
// open, are left to the program's normal start.
bool claims(int argc, const char *const *argv);

// `orvo 1990-05-12`: a plain argument that looks like a date and names no file is a forgotten
// --signs, not a reading to open. The line to print on stderr (status UsageError), before any
// window or hand-over; empty when no argument is such a date.
QByteArray forgottenSigns(int argc, const char *const *argv);

// Answers arguments (program name first) on out, or one line on err; returns the exit status.
// Nothing reaches out when the answer is an error. `--signs -` reads its dates from in.
int run(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err);
// The same with nothing to read.
int run(const QStringList &arguments, QIODevice &out, QIODevice &err);

// run() for main(): a QCoreApplication (no display), stdout and stderr.
int exec(int argc, char *argv[]);

} // namespace commandLine
