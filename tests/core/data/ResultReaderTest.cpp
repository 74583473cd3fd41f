#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <thread>

#include "TestSupport.h"
#include "Workspace.h"
#include "data/ResultReader.h"

namespace ruvo {
namespace {

class ResultReaderTest : public ::testing::Test {
protected:
    QString file(const QByteArray& content) { return test::write_file(dir_.path(), "RESULT.DAT", content); }

    QTemporaryDir dir_;
    std::unique_ptr<Workspace> ws_ = std::make_unique<Workspace>();
    FieldStore& store_ = ws_->store;
};

TEST_F(ResultReaderTest, GridFillsTablesIOuterJInnerAtStoreIndexPlusOne) {
    const ReadResult result =
        read_grid(store_, file("0 1 0 2\n0.0 0.0\n0.0 0.5\n0.0 1.0\n1.0 0.0\n1.0 0.5\n1.0 1.0\n"));
    ASSERT_TRUE(result.ok()) << result.detail().toStdString();
    EXPECT_EQ(result.nodes_read, 6);
    EXPECT_EQ(store_.grid_y(1, 2), 0.5);
    EXPECT_EQ(store_.grid_x(2, 3), 1.0);
    EXPECT_EQ(store_.grid_y(2, 3), 1.0);
    EXPECT_EQ(store_.grid_area.x_start, 1);
    EXPECT_EQ(store_.grid_area.x_end, 2);
    EXPECT_EQ(store_.grid_area.y_end, 3);
    EXPECT_EQ(store_.grid_x_max, 1.0);
    EXPECT_EQ(store_.grid_y_min, 0.0);
}

TEST_F(ResultReaderTest, FullHeaderFillsTheWholeTable) {
    QByteArray text = "0 149 0 149\n";
    for (int n = 0; n < 150 * 150; ++n) text += QByteArray::number(n + 1) + " 1\n";
    ASSERT_TRUE(read_grid(store_, file(text)).ok());
    EXPECT_EQ(store_.grid_x(1, 1), 1.0);
    EXPECT_EQ(store_.grid_x(150, 150), 22500.0);
    EXPECT_EQ(store_.grid_x(1, 150), 150.0);
}

TEST_F(ResultReaderTest, TrailingColumnsAndSpreadHeaderAreReadAsSpecified) {
    // Header over two lines; the rest of the fourth number's line is skipped,
    // and so is the third column of a node line.
    const ReadResult result = read_grid(store_, file("0 0\n0 1 this is skipped 5 5\n1 2 3\n4 5 6\n"));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(store_.grid_x(1, 1), 1.0);
    EXPECT_EQ(store_.grid_y(1, 1), 2.0);
    EXPECT_EQ(store_.grid_x(1, 2), 4.0);
    EXPECT_EQ(store_.grid_y(1, 2), 5.0);
}

TEST_F(ResultReaderTest, NumbersMayContinueOnTheNextLine) {
    ASSERT_TRUE(read_grid(store_, file("0 1 0 0\n1\n2\n3 4\n")).ok());
    // x = 1, y = 2 on the following line; then the rest of that line is skipped.
    EXPECT_EQ(store_.grid_x(1, 1), 1.0);
    EXPECT_EQ(store_.grid_y(1, 1), 2.0);
    EXPECT_EQ(store_.grid_x(2, 1), 3.0);
    EXPECT_EQ(store_.grid_y(2, 1), 4.0);
}

TEST_F(ResultReaderTest, GridEndingAfterHeaderReadsZerosAndFlagsEveryXLine) {
    const ReadResult result = read_grid(store_, file("0 3 0 2\n"));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(store_.grid_x_max, 0.0);
    EXPECT_EQ(store_.grid_x_min, 0.0);
    EXPECT_EQ(store_.grid_y_max, 0.0);
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(store_.closed_x[i]) << i;
    EXPECT_FALSE(store_.closed_x[4]);
    for (int j = 1; j <= 3; ++j) EXPECT_FALSE(store_.closed_y[j]) << j;
}

TEST_F(ResultReaderTest, StartAfterEndReadsNoNodes) {
    store_.grid_x.at(1, 1) = 9.0;
    const ReadResult result = read_grid(store_, file("3 1 0 2\n5 5\n"));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.nodes_read, 0);
    EXPECT_EQ(store_.grid_x(1, 1), 0.0);  // cleared before reading
    EXPECT_GT(store_.grid_area.x_start, store_.grid_area.x_end);
}

TEST_F(ResultReaderTest, MalformedValueStopsKeepingWhatWasRead) {
    for (const QByteArray& bad : {QByteArray("1.0,2.0"), QByteArray("1.0D+00"), QByteArray("1."), QByteArray("nan"),
                                  QByteArray("inf"), QByteArray("1E400")}) {
        const ReadResult result = read_grid(store_, file("0 2 0 0\n1 2\n3 4\n" + bad + " 6\n"));
        EXPECT_EQ(result.failure, ReadFailure::BadNumber) << bad.constData();
        EXPECT_EQ(result.line, 4) << bad.constData();
        EXPECT_EQ(result.token, QString::fromLatin1(bad));
        EXPECT_EQ(result.nodes_read, 2);
        EXPECT_EQ(store_.grid_x(2, 1), 3.0);
        EXPECT_EQ(store_.grid_x(3, 1), 0.0);
        // The grid read still finishes: rectangle and extremes follow the header.
        EXPECT_EQ(store_.grid_area.x_end, 3);
        EXPECT_EQ(store_.grid_x_max, 3.0);
    }
}

TEST_F(ResultReaderTest, MessagesQuoteOnlyTheStartOfALongToken) {
    const ReadResult result = read_grid(store_, file("0 0 0 0\n" + QByteArray(1'000'000, '7') + "x\n"));
    EXPECT_EQ(result.token, QString(40, u'7') + "...");
    EXPECT_LT(result.detail().size(), 200);
}

TEST_F(ResultReaderTest, ValueBeforeTheBadOneOnALineStays) {
    const ReadResult result = read_grid(store_, file("0 0 0 0\n5 x\n"));
    EXPECT_EQ(result.failure, ReadFailure::BadNumber);
    EXPECT_EQ(store_.grid_x(1, 1), 5.0);
}

TEST_F(ResultReaderTest, HeaderOutsideTheTablesIsRefusedKeepingEarlierHeaderValues) {
    ASSERT_TRUE(read_grid(store_, file("2 5 3 7\n")).ok());
    const struct {
        const char* header;
        ReadFailure failure;
    } cases[] = {{"0 9 -1 1", ReadFailure::HeaderOutOfRange},
                 {"0 9 0 99999999999", ReadFailure::HeaderOutOfRange},
                 {"0 1999999999 0 1999999999", ReadFailure::TooManyNodes}};
    for (const auto& c : cases) {
        const ReadResult result = read_grid(store_, file(QByteArray(c.header) + "\n"));
        EXPECT_EQ(result.failure, c.failure) << c.header;
        EXPECT_EQ(store_.file_x_start, 0);
        EXPECT_LE(store_.grid_area.x_end, 10);
        EXPECT_LE(store_.grid_area.y_end, 8);
        EXPECT_TRUE(store_.grid_x.empty());
    }
    // The second value was refused, so it keeps the previous file's value.
    read_grid(store_, file("1 -150 0 1\n"));
    EXPECT_EQ(store_.file_x_start, 1);
    EXPECT_EQ(store_.file_x_end, 9);
    // One cut short keeps its values only as far as the tables reach.
    read_grid(store_, file("0 1666666666 1 .\n"));
    EXPECT_EQ(store_.file_x_end, kBaseNodes - 1);
}

TEST_F(ResultReaderTest, MalformedHeaderKeepsThePreviousFilesLaterHeaderValues) {
    ASSERT_TRUE(read_grid(store_, file("0 4 0 6\n")).ok());
    const ReadResult result = read_grid(store_, file("1 3 x 2\n"));
    EXPECT_EQ(result.failure, ReadFailure::NoHeader);
    EXPECT_TRUE(result.token.isEmpty());  // no result file: nothing of it is quoted
    EXPECT_EQ(store_.file_x_start, 1);
    EXPECT_EQ(store_.file_x_end, 3);
    EXPECT_EQ(store_.file_y_start, 0);
    EXPECT_EQ(store_.file_y_end, 6);
}

TEST_F(ResultReaderTest, MissingFileFailsToOpenWithTheSystemsReason) {
    const ReadResult result = read_vector(store_.vector_data[1], dir_.filePath("NOPE.V"));
    EXPECT_EQ(result.failure, ReadFailure::CannotOpen);
    EXPECT_EQ(result.kind, FileKind::Vector);
    EXPECT_FALSE(result.file_error.isEmpty());
}

TEST_F(ResultReaderTest, VectorAndScalarFillTheGivenSlotOnly) {
    store_.vector_data[2].u.at(5, 5) = 7.0;
    ASSERT_TRUE(read_vector(store_.vector_data[2], file("0 0 0 1\n1 -1\n2 -2 comment\n")).ok());
    EXPECT_EQ(store_.vector_data[2].u(1, 2), 2.0);
    EXPECT_EQ(store_.vector_data[2].v(1, 2), -2.0);
    EXPECT_EQ(store_.vector_data[2].u(5, 5), 0.0);  // whole table cleared
    EXPECT_EQ(store_.vector_data[1].u(1, 1), 0.0);

    ASSERT_TRUE(read_scalar(store_.scalar_data[3], file("0 1 0 0\n.5\n-.25e1\n")).ok());
    EXPECT_EQ(store_.scalar_data[3].value(1, 1), 0.5);
    EXPECT_EQ(store_.scalar_data[3].value(2, 1), -2.5);
}

TEST_F(ResultReaderTest, VectorReadLeavesRectangleAndGridAlone) {
    ASSERT_TRUE(read_grid(store_, file("0 1 0 1\n0 0\n0 1\n1 0\n1 1\n")).ok());
    const ReadResult vectors = read_vector(store_.vector_data[1], file("0 5 0 5\n"));
    ASSERT_TRUE(vectors.ok());
    EXPECT_EQ(vectors.header, (std::array{0, 5, 0, 5}));  // the header is the result's
    EXPECT_EQ(store_.file_x_end, 1);                      // the store's is the caller's to record
    record_header(store_, vectors);
    EXPECT_EQ(store_.file_x_end, 5);
    EXPECT_EQ(store_.grid_area.x_end, 2);  // but the grid's rectangle stays
    EXPECT_EQ(store_.grid_x_max, 1.0);
}

// A file that ends before its header's last node, or inside its last line,
// reads as zeros from there on, without a failure; the result says so (a
// solver may be writing it).
TEST_F(ResultReaderTest, FileEndingBeforeItsLastNodeOrLineEndReadsAsZerosAndSaysSo) {
    const struct {
        QByteArray text;
        bool ended_early;
        bool unterminated;
        int nodes_read;
    } cases[] = {
        {"", true, false, 0},  // no header: the previous one stays
        {"0 1 0 0\n1.5\n2.5\n", false, false, 2},
        {"0 1 0 0\r\n1.5\r\n2.5 trailing words\r", false, false, 2},
        {"0 1 0 0\n1.5\n2.5", false, true, 2},  // "2.55" cut inside its last number
        {"0 1 0 0\n1.5\n2.5 ", false, true, 2},
        {"0 1 0 0\n1.5\n2.5\x1a\n", false, true, 2},  // the end-of-file mark comes first
        {"1 0 0 0", false, true, 0},                  // no node, and no line end after the header
        {"1 0 0 0\n", false, false, 0},
        {"0 1 0 0\n1.5\n", true, false, 1},
        {"0 1 0 0\n1.5", true, false, 1},
    };
    for (const auto& c : cases) {
        store_.scalar_data[1].value.at(2, 1) = 9.0;
        const ReadResult result = read_scalar(store_.scalar_data[1], file(c.text));
        EXPECT_TRUE(result.ok()) << c.text.constData();
        EXPECT_EQ(result.ended_early, c.ended_early) << c.text.constData();
        EXPECT_EQ(result.unterminated, c.unterminated) << c.text.constData();
        EXPECT_EQ(result.complete(), !c.ended_early && !c.unterminated) << c.text.constData();
        EXPECT_EQ(result.nodes_read, c.nodes_read) << c.text.constData();
        if (c.ended_early && c.nodes_read == 1) {
            EXPECT_EQ(store_.scalar_data[1].value(2, 1), 0.0);
        }
    }
}

// A solver rewrites its file in place, truncating it first: a read meanwhile
// finds some part of it.
TEST_F(ResultReaderTest, FileRewrittenWhileBeingReadIsReadAsFarAsItGoes) {
    const std::string text = "0 149 0 149" + std::string(2'000'000, '\n');
    const QString path = file(QByteArray::fromStdString(text));
    std::atomic<bool> reading = true;
    std::thread solver([&] {
        while (reading) std::ofstream(path.toStdString(), std::ios::trunc) << text;
    });
    for (int n = 0; n < 100; ++n) EXPECT_TRUE(read_grid(store_, path).ok());
    reading = false;
    solver.join();
}

// A file swapped for a pipe while it is read is refused, never waited on (a
// read that blocked would end the program at the alarm).
TEST_F(ResultReaderTest, FileSwappedForAPipeNeverBlocksARead) {
    const QByteArray path = QFile::encodeName(file("0 0 0 0\n1 1\n")), pipe = path + "|";
    ASSERT_EQ(::mkfifo(pipe, 0600), 0);
    std::atomic<bool> reading = true;
    std::thread swapper([&] {
        while (reading) ::renameat2(AT_FDCWD, pipe, AT_FDCWD, path, RENAME_EXCHANGE);
    });
    ::alarm(60);
    const QString name = QFile::decodeName(path);
    for (int n = 0; n < 300; ++n) EXPECT_NE(read_grid(store_, name).failure, ReadFailure::CannotOpen);
    ::alarm(0);
    reading = false;
    swapper.join();
}

TEST_F(ResultReaderTest, OnlyRegularFilesOfBoundedSizeAreRead) {
    const QString huge = file("");
    ASSERT_TRUE(QFile::resize(huge, kMaxResultFileBytes + 1));
    for (const auto& [path, failure] : {std::pair<QString, ReadFailure>{"/dev/null", ReadFailure::NotAFile},
                                        {dir_.path(), ReadFailure::NotAFile},
                                        {huge, ReadFailure::TooLarge}}) {
        EXPECT_EQ(read_grid(store_, path).failure, failure) << path.toStdString();
    }
}

}  // namespace
}  // namespace ruvo
