// The windows' tests run under GoogleTest with one QApplication on the
// offscreen platform, so they need no display and never block on a window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "ui/MaskGridAccessible.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/vellumar-tests-runtime";
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QApplication app(argc, argv);
    vellumar::ui::InstallAccessibleInterfaces();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
