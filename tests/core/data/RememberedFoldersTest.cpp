#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include "data/RememberedFolders.h"

namespace ruvo {
namespace {

class RememberedFoldersTest : public ::testing::Test {
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }
    static void clear() {
        QSettings settings(QStringLiteral("RUVO"), QStringLiteral("Ruvo"));
        settings.remove(QStringLiteral("Software/RUVO"));
        settings.sync();
    }
};

TEST_F(RememberedFoldersTest, TheFiveFoldersSurviveARoundTripThroughTheStore) {
    RememberedFolders folders;
    folders.project_load = QString::fromUtf8("/home/user/解析/");
    folders.project_save = "/home/user/projects/";
    folders.images = "C:\\images\\";
    folders.sequential_load = "/data/run 1/";
    folders.sequential_save = "/data/out/";
    folders.write();

    const RememberedFolders read = RememberedFolders::read();
    EXPECT_EQ(read.project_load, folders.project_load);
    EXPECT_EQ(read.project_save, folders.project_save);
    EXPECT_EQ(read.images, folders.images);
    EXPECT_EQ(read.sequential_load, folders.sequential_load);
    EXPECT_EQ(read.sequential_save, folders.sequential_save);

    // Under the value names other tools of the suite look for.
    QSettings settings(QStringLiteral("RUVO"), QStringLiteral("Ruvo"));
    EXPECT_EQ(settings.value("Software/RUVO/Path_Project_Load").toString(), folders.project_load);
    EXPECT_EQ(settings.value("Software/RUVO/Path_Project_Save").toString(), folders.project_save);
    EXPECT_EQ(settings.value("Software/RUVO/Path_Images").toString(), folders.images);
    EXPECT_EQ(settings.value("Software/RUVO/Path_Sequential_Load").toString(), folders.sequential_load);
    EXPECT_EQ(settings.value("Software/RUVO/Path_Sequential_Save").toString(), folders.sequential_save);
}

TEST_F(RememberedFoldersTest, MissingValuesReadAsEmptyAndWritingStoresAllFive) {
    {
        const RememberedFolders none = RememberedFolders::read();
        EXPECT_EQ(none.project_load, "");
        EXPECT_EQ(none.project_save, "");
        EXPECT_EQ(none.images, "");
        EXPECT_EQ(none.sequential_load, "");
        EXPECT_EQ(none.sequential_save, "");
    }
    {
        QSettings settings(QStringLiteral("RUVO"), QStringLiteral("Ruvo"));
        settings.setValue("Software/RUVO/Path_Images", "/pictures/");
        settings.sync();
    }
    RememberedFolders some = RememberedFolders::read();
    EXPECT_EQ(some.images, "/pictures/");
    EXPECT_EQ(some.project_load, "");
    EXPECT_EQ(some.sequential_save, "");

    // Writing with only one folder changed stores the other four too, empty
    // ones included, and an emptied folder replaces the old value.
    some.project_save = "/projects/";
    some.images.clear();
    some.write();
    QSettings settings(QStringLiteral("RUVO"), QStringLiteral("Ruvo"));
    settings.beginGroup("Software/RUVO");
    for (const char* key :
         {"Path_Project_Load", "Path_Project_Save", "Path_Images", "Path_Sequential_Load", "Path_Sequential_Save"}) {
        EXPECT_TRUE(settings.contains(key)) << key;
    }
    EXPECT_EQ(settings.value("Path_Project_Save").toString(), "/projects/");
    EXPECT_EQ(settings.value("Path_Images").toString(), "");
    const RememberedFolders again = RememberedFolders::read();
    EXPECT_EQ(again.project_save, "/projects/");
    EXPECT_EQ(again.images, "");
}

}  // namespace
}  // namespace ruvo
