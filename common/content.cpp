#include "common/content.h"

#include <QFile>

namespace content {

QString text(const QString &relativePath)
{
    QFile file(QStringLiteral(":/content/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString result = QString::fromUtf8(file.readAll());
    while (result.endsWith(QLatin1Char('\n')) || result.endsWith(QLatin1Char('\r')))
        result.chop(1);
    return result;
}

QString picturePath(const QString &relativePath)
{
    return QStringLiteral(":/content/pictures/") + relativePath;
}

} // namespace content
