#pragma once

#include <QString>
#include <QUrl>

// The pages of the maker's web site, opened in the user's browser.
namespace modHelp {

// The maker's host (the build setting ORVO_WEB_HOST); every page lives on it under one path.
extern const char *const MakerHost;

enum class Page { Help, FullBrand, CoBrand, Home, Download };

QString pageKey(Page page);
QUrl pageAddress(Page page);   // http://<host>/orvo-free-animal-signs-astrology/ssd.php?page=<key>
QString makerWebAddress();     // the address the reports credit: http://<host>/

void openPage(Page page);      // a page that cannot be opened is ignored

void OpenHelpPage();
void OpenFullBrandPage();
void OpenHomePage();
void OpenDownloadPage();

} // namespace modHelp
