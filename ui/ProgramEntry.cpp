// The window program: the application object, its title and help, the windows
// in their order, and the event loop until the main window closes.

#include <QApplication>
#include <QFont>
#include <QIcon>

#include "ui/Forms.h"
#include "ui/MaskGridAccessible.h"
#include "ui/Services.h"
#include "ui/uMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumar"));
    vellumar::ui::ApplicationTitle() = QStringLiteral("Vellumar");
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vellumar.png")));
    // The pages are laid out for a small dialog font.
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);

    vellumar::ui::InstallAccessibleInterfaces();
    vellumar::ui::CreateForms();
    vellumar::ui::RouteCoreMessagesTo(vellumar::ui::fmMain);
    vellumar::ui::fmMain->show();
    const int status = QApplication::exec();
    vellumar::ui::DestroyForms();
    return status;
}
