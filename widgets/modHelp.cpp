#include "widgets/modHelp.h"

#include <QDesktopServices>

namespace modHelp {

const char *const MakerHost = ORVO_WEB_HOST;

QString pageKey(Page page)
{
    switch (page) {
    case Page::Help: return QStringLiteral("help-web-page");
    case Page::FullBrand: return QStringLiteral("fully-branded");
    case Page::CoBrand: return QStringLiteral("co-brand");
    case Page::Home: return QStringLiteral("home-page");
    case Page::Download: return QStringLiteral("download-web-page");
    }
    return {};
}

QUrl pageAddress(Page page)
{
    return QUrl(QStringLiteral("http://%1/orvo-free-animal-signs-astrology/ssd.php?page=%2")
                    .arg(QLatin1String(MakerHost), pageKey(page)));
}

QString makerWebAddress()
{
    return QStringLiteral("http://%1/").arg(QLatin1String(MakerHost));
}

void openPage(Page page)
{
    QDesktopServices::openUrl(pageAddress(page));
}

void OpenHelpPage() { openPage(Page::Help); }
void OpenFullBrandPage() { openPage(Page::FullBrand); }
void OpenHomePage() { openPage(Page::Home); }
void OpenDownloadPage() { openPage(Page::Download); }

} // namespace modHelp
