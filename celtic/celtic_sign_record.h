#pragma once

#include <QString>

#include <optional>

// The fixed record of one Celtic sign, as the result form shows it.
struct CelticSignRecord
{
    QString signName;
    QString gaelicName;
    QString birthstone;
    QString rulingPlanet;
    QString keywords;
    QString compatibility;
    QString magickalAbilities;
    QString characteristics;   // the long paragraph (content/celtic/<sign>.txt)

    // The record of the sign named exactly so ("Stag" .. "Wren"), or nothing.
    static std::optional<CelticSignRecord> forSign(const QString &sign);
};
