#pragma once

#include <QString>

namespace chinese {

// One of the sixty pairs of a heavenly stem and an earthly branch, in cycle order from 甲子 (0)
// to 癸亥 (59). Years, months, days and two-hour periods are each counted by this cycle; the
// four that hold a birth are its Four Pillars.
class StemBranch
{
public:
    StemBranch() = default;
    // Any whole number; counted round the cycle (60 is 甲子 again, -1 is 癸亥).
    static StemBranch fromCycleIndex(qint64 index);
    // stem 0..9 (甲..癸), branch 0..11 (子..亥); both even or both odd, as every pair of the cycle is.
    static StemBranch fromStemAndBranch(int stem, int branch);

    int cycleIndex() const { return m_index; }
    int stem() const { return m_index % 10; }
    int branch() const { return m_index % 12; }

    QString characters() const;   // "甲辰"
    QString pinyin() const;       // "jiǎ chén"
    QString english() const;      // "Yang Wood Dragon"
    QString element() const;      // "Wood", as chinese::elementNames() spells it
    QString animal() const;       // "Dragon", as chinese::animalNames() spells it

    friend bool operator==(StemBranch a, StemBranch b) { return a.m_index == b.m_index; }

private:
    explicit StemBranch(int index) : m_index(index) {}
    int m_index = 0;
};

} // namespace chinese
