#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "UiTestSupport.h"
#include "Workspace.h"
#include "data/RememberedFolders.h"
#include "ui/frame/MainWindow.h"
#include "ui/Messages.h"
#include "ui/dialogs/FileChooser.h"
#include "ui/dialogs/ProjectDialog.h"

namespace ruvo {
namespace {

using test::ModalScript;
using test::text;

QStringList rows(const QListWidget* list) {
    QStringList names;
    for (int n = 0; n < list->count(); ++n) names << list->item(n)->text();
    return names;
}

class ProjectDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"GRID.GRD", "OTHER.GRD", "RESULT.K", "FLOW.v", "A.P", "B.E", "C.DAT", "D.D", "X.V",
                                 "notes.txt", "README"}) {
            test::write_scalar(dir_.path(), name);
        }
        QDir(dir_.path()).mkdir(QStringLiteral("sub"));
        tables_.project_file_name = dir_.filePath("run.RVP");
        tables_.grid_file_count = 1;
        tables_.grid_file_name = dir_.filePath("GRID.GRD");
        tables_.vector_file_count = 3;
        tables_.vector_file_name = {dir_.filePath("A.V"), dir_.filePath("B.V"), dir_.filePath("C.V")};
        tables_.scalar_file_count = 1;
        tables_.scalar_file_name[0] = dir_.filePath("A.P");
    }

    // The dialog on the tables, showing the test folder.
    TProject_Dialog& open_dialog() {
        dialog_ = std::make_unique<TProject_Dialog>(tables_, dir_.path());
        dialog_->show();
        QApplication::processEvents();
        return *dialog_;
    }
    template <typename T>
    T* child(const char* name) {
        return dialog_->findChild<T*>(QString::fromLatin1(name));
    }
    QListWidget* files() { return child<QListWidget>("FileListBox1"); }
    QListWidget* project_lines() { return child<QListWidget>("ProjectFileList"); }
    QListWidget* kind_lines() { return child<QListWidget>("FileKindList"); }
    const ProjectTables& edited() { return dialog_->project(); }
    void click_file(const QString& name) {
        const QList<QListWidgetItem*> found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, files()->visualItemRect(found[0]).center());
    }
    void choose_kind(int kind) { child<QGroupBox>("KindRadioGroup")->findChildren<QRadioButton*>()[kind]->click(); }
    void press(const char* button) { child<QPushButton>(button)->click(); }
    // Adds a file of a kind, answering whatever message comes.
    QStringList add(const QString& name, int kind) {
        click_file(name);
        choose_kind(kind);
        ModalScript script;
        script.then(test::press(QMessageBox::Ok));
        press("AddButton");
        return script.messages();
    }

    // The folder the project dialog opens at, read when a main window starts.
    void remember_project_folder() {
        RememberedFolders folders = RememberedFolders::read();
        folders.project_load = dir_.path();
        folders.write();
    }
    // Adds a file in an open dialog, as a double-click does.
    static void double_click_file(QWidget* dialog, const char* name) {
        auto* file_list = dialog->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        const QList<QListWidgetItem*> found = file_list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        test::double_click_row(file_list, file_list->row(found[0]));
    }

    QTemporaryDir dir_;
    ProjectTables tables_;
    std::unique_ptr<TProject_Dialog> dialog_;
};

TEST_F(ProjectDialogTest, OpensOnTheProjectWithEveryFileListedAndTheKindOther) {
    open_dialog();
    EXPECT_EQ(dialog_->windowTitle(),
              text(messages::kProjectDialogCaptionBefore) + "run.RVP" + text(messages::kProjectDialogCaptionAfter));
    EXPECT_EQ(child<QComboBox>("FilterComboBox1")->currentIndex(), FileChooser::kAllFiles);
    EXPECT_EQ(dialog_->kind(), FileChooser::kOther);
    EXPECT_EQ(rows(files()), (QStringList{"A.P", "B.E", "C.DAT", "D.D", "FLOW.v", "GRID.GRD", "notes.txt", "OTHER.GRD",
                                          "README", "RESULT.K", "X.V"}));  // "*.*": README too
    EXPECT_EQ(rows(project_lines()), (QStringList{"GRID.GRD", "A.V", "B.V", "C.V", "A.P"}));
    EXPECT_EQ(rows(kind_lines()),
              (QStringList{text(messages::kGridKind), text(messages::kVectorKind), text(messages::kVectorKind),
                           text(messages::kVectorKind), text(messages::kScalarKind)}));
    EXPECT_EQ(dialog_->folder(), QDir(dir_.path()).absolutePath());
}

TEST_F(ProjectDialogTest, TheKindsStayBesideTheirNamesInAFullProjectWithALongName) {
    tables_.vector_file_count = tables_.scalar_file_count = 10;
    for (int n = 0; n < 10; ++n) {
        tables_.vector_file_name[n] = dir_.filePath(QStringLiteral("V%1.V").arg(n));
        tables_.scalar_file_name[n] = dir_.filePath(QString(n * 7, u'L') + QStringLiteral(".P"));
    }
    open_dialog();
    QScrollBar* down = project_lines()->verticalScrollBar();
    const int bottom = down->maximum();
    down->setValue(bottom);
    ASSERT_GT(bottom, 0);
    EXPECT_EQ(down->value(), bottom);  // the last name can be scrolled into view
    for (int row = 0; row < project_lines()->count(); ++row) {
        EXPECT_EQ(project_lines()->visualItemRect(project_lines()->item(row)).top(),
                  kind_lines()->visualItemRect(kind_lines()->item(row)).top())
            << row;
    }
}

TEST_F(ProjectDialogTest, TheFilterNarrowsTheFilesAndSelectsItsKind) {
    open_dialog();
    child<QComboBox>("FilterComboBox1")->setCurrentIndex(FileChooser::kScalarFiles);
    EXPECT_EQ(rows(files()), (QStringList{"A.P", "B.E", "C.DAT", "D.D", "RESULT.K"}));
    EXPECT_EQ(dialog_->kind(), FileChooser::kScalar);
    child<QComboBox>("FilterComboBox1")->setCurrentIndex(FileChooser::kVectorFiles);
    EXPECT_EQ(rows(files()), (QStringList{"C.DAT", "D.D", "FLOW.v", "X.V"}));
    EXPECT_EQ(dialog_->kind(), FileChooser::kVector);
    child<QComboBox>("FilterComboBox1")->setCurrentIndex(FileChooser::kAllFiles);
    EXPECT_EQ(dialog_->kind(), FileChooser::kOther);
}

TEST_F(ProjectDialogTest, ClickingAFileSelectsTheKindOfItsExtension) {
    open_dialog();
    choose_kind(FileChooser::kGrid);
    click_file("RESULT.K");
    EXPECT_EQ(dialog_->kind(), FileChooser::kGrid);  // .K stands for no kind
    click_file("FLOW.v");
    EXPECT_EQ(dialog_->kind(), FileChooser::kVector);
    click_file("A.P");
    EXPECT_EQ(dialog_->kind(), FileChooser::kScalar);
    click_file("GRID.GRD");
    EXPECT_EQ(dialog_->kind(), FileChooser::kGrid);
}

TEST_F(ProjectDialogTest, AddingNeedsAKindAndStopsAtTheLimits) {
    open_dialog();
    click_file("notes.txt");
    {
        ModalScript script;
        script.then(test::press(QMessageBox::Ok));
        press("AddButton");
        EXPECT_EQ(script.messages().value(0), text(messages::kChooseKindFirst));
    }
    EXPECT_EQ(project_lines()->count(), 5);

    // The same file may be added again; the eleventh vector file is refused.
    for (int n = 3; n < kMaxSlots; ++n) EXPECT_TRUE(add("X.V", FileChooser::kVector).isEmpty());
    EXPECT_EQ(edited().vector_file_count, kMaxSlots);
    EXPECT_EQ(add("X.V", FileChooser::kVector), QStringList{text(messages::kCannotAddMore)});
    EXPECT_EQ(edited().vector_file_count, kMaxSlots);
    EXPECT_EQ(rows(project_lines()).size(), 1 + kMaxSlots + 1);
    EXPECT_EQ(rows(project_lines()).last(), "A.P");  // scalars stay after the vectors
    EXPECT_EQ(rows(project_lines())[kMaxSlots], "X.V");

    // A second grid is refused; after the grid line is deleted a new one takes line 0.
    EXPECT_EQ(add("OTHER.GRD", FileChooser::kGrid), QStringList{text(messages::kCannotAddMore)});
    project_lines()->setCurrentRow(0);
    press("DeleteButton");
    EXPECT_EQ(edited().grid_file_count, 0);
    EXPECT_TRUE(add("OTHER.GRD", FileChooser::kGrid).isEmpty());
    EXPECT_EQ(project_lines()->item(0)->text(), "OTHER.GRD");
    EXPECT_EQ(kind_lines()->item(0)->text(), text(messages::kGridKind));
    EXPECT_EQ(edited().grid_file_name, dir_.filePath("OTHER.GRD"));
}

TEST_F(ProjectDialogTest, DeletingTheMiddleOfThreeVectorFilesMovesTheThirdUp) {
    open_dialog();
    kind_lines()->setCurrentRow(2);  // B.V, chosen on the kind side
    EXPECT_EQ(project_lines()->currentRow(), 2);
    press("DeleteButton");
    EXPECT_EQ(rows(project_lines()), (QStringList{"GRID.GRD", "A.V", "C.V", "A.P"}));
    EXPECT_EQ(kind_lines()->count(), 4);
    press("OkButton");  // the edited tables take the place of the project's

    EXPECT_EQ(tables_.vector_file_count, 2);
    EXPECT_EQ(tables_.vector_file_name[1], dir_.filePath("C.V"));
    EXPECT_TRUE(tables_.vector_file_name[2].isEmpty());

    ASSERT_TRUE(save_project_file(tables_.project_file_name, tables_).ok);
    EXPECT_TRUE(test::read_text(tables_.project_file_name).contains(QStringLiteral("Vector_File_Name_2=C.V")));
}

TEST_F(ProjectDialogTest, TheKeysAddDeleteAndCancel) {
    const ProjectTables before = tables_;
    open_dialog();
    click_file("A.P");
    QTest::keyClick(files(), Qt::Key_Return);
    EXPECT_EQ(edited().scalar_file_count, 2);
    EXPECT_EQ(dialog_->isVisible(), true);  // Enter does not confirm the dialog

    project_lines()->setCurrentRow(1);
    QTest::keyClick(project_lines(), Qt::Key_Enter);
    EXPECT_EQ(edited().vector_file_count, 2);

    QTest::keyClick(files(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(tables_.vector_file_count, 3);
    EXPECT_EQ(tables_.scalar_file_count, 1);
    EXPECT_EQ(tables_.vector_file_name, before.vector_file_name);
    EXPECT_EQ(tables_.scalar_file_name, before.scalar_file_name);
}

TEST_F(ProjectDialogTest, OkWithoutAGridStaysOpen) {
    tables_.grid_file_count = 0;
    tables_.grid_file_name.clear();
    open_dialog();
    ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    press("OkButton");
    EXPECT_EQ(script.messages().value(0), text(messages::kGridRequired));
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(ProjectDialogTest, ANewProjectConfirmedWithAGridIsReadyToUse) {
    remember_project_folder();
    auto main = test::shown_main_window();

    ModalScript script;
    script.then([this](QWidget* dialog) {
        double_click_file(dialog, "GRID.GRD");
        dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    main->findChild<QAction*>(QStringLiteral("New_Project"))->trigger();

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected(), 0) << script.messages().join(u'\n').toStdString();
    Workspace& ws = main->workspace();
    EXPECT_EQ(ws.project.grid_file_name, dir_.filePath("GRID.GRD"));
    EXPECT_TRUE(ws.project.project_modified);
    EXPECT_EQ(rows(test::list_of(*main, "GridListBox")), QStringList{"GRID.GRD"});
    EXPECT_TRUE(main->findChild<QAction*>(QStringLiteral("Project_SaveAs"))->isEnabled());
    EXPECT_EQ(main->windowTitle(), text(messages::kProjectCaptionPrefix) + text(kUntitledProjectName));
    EXPECT_EQ(RememberedFolders::read().project_load, QDir(dir_.path()).absolutePath());
    EXPECT_EQ(ws.store.file_x_end, 2);  // the grid was read
}

TEST_F(ProjectDialogTest, CancelPutsBackTheMainWindowsLists) {
    const QString grid = test::write_grid(dir_.path(), "G.GRD");
    const QString project = test::write_project(dir_.filePath("p.RVP"), grid, {dir_.filePath("X.V")}, {});
    remember_project_folder();
    auto main = test::shown_main_window(project);

    ModalScript script;
    script.then([this](QWidget* dialog) {
        double_click_file(dialog, "FLOW.v");
        EXPECT_EQ(dialog->findChild<QListWidget*>(QStringLiteral("ProjectFileList"))->count(), 3);
        dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    main->findChild<QAction*>(QStringLiteral("Project_FileAddDelete"))->trigger();

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(rows(test::list_of(*main, "VectorListBox")), QStringList{"X.V"});
    EXPECT_EQ(main->workspace().project.vector_file_count, 1);
    EXPECT_FALSE(main->workspace().project.project_modified);
}

}  // namespace
}  // namespace ruvo
