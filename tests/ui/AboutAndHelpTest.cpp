// The about box and its links, the web page entry, and the help pages with
// their viewer: every topic has a page, links between pages work, also when
// help is asked for from a modal dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <filesystem>

#include "tests/ui/SideWindowSupport.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/HelpViewer.h"
#include "ui/LinkLabel.h"
#include "ui/ProductLinks.h"
#include "ui/uAbout.h"
#include "ui/uAdd.h"

namespace vellumar::test {
namespace {

const int kTopics[] = {11, 132, 133, 134, 135, 136};

class AboutAndHelp : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(std::string(VELLUMAR_SOURCE_DIR) + "/data/help", folder.dir.Path() / "help");
        forms = std::make_unique<FormsScope>();
        ASSERT_TRUE(ShowActive(&w()));
    }
    void TearDown() override {
        if (QWidget* viewer = HelpViewer()) delete viewer;
        forms.reset();
    }
    ui::TfmMain& w() { return forms->main(); }
    static QTextBrowser* HelpViewer() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("HelpViewer")) return qobject_cast<QTextBrowser*>(top);
        return nullptr;
    }

    ProgramFolder folder;
    SeamScope seams;
    std::unique_ptr<FormsScope> forms;
};

TEST_F(AboutAndHelp, AboutBoxNamesTheProductTheTeamAndItsAddresses) {
    ui::TfmAbout* about = ui::fmAbout;
    QWidget* shown = WhileModal([&] { w().mmAbout->trigger(); },
                                [&](QWidget* modal) {
                                    EXPECT_EQ(modal->windowTitle(), QStringLiteral("Vellumar"));
                                    QTest::mouseClick(about->lbSite, Qt::LeftButton);
                                    QTest::mouseClick(about->lbMail, Qt::LeftButton);
                                    QTest::mouseClick(about->lb4, Qt::LeftButton);
                                    QTest::mouseClick(about->Label2, Qt::LeftButton);
                                    QTest::keyClick(modal, Qt::Key_Return);   // OK
                                    EXPECT_FALSE(modal->isVisible());
                                });
    EXPECT_EQ(shown, about);
    EXPECT_EQ(about->lb1->title(), QStringLiteral("Vellumar версия 1.11"));
    EXPECT_EQ(about->lb1->font().pixelSize(), 16);
    EXPECT_EQ(about->lb2->text(), QStringLiteral("программа для решения кроссвордов"));
    EXPECT_EQ(about->lb4->text(), QStringLiteral("Команда Vellumar"));
    EXPECT_EQ(about->Label2->text(), QStringLiteral("Команда Vellumar"));
    EXPECT_EQ(about->edSite->text(), ui::ProductWebPage());
    EXPECT_EQ(about->edMail->text(), ui::ProductMailAddress());
    EXPECT_TRUE(about->edSite->isReadOnly());
    EXPECT_EQ(about->lbSite->toolTip(), QStringLiteral("Открыть страницу ") + ui::ProductWebPage());
    EXPECT_EQ(about->lbMail->toolTip(), QStringLiteral("Отправка сообщения в ") + ui::ProductMailAddress());
    EXPECT_TRUE(about->lbSite->font().underline());
    EXPECT_EQ(about->lbSite->cursor().shape(), Qt::PointingHandCursor);
    const QUrl mail(QStringLiteral("mailto:") + ui::ProductMailAddress());
    EXPECT_EQ(seams.seen.openedUrls, (std::vector<QUrl>{QUrl(ui::ProductWebPage()), mail, mail, mail}));

    w().mmWebsite->trigger();
    EXPECT_EQ(seams.seen.openedUrls.back(), QUrl(ui::ProductWebPage()));
    EXPECT_TRUE(ui::ProductWebPage().contains(QStringLiteral("example.org")));
}

TEST_F(AboutAndHelp, EveryTopicHasAPageAndEveryLinkBetweenPagesLeadsToOne) {
    const QDir help(QString::fromStdString((folder.dir.Path() / "help").string()));
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
    for (int topic : kTopics) {
        const QString path = ui::HelpPagePath(topic);
        ASSERT_TRUE(QFileInfo(path).isFile()) << topic;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(page.contains(QStringLiteral("lang=\"ru\""))) << topic;
        for (auto m = link.globalMatch(page); m.hasNext();) {
            const QString target = m.next().captured(1);
            if (!target.isEmpty()) {
                EXPECT_TRUE(help.exists(target)) << topic << " links to " << target.toStdString();
            }
        }
    }
}

TEST_F(AboutAndHelp, TheViewerFollowsLinksAlsoBesideAModalDialog) {
    ui::ShowHelpTopic(999);   // no page: nothing, no message
    EXPECT_EQ(HelpViewer(), nullptr);
    WhileModal([&] { QTest::keyClick(&w(), Qt::Key_D, Qt::ControlModifier); },   // Ctrl+D
               [&](QWidget* modal) {
                   ASSERT_EQ(modal, ui::fmAdd);
                   ui::ShowHelpTopic(136);
                   QTextBrowser* viewer = HelpViewer();
                   ASSERT_NE(viewer, nullptr);
                   EXPECT_TRUE(viewer->isVisible());
                   EXPECT_EQ(viewer->windowTitle(), Q("Vellumar: Добавление слов"));
                   // Through the window, as the window system delivers keys: the
                   // first link ("Поиск") gets the focus, Enter follows it.
                   QWindow* window = viewer->windowHandle();
                   QTest::keyClick(window, Qt::Key_Tab);
                   QTest::keyClick(window, Qt::Key_Return);
                   EXPECT_EQ(viewer->source().fileName(), QStringLiteral("132.html"));
               });
    EXPECT_TRUE(seams.seen.messages.empty());
}

}  // namespace
}  // namespace vellumar::test
