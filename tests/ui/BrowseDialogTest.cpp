#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>

#include "UiTestSupport.h"
#include "ui/dialogs/BrowseDialog.h"

namespace ruvo {
namespace {

TEST(BrowsDlg, PreselectedFolderDropsTheTrailingSeparatorExceptAtARoot) {
    const std::pair<const char*, const char*> cases[] = {
        {"/", "/"}, {"/data/", "/data"}, {"/data", "/data"}, {"C:\\", "C:\\"}, {"C:\\Data\\", "C:\\Data"}, {"", ""}};
    for (const auto& [given, shown] : cases) EXPECT_EQ(preselected_folder(given), QString(shown)) << given;
}

// The picker opens with the caller's folder selected and its caption; a choice comes
// back in Directory, a cancel leaves Directory alone.
TEST(BrowsDlg, ChoosesAFolderAndCancelLeavesTheDirectory) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir("frames"));
    TBrowseDialog picker(nullptr);
    picker.Caption = QStringLiteral("連番画像ファイルの保存先");
    picker.Directory = root.path() + u'/';

    test::ModalScript script;
    script.then([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), picker.Caption);
        EXPECT_EQ(QDir(files->selectedFiles().value(0)), QDir(root.path()));
        test::choose_file(root.filePath("frames"))(dialog);
    });
    script.then(test::cancel());
    ASSERT_TRUE(picker.Execute());
    EXPECT_EQ(picker.Directory, root.filePath("frames"));
    EXPECT_FALSE(picker.Execute());
    EXPECT_EQ(picker.Directory, root.filePath("frames"));
    EXPECT_TRUE(script.finished());
}

}  // namespace
}  // namespace ruvo
