// The about box and its links, the web page entry, and the help pages with
// their viewer: every topic has a page, links between pages work, also when
// help is asked for from a modal dialog.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <filesystem>

#include "tests/ui/SideWindowSupport.h"
#include "ui/HelpViewer.h"
#include "ui/LinkLabel.h"
#include "ui/ProductLinks.h"
#include "ui/uAbout.h"

namespace vellumar::test {
namespace {

class AboutAndHelp : public SideWindowTest {
protected:
    void SetUp() override {
        std::filesystem::copy(std::string(VELLUMAR_SOURCE_DIR) + "/data/help", folder.dir.Path() / "help");
        Open();
    }
    void TearDown() override {
        delete HelpViewer();
        SideWindowTest::TearDown();
    }
    static QTextBrowser* HelpViewer() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("HelpViewer")) return qobject_cast<QTextBrowser*>(top);
        return nullptr;
    }
};

TEST_F(AboutAndHelp, AboutBoxLinksOpenTheWebPageAndMailsToTheTeam) {
    ui::TfmAbout* about = ui::fmAbout;
    QWidget* shown = WhileModal([&] { w().mmAbout->trigger(); },
                                [&](QWidget* modal) {
                                    for (ui::LinkLabel* link : {about->lbSite, about->lbMail, about->lb4, about->Label2})
                                        QTest::mouseClick(link, Qt::LeftButton);
                                    QTest::keyClick(modal, Qt::Key_Return);   // OK
                                    EXPECT_FALSE(modal->isVisible());
                                });
    EXPECT_EQ(shown, about);
    EXPECT_EQ(about->lb1->title(), QStringLiteral("Vellumar версия 1.11"));
    EXPECT_EQ(about->lb4->text(), QStringLiteral("Команда Vellumar"));
    EXPECT_EQ(about->edSite->text(), ui::ProductWebPage());
    EXPECT_EQ(about->lbSite->toolTip(), QStringLiteral("Открыть страницу ") + ui::ProductWebPage());
    EXPECT_EQ(about->lbMail->toolTip(), QStringLiteral("Отправка сообщения в ") + ui::ProductMailAddress());
    const QUrl web(ui::ProductWebPage()), mail(QStringLiteral("mailto:") + ui::ProductMailAddress());
    EXPECT_EQ(seams.seen.openedUrls, (std::vector<QUrl>{web, mail, mail, mail}));
    w().mmWebsite->trigger();
    EXPECT_EQ(seams.seen.openedUrls.back(), web);
}

TEST_F(AboutAndHelp, EveryTopicHasAPageAndEveryLinkBetweenPagesLeadsToOne) {
    const QDir help(QString::fromStdString((folder.dir.Path() / "help").string()));
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)"));
    for (int topic : {11, 132, 133, 134, 135, 136}) {
        QFile file(ui::HelpPagePath(topic));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << topic;
        for (auto m = link.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(target.isEmpty() || help.exists(target)) << topic << " links to " << target.toStdString();
        }
    }
}

TEST_F(AboutAndHelp, TheViewerFollowsLinksAlsoBesideAModalDialog) {
    ui::ShowHelpTopic(999);   // no page: nothing
    EXPECT_EQ(HelpViewer(), nullptr);
    WhileModal([&] { QTest::keyClick(&w(), Qt::Key_D, Qt::ControlModifier); },   // the add-words dialog
               [&](QWidget*) {
                   ui::ShowHelpTopic(136);
                   QTextBrowser* viewer = HelpViewer();
                   ASSERT_NE(viewer, nullptr);
                   EXPECT_FALSE(viewer->testAttribute(Qt::WA_QuitOnClose));   // closing the main window ends the program
                   EXPECT_EQ(viewer->windowTitle(), Q("Vellumar: Добавление слов"));
                   // Keys through the window, as the window system sends them: the
                   // first link ("Поиск") takes the focus, Enter follows it.
                   QTest::keyClick(viewer->windowHandle(), Qt::Key_Tab);
                   QTest::keyClick(viewer->windowHandle(), Qt::Key_Return);
                   EXPECT_EQ(viewer->source().fileName(), QStringLiteral("132.html"));
               });
    EXPECT_TRUE(seams.seen.messages.empty());
}

}  // namespace
}  // namespace vellumar::test
