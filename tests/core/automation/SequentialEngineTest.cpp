#include <gtest/gtest.h>

#include "automation/SequentialEngine.h"

namespace ruvo {
namespace {

TEST(SequentialEngine, PictureNamesReplaceTheLastExtension) {
    const struct {
        const char* data_file;
        const char* picture;
    } cases[] = {
        {"/data/run0001.v", "/out/run0001.bmp"},
        {"/data/run0001", "/out/run0001.bmp"},
        {"/data/run.0001.p", "/out/run.0001.bmp"},
        {"/data.d/RUN", "/out/RUN.bmp"},  // a dot in the folder is no extension
    };
    for (const auto& c : cases) EXPECT_EQ(sequential_output_name("/out", c.data_file), c.picture) << c.data_file;
    EXPECT_EQ(duplicate_picture_name({"/a/run1.v", "/b/run2.v", "/b/run1.p"}),
              std::pair(QString("/a/run1.v"), QString("/b/run1.p")));
    EXPECT_EQ(duplicate_picture_name({"/a/run1.v", "/a/run2.v"}), std::nullopt);
}

TEST(SequentialEngine, NaturalOrderComparesNumbersByValue) {
    QStringList names{"run10.p", "run9.p", "Run1.p", "run100.p", "run2.p"};
    sort_naturally(names);
    EXPECT_EQ(names, (QStringList{"Run1.p", "run2.p", "run9.p", "run10.p", "run100.p"}));
}

}  // namespace
}  // namespace ruvo
