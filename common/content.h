#pragma once

#include <QString>

// The long texts shipped with the program (content/, compiled in as resources).
namespace content {

// The text of content/<relativePath>, without a final line break; empty when it is missing.
QString text(const QString &relativePath);

// Resource path of a picture under content/pictures/ (for QPixmap).
QString picturePath(const QString &relativePath);

} // namespace content
