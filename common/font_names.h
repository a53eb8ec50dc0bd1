#pragma once

#include <QString>
#include <QStringList>

// The program's windows and reports ask for Verdana. Where it is not installed, the first
// installed of its look-alikes (near-identical metrics) draws instead.
namespace fontNames {

inline QString verdana() { return QStringLiteral("Verdana"); }
inline QStringList verdanaStandIns() { return {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")}; }

} // namespace fontNames
