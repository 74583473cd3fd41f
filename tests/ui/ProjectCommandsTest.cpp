#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "data/FieldReference.h"
#include "data/RememberedFolders.h"
#include "ui/frame/MainWindow.h"
#include "ui/Messages.h"
#include "ui/dialogs/ProjectDialog.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

using test::ModalScript;
using test::text;

QStringList rows(QListWidget* list) {
    QStringList names;
    for (int n = 0; n < list->count(); ++n) names << list->item(n)->text();
    return names;
}

class ProjectCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        grid_ = test::write_grid(dir_.path(), "G.GRD");
        for (const char* name : {"A.V", "B.V", "C.V"}) vectors_ << test::write_vector(dir_.path(), name);
        project_ = test::write_project(dir_.filePath("p.RVP"), grid_, vectors_, {});
        other_ = test::write_project(dir_.filePath("other.RVP"), grid_, {}, {});
        main_ = test::shown_main_window(project_);
    }

    Workspace& ws() { return main_->workspace(); }
    QAction* item(const char* name) { return main_->findChild<QAction*>(QString::fromLatin1(name)); }
    QStringList vector_list() { return rows(test::list_of(*main_, "VectorListBox")); }
    // The project as the project dialog leaves it: one vector file fewer.
    void modify() {
        ws().project.vector_file_count = 2;
        ws().project.project_modified = true;
    }
    bool file_saved() { return test::read_text(project_).contains(QStringLiteral("Vector_File_Number=2")); }
    QString save_prompt() {
        return text(messages::kSavePromptBefore) + ws().project.project_file_name + text(messages::kSavePromptAfter);
    }

    QTemporaryDir dir_;
    QString grid_, project_, other_;
    QStringList vectors_;
    std::unique_ptr<TRuvo_Main_Form> main_;
};

TEST_F(ProjectCommandsTest, LoadingFillsTheListsAndEnablesTheProjectItems) {
    EXPECT_EQ(main_->windowTitle(), text(messages::kProjectCaptionPrefix) + project_);
    EXPECT_EQ(vector_list(), (QStringList{"A.V", "B.V", "C.V"}));
    EXPECT_EQ(rows(test::list_of(*main_, "GridListBox")), QStringList{"G.GRD"});
    for (const char* name :
         {"Project_OverWrite", "Project_SaveAs", "Project_FileAddDelete", "Close_Project", "Vts_Export"}) {
        EXPECT_TRUE(item(name)->isEnabled()) << name;
    }
    EXPECT_EQ(RememberedFolders::read().project_save, dir_.path() + "/");

    item("Close_Project")->trigger();
    EXPECT_EQ(main_->windowTitle(), text(messages::kNoProjectCaption));
    EXPECT_TRUE(vector_list().isEmpty());
    for (const char* name :
         {"Project_OverWrite", "Project_SaveAs", "Project_FileAddDelete", "Close_Project", "Vts_Export"}) {
        EXPECT_FALSE(item(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(main_->findChild<QToolButton*>(QStringLiteral("SaveOvewriteSB"))->isEnabled());
}

TEST_F(ProjectCommandsTest, NoPromptWhenTheProjectIsUnchanged) {
    ModalScript script;
    script.then(test::cancel());  // the project dialog of the new project
    item("New_Project")->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.messages().isEmpty());
}

TEST_F(ProjectCommandsTest, TheSavePromptOfNewProject) {
    modify();
    {  // Cancel: nothing happens.
        ModalScript script;
        script.then(test::press(QMessageBox::Cancel));
        item("New_Project")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.messages().value(0), save_prompt());
        EXPECT_EQ(script.unexpected(), 0);
        EXPECT_EQ(ws().project.project_file_name, project_);
        EXPECT_EQ(vector_list().size(), 3);
        EXPECT_FALSE(file_saved());
    }
    {  // No: not saved; the new project's dialog opens; cancelled, it leaves an empty untitled project.
        ModalScript script;
        script.then(test::press(QMessageBox::No)).then(test::cancel());
        item("New_Project")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected(), 0);
        EXPECT_FALSE(file_saved());
        EXPECT_EQ(ws().project.project_file_name, text(kUntitledProjectName));
        EXPECT_EQ(ws().project.vector_file_count, 0);
        EXPECT_EQ(ws().project.grid_file_count, 0);
    }
    main_->open_project_file(project_);
    modify();
    {  // Yes: saved under its name, then the dialog.
        ModalScript script;
        script.then(test::press(QMessageBox::Yes)).then(test::cancel());
        item("New_Project")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected(), 0);
        EXPECT_TRUE(file_saved());
    }
}

TEST_F(ProjectCommandsTest, TheSavePromptOfOpenProject) {
    modify();
    {
        ModalScript script;
        script.then(test::press(QMessageBox::Cancel));
        item("Open_Project")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected(), 0);  // no open dialog
        EXPECT_EQ(ws().project.project_file_name, project_);
    }
    {
        ModalScript script;
        script.then(test::press(QMessageBox::No)).then(test::choose_file(other_));
        item("Open_Project")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_FALSE(file_saved());
        EXPECT_EQ(ws().project.project_file_name, other_);
        EXPECT_TRUE(vector_list().isEmpty());
    }
    main_->open_project_file(project_);
    modify();
    {
        ModalScript script;
        script.then(test::press(QMessageBox::Yes)).then(test::choose_file(other_));
        item("Open_Project")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(file_saved());
        EXPECT_EQ(ws().project.project_file_name, other_);
    }
}

TEST_F(ProjectCommandsTest, TheSavePromptOnExitAndCancelKeepsTheProgramRunning) {
    modify();
    {
        ModalScript script;
        script.then(test::press(QMessageBox::Cancel));
        item("Exit1")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(main_->isVisible());
        EXPECT_EQ(ws().project.project_file_name, project_);
    }
    {
        ModalScript script;
        script.then(test::press(QMessageBox::Yes));
        main_->close();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(file_saved());
        EXPECT_FALSE(main_->isVisible());
    }
    main_->show();
    test::write_project(project_, grid_, vectors_, {});
    modify();
    {
        ModalScript script;
        script.then(test::press(QMessageBox::No));
        main_->close();
        EXPECT_TRUE(script.finished());
        EXPECT_FALSE(file_saved());
        EXPECT_FALSE(main_->isVisible());
    }
}

TEST_F(ProjectCommandsTest, SavingAnUntitledProjectAsksForAName_CancellingKeepsTheProgramRunning) {
    ws().project.project_file_name = text(kUntitledProjectName);
    modify();
    {
        ModalScript script;
        script.then(test::press(QMessageBox::Yes)).then(test::cancel());
        main_->close();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected(), 0);
        EXPECT_TRUE(main_->isVisible());
        EXPECT_TRUE(ws().project.project_modified);
    }

    // Overwrite from the tool button asks for a name too, instead of writing
    // "(無題).RVP" into whatever folder happens to be current.
    ModalScript save_as;
    const QString named = dir_.filePath("named.RVP");
    save_as.then(test::choose_file(named));
    main_->findChild<QToolButton*>(QStringLiteral("SaveOvewriteSB"))->setEnabled(true);
    main_->findChild<QToolButton*>(QStringLiteral("SaveOvewriteSB"))->click();
    EXPECT_TRUE(save_as.finished());
    EXPECT_TRUE(QFileInfo::exists(named));
    EXPECT_EQ(ws().project.project_file_name, named);
    EXPECT_FALSE(ws().project.project_modified);
}

TEST_F(ProjectCommandsTest, SaveAsOverwriteAndLoadRoundTripThroughTheDialogs) {
    const QString copy = dir_.filePath("copy.RVP");
    {
        ModalScript script;
        script.then([copy](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->windowTitle(), text(messages::kProjectSaveTitle));
            EXPECT_EQ(files->nameFilters(), QStringList{text(messages::kProjectFileFilter)});
            EXPECT_EQ(files->defaultSuffix(), "RVP");
            EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
            test::choose_file(copy)(dialog);
        });
        item("Project_SaveAs")->trigger();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(ws().project.project_file_name, copy);
    EXPECT_EQ(main_->windowTitle(), text(messages::kProjectCaptionPrefix) + copy);
    EXPECT_EQ(RememberedFolders::read().project_save, dir_.path() + "/");

    // The middle vector file deleted in the project dialog, then overwritten.
    {
        ModalScript script;
        script.then([](QWidget* dialog) {
            auto* lists = dialog->findChild<QListWidget*>(QStringLiteral("ProjectFileList"));
            lists->setCurrentRow(2);  // grid, A.V, B.V, C.V
            QTest::keyClick(lists, Qt::Key_Return);
            QMetaObject::invokeMethod(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), "click");
        });
        item("Project_FileAddDelete")->trigger();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_TRUE(ws().project.project_modified);
    {
        ModalScript script;
        item("Project_OverWrite")->trigger();
        EXPECT_EQ(script.unexpected(), 0);  // no dialog
    }
    EXPECT_FALSE(ws().project.project_modified);
    EXPECT_TRUE(test::read_text(copy).contains(QStringLiteral("Vector_File_Name_2=C.V")));

    // Saving onto an existing file asks first.
    {
        ModalScript script;
        script.then(test::choose_file(other_)).then(test::press(QMessageBox::Yes));
        item("Project_SaveAs")->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(ws().project.project_file_name, other_);
    }

    item("Close_Project")->trigger();
    {
        ModalScript script;
        script.then(test::choose_file(copy));
        item("Open_Project")->trigger();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(vector_list(), (QStringList{"A.V", "C.V"}));
    EXPECT_EQ(ws().project.vector_file_name[1], vectors_[2]);
}

// Missing, a folder, or far too large for a project file; in a folder of its
// own, so that taking its name would show in the remembered folders.
// File > VTK and CGNS: the grid as points, in a file named in a save dialog; a
// folder that cannot take the file says so and writes nothing.
TEST_F(ProjectCommandsTest, TheVtsExportWritesTheGridWhereTheDialogSays) {
    for (const QString& path : {dir_.filePath("p.vts"), dir_.filePath("p.cgns"), dir_.filePath("missing/p.vts")}) {
        ModalScript script;
        script.then([path](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->defaultSuffix(), "vts");
            test::choose_file(path)(dialog);
        });
        const bool writable = !path.contains("missing");
        if (!writable) script.then(test::press(QMessageBox::Ok));
        item("Vts_Export")->trigger();
        EXPECT_TRUE(script.finished()) << path.toStdString();
        EXPECT_EQ(QFileInfo::exists(path), writable);
        if (writable) {
            EXPECT_TRUE(structured_format(path)->catalog(path).ok());
        } else {
            EXPECT_TRUE(script.messages().value(0).startsWith(text(messages::kVtsWriteFailed)));
        }
    }
}

TEST_F(ProjectCommandsTest, AProjectFileThatCannotBeReadLeavesTheProjectAsItWas) {
    const QString elsewhere = dir_.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere + "/folder.RVP"));
    QFile big(elsewhere + "/big.RVP");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(kMaxProjectFileBytes + 1));
    big.close();
    const ProjectTables tables = ws().project;
    const QString caption = main_->windowTitle();
    const RememberedFolders folders = RememberedFolders::read();

    for (const char* name : {"missing.RVP", "folder.RVP", "big.RVP"}) {
        ModalScript script;
        script.then(test::press(QMessageBox::Ok));
        main_->open_project_file(elsewhere + "/" + name);
        EXPECT_TRUE(script.finished()) << name;
        EXPECT_TRUE(script.messages().value(0).startsWith(text(messages::kProjectReadFailed))) << name;
        EXPECT_EQ(ws().project.project_file_name, project_);
        EXPECT_EQ(vector_list().size(), 3);
        EXPECT_TRUE(ws().project == tables) << name;
        EXPECT_EQ(main_->windowTitle(), caption) << name;
        EXPECT_EQ(RememberedFolders::read().project_save, folders.project_save) << name;
        EXPECT_EQ(main_->remembered_folders().project_save, folders.project_save) << name;
    }
}

// A PLOT3D grid of two blocks opens with its solution as a project of the
// block the user chooses, which opens views as a project's files do; a file
// that cannot be shown says why and leaves the project.
TEST_F(ProjectCommandsTest, AnotherProgramsFileOpensAsAProjectOfTheChosenBlock) {
    const QString seeds = QStringLiteral(RUVO_EXAMPLES_DIR "/../fuzz/seeds/structured/records-little-single-multi");
    for (const char* suffix : {".x", ".q"}) QFile::copy(seeds + suffix, dir_.filePath("wing") + suffix);
    auto script = std::make_unique<ModalScript>();
    script->then([](QWidget* dialog) {
        auto* choice = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(choice, nullptr);
        EXPECT_EQ(choice->comboBoxItems(), (QStringList{"1", "2"}));
        choice->setTextValue("2");
        choice->accept();
    });
    main_->open_project_file(dir_.filePath("wing.x"));
    EXPECT_TRUE(script->finished());
    script.reset();
    EXPECT_EQ(rows(test::list_of(*main_, "GridListBox")), QStringList{"wing.x#2"});
    EXPECT_EQ(vector_list(), QStringList{"wing.q#2/Momentum"});
    EXPECT_EQ(rows(test::list_of(*main_, "ScalarListBox")), (QStringList{"wing.q#2/Density", "wing.q#2/Energy"}));
    EXPECT_EQ(ws().project.project_file_name, kUntitledProjectName);
    EXPECT_FALSE(ws().project.project_modified);
    test::double_click_row(test::list_of(*main_, "ScalarListBox"), 1);
    ASSERT_EQ(main_->view_windows().size(), 1);
    EXPECT_EQ(ws().store.file_rect(), (DrawRect{1, 1, 3, 2}));

    const ProjectTables tables = ws().project;
    ModalScript refused;
    refused.then(test::press(QMessageBox::Ok));
    main_->open_project_file(test::write_file(dir_.path(), "flat.cgns", "not HDF5"));
    EXPECT_TRUE(refused.messages().value(0).startsWith(text(messages::kStructuredReadFailed)));
    EXPECT_TRUE(ws().project == tables);
}

// A view's menu item whose redraw finds only zero vectors: the warning shows
// at once; the prompt and the close wait until the handler has returned, and
// come once however often they were asked for.
TEST_F(ProjectCommandsTest, AProjectThatCannotBeDrawnIsClosedOnceAfterTheHandler) {
    test::double_click_row(test::list_of(*main_, "VectorListBox"), 0);
    ASSERT_EQ(main_->view_windows().size(), 1);
    VectorSlot& vectors = ws().store.vector_data[ws().store.slot_of(FileKind::Vector, "A.V")];
    vectors.u.clear();
    vectors.v.clear();
    modify();
    const QString prompt = save_prompt();

    ModalScript script;
    script.then(test::press(QMessageBox::Ok)).then(test::press(QMessageBox::Cancel));
    main_->view_windows()[0]->findChild<QAction*>(QStringLiteral("Show_All"))->trigger();
    EXPECT_EQ(script.messages(), QStringList{text(messages::kAllZeroVectors)});
    EXPECT_EQ(main_->view_windows().size(), 1);
    main_->project_commands().close_after_prompt_later();  // as a second failure would

    QApplication::processEvents();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(script.messages().value(1), prompt);
    EXPECT_EQ(main_->view_windows().size(), 1);  // cancelled: the project stays
    EXPECT_EQ(ws().project.project_file_name, project_);
}

TEST_F(ProjectCommandsTest, AProjectWhoseGridCannotBeReadShowsTheGridMessageAndStaysLoaded) {
    QFile::remove(grid_);
    ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    main_->open_project_file(project_);
    EXPECT_EQ(script.messages().value(0), text(messages::kGridReadError));
    EXPECT_EQ(vector_list().size(), 3);
    EXPECT_TRUE(item("Close_Project")->isEnabled());
}

TEST_F(ProjectCommandsTest, ClosingTheProjectClosesItsViewsAndEmptiesTheTables) {
    test::double_click_row(test::list_of(*main_, "GridListBox"), 0);
    test::double_click_row(test::list_of(*main_, "VectorListBox"), 1);
    ASSERT_EQ(main_->view_windows().size(), 2);

    item("Close_Project")->trigger();
    QApplication::processEvents();

    EXPECT_TRUE(main_->view_windows().isEmpty());
    EXPECT_EQ(ws().views.info_number_max, 0);
    EXPECT_EQ(ws().views.current_active_window, 0);
    EXPECT_EQ(ws().store.vector_count, 0);
    EXPECT_EQ(ws().store.vector_data[1].u(1, 1), 0.0);
    EXPECT_TRUE(ws().views.same_name_table[1].name.isEmpty());
    EXPECT_TRUE(ws().project.project_file_name.isEmpty());
}

}  // namespace
}  // namespace ruvo
