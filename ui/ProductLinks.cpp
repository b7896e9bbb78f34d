#include "ui/ProductLinks.h"

namespace vellumar::ui {

QString ProductWebPage() { return QStringLiteral(VELLUMAR_WEB_PAGE); }
QString ProductMailAddress() { return QStringLiteral(VELLUMAR_MAIL_ADDRESS); }
QUrl ProductWebUrl() { return QUrl(ProductWebPage()); }
QUrl ProductMailUrl() { return QUrl(QStringLiteral("mailto:") + ProductMailAddress()); }

}  // namespace vellumar::ui
