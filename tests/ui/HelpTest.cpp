#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/frame/MainWindow.h"
#include "ui/Messages.h"

namespace ruvo {
namespace {

using test::ModalScript;

QString page(const char* title, const char* body) {
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
        .arg(QString::fromUtf8(title), QString::fromUtf8(body));
}

TEST(HelpPages, TheContentsComeFirstAndTheSearchNeedsEveryWord) {
    QTemporaryDir dir;
    test::write_file(dir.filePath("a"), "zeta.html", page("格子", "Grid files and views").toUtf8());
    test::write_file(dir.filePath("a"), "index.html", page("目次", "Contents").toUtf8());
    test::write_file(dir.filePath("a"), "alpha.html", page("プロジェクト", "Projects name files").toUtf8());
    test::write_file(dir.filePath("b"), "index.html", page("other", "").toUtf8());

    const QString folder = find_help_folder({dir.filePath("missing"), dir.filePath("a"), dir.filePath("b")});
    EXPECT_EQ(folder, QDir(dir.filePath("a")).absolutePath());
    const std::vector<HelpPage> pages = read_help_pages(folder);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].file_name, "index.html");
    EXPECT_EQ(pages[1].title, "プロジェクト");
    EXPECT_EQ(pages[2].file_name, "zeta.html");

    EXPECT_EQ(search_help_pages(pages, ""), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(search_help_pages(pages, "files"), (std::vector<int>{1, 2}));
    EXPECT_EQ(search_help_pages(pages, "FILES grid"), (std::vector<int>{2}));
    EXPECT_EQ(search_help_pages(pages, "プロジェクト\u3000name"), (std::vector<int>{1}));  // full-width blank
    EXPECT_TRUE(search_help_pages(pages, "nowhere").empty());
    EXPECT_TRUE(read_help_pages({}).empty());
}

TEST(HelpPages, TheProgramsOwnPagesAreFound) {
    const std::vector<HelpPage> pages = read_help_pages(find_help_folder(help_folder_candidates()));
    ASSERT_GE(pages.size(), 4u);
    EXPECT_EQ(pages[0].file_name, "index.html");
    const std::vector<int> found = search_help_pages(pages, QStringLiteral("xvfb-run"));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(pages[static_cast<std::size_t>(found[0])].file_name, "commandline.html");
}

TEST(HelpViewerWindow, OpensAtTheContentsAndNarrowsTheTopicsBySearch) {
    auto main = test::shown_main_window();
    main->findChild<QAction*>(QStringLiteral("Contents"))->trigger();
    auto* viewer = main->findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    EXPECT_TRUE(browser->source().toLocalFile().endsWith("index.html"));
    const int all = viewer->findChild<QListWidget*>(QStringLiteral("HelpTopics"))->count();

    main->findChild<QAction*>(QStringLiteral("SearchforHelpOn"))->trigger();
    auto* search = viewer->findChild<QLineEdit*>(QStringLiteral("HelpSearchEdit"));
    search->setText(QStringLiteral("ruvo-render"));
    auto* topics = viewer->findChild<QListWidget*>(QStringLiteral("HelpTopics"));
    EXPECT_LT(topics->count(), all);
    ASSERT_GE(topics->count(), 1);
    topics->setCurrentRow(0);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("ruvo-render")));
}

TEST(AboutBox, ShowsTheProgramAndClosesWithOk) {
    auto main = test::shown_main_window();
    ModalScript script;
    QString shown;
    script.then([&shown](QWidget* dialog) {
        ASSERT_NE(qobject_cast<TAboutWindow*>(dialog), nullptr);
        for (const QLabel* label : dialog->findChildren<QLabel*>()) shown += label->text() + u'\n';
        dialog->findChild<QPushButton*>(QStringLiteral("AboutBoxButton"))->click();
    });
    main->findChild<QAction*>(QStringLiteral("About"))->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_TRUE(shown.contains(test::text(messages::kApplicationTitle)));
}

}  // namespace
}  // namespace ruvo
