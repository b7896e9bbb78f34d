#pragma once
// The product's web page and mail address, set when the program is built
// (VELLUMAR_WEB_PAGE and VELLUMAR_MAIL_ADDRESS).

#include <QString>
#include <QUrl>

namespace vellumar::ui {

QString ProductWebPage();
QString ProductMailAddress();

// The web page as an address to open.
QUrl ProductWebUrl();
// "mailto:" followed by the product mail address.
QUrl ProductMailUrl();

}  // namespace vellumar::ui
