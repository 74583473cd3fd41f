#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <memory>

#include "../plot/PlotTestSupport.h"
#include "TestSupport.h"
#include "export/GrafExport.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

const QByteArray kHeader =
    "%Ngraph GRAF\r\n%Creator: Ruvo ver 1.1beta4\r\nI,5,0,0,21000,29700,10000\r\nV,5,0,0,21000,29700,1\r\n"
    "%Graphics Begin\r\n";
const QByteArray kTrailer = "%Graphics End\r\nE,0\r\n";

TEST(GrafWriter, EachCommandWritesItsLine) {
    GrafWriter w;
    w.GrafThinLine();
    w.GrafMediumLine();
    w.GrafThickLine();
    w.GrafColor(255, 0, 12);
    w.GrafFont("Times");
    w.GrafFontSize(1200, 0, 0);
    w.GrafText("-0.5000000");
    w.GrafLine(1, -2, 30, 0);
    w.GrafMoveTo(-15, 7);
    w.GrafLineTo(8, 9);
    w.GrafRectangle(1, 2, 3, 4, 1);
    w.GrafQuad(1, 1, 2, 3, 4, 5, 6, 7, 8);
    w.GrafArc(10, 20, 126, 126, 0, 36000, 0);
    w.GrafText(QString::fromUtf8("é\r\n"));  // no line break and nothing but ASCII reaches the file
    EXPECT_EQ(
        w.text(),
        "A,5,0,16,0,0,1000\r\nA,5,0,24,0,0,1000\r\nA,5,0,48,0,0,1000\r\nG,3,255,0,12\r\nFTimes\r\nH,3,1200,0,0\r\n"
        "S-0.5000000\r\nL,4,1,-2,30,0\r\nM,2,-15,7\r\nT,2,8,9\r\nB,5,1,2,3,4,1\r\n"
        "D,12,5,1,1,2,3,4,5,6,7,8,1,2\r\nC,7,10,20,126,126,0,36000,0\r\nS???\r\n");
}

// The box keeps the image's proportions on the A4 page; a plot that shares
// its image with a legend is mapped onto its own part of the box.
TEST(GrafWriter, PageBoxFollowsTheImage) {
    PlotState plot;
    plot.differ_x = plot.differ_y = 1.0;
    struct Case {
        QSize image;
        int plot_height;
        long long width, height;
    } cases[] = {
        {{700, 990}, 990, 21000, 29700},    // exactly A4's proportion
        {{500, 500}, 500, 21000, 21000},    // square
        {{500, 1000}, 1000, 14850, 29700},  // twice as tall as wide
        {{500, 600}, 500, 21000, 21000},    // a square plot with its legend's fifth below
        {{10, 5000}, 5000, 59, 29700},      // far taller than A4
    };
    for (const Case& c : cases) {
        plot.height = c.plot_height;
        const GrafPage page = graf_page(c.image, plot);
        EXPECT_EQ(page.page_width, c.width) << c.image.width() << "x" << c.image.height();
        EXPECT_EQ(page.page_height, c.height) << c.image.width() << "x" << c.image.height();
    }
}

TEST(GrafWriter, AreaCornerLandsAtTheMarginsAndOutsidePointsGoNegative) {
    PlotState plot;
    plot.area_x_min = -3.5;
    plot.area_y_min = 12.25;
    plot.differ_x = 7.0;
    plot.differ_y = 2.0;
    plot.height = 400;
    const GrafPage page = graf_page({500, 400}, plot);
    EXPECT_EQ(page.page_width, 21000);
    EXPECT_EQ(page.page_height, 16800);
    EXPECT_NEAR(page.PageX(-3.5), 1050, 1);
    EXPECT_NEAR(page.PageY(12.25), 16800 - 840, 1);
    EXPECT_NEAR(page.PageX(3.5), 1050 + 18900, 1);
    EXPECT_LT(page.PageX(-5.0), 0);
    EXPECT_EQ(page.mark_size, 126);
    EXPECT_EQ(page.max_mark_radius, 210);
}

// The samples as a user opens them: a view of a file of the project, set up
// by `adjust`, drawn as the window draws it and then written.
class GrafSampleTest : public ::testing::Test {
protected:
    void open(const QString& project, FileKind kind, int position) {
        ws_ = std::make_unique<Workspace>();
        ASSERT_TRUE(load_project(*ws_, test::example(project)).project.ok);
        const OpenViewResult opened = open_view(*ws_, kind, position);
        ASSERT_TRUE(opened.ok() && opened.read.ok());
        slot_ = opened.slot;
    }
    View_Info& view() { return ws_->views.at(slot_); }
    std::size_t data_slot() { return static_cast<std::size_t>(data_slot_of(ws_->store, view())); }
    QByteArray text() {
        NoProgress progress;
        NoStatusBoxes status;
        QImage image;
        EXPECT_TRUE(render_view(*ws_, slot_, image, progress, status).ok());
        const GrafFileText graf = graf_file_text(ws_->store, view(), false, image.size(), progress);
        EXPECT_TRUE(graf.drawn.ok()) << graf.drawn.reason.toStdString();
        return graf.text;
    }
    static int count(const QByteArray& text, const QByteArray& line) { return text.count("\n" + line); }
    // The first letters of the lines, "%" for the comments: the file's shape.
    static QString letters(const QByteArray& text) {
        QString shape;
        for (const QByteArray& line : text.split('\n')) {
            if (!line.isEmpty()) shape += QChar::fromLatin1(line.front());
        }
        return shape;
    }

    std::unique_ptr<Workspace> ws_;
    int slot_ = 0;
};

// Every line of every kind of file is one well-formed command: no blank
// line, CR LF endings, plain ASCII, and as many fields as the count says.
TEST_F(GrafSampleTest, EveryViewKindWritesWellFormedLinesInAFrame) {
    const QRegularExpression numeric(QStringLiteral("^[A-Z],(\\d+)((,-?\\d+)*)$"));
    auto check = [&](const char* what) {
        const QByteArray file = text();
        ASSERT_TRUE(file.startsWith(kHeader) && file.endsWith(kTrailer)) << what;
        for (const QByteArray& raw : file.chopped(1).split('\n')) {
            const QString line = QString::fromLatin1(raw.chopped(1));
            ASSERT_TRUE(raw.endsWith('\r') && !line.isEmpty()) << what;
            if (QStringLiteral("%FS").contains(line.front())) continue;
            const QRegularExpressionMatch m = numeric.match(line);
            ASSERT_TRUE(m.hasMatch()) << what << ": " << line.toStdString();
            EXPECT_EQ(m.captured(2).count(u','), m.captured(1).toInt()) << what << ": " << line.toStdString();
        }
    };
    open("cylinder/cylinder.RVP", FileKind::Grid, 0);
    check("grid");
    open("cylinder/cylinder.RVP", FileKind::Vector, 0);
    check("vectors");
    open("cavity/cavity.RVP", FileKind::Scalar, 0);
    for (const std::uint8_t kind : {kContourView, kKEpsilonView, kRowView, kColumnView, kDetailView, kFillView}) {
        view().ScalarViewType = kind;
        view().Color = view().YScale = view().YAxis = view().Detail_Point = true;
        check("scalar view");
    }
}

// The cavity's fill a million units from the origin: the same file, each
// page coordinate within the one unit that rounding the two terms may move.
TEST_F(GrafSampleTest, AGridFarFromTheOriginHasTheShapeItHasAtTheOrigin) {
    open("cavity/cavity.RVP", FileKind::Scalar, 0);
    view().ScalarViewType = kFillView;
    const QList<QByteArray> near = text().split('\n');
    FieldStore& store = ws_->store;
    for (int n = 0; n < kBaseNodes * kBaseNodes; ++n) {
        store.grid_x.at(n / kBaseNodes + 1, n % kBaseNodes + 1) += 1e6;
        store.grid_y.at(n / kBaseNodes + 1, n % kBaseNodes + 1) += 1e6;
    }
    const QList<QByteArray> far = text().split('\n');
    ASSERT_EQ(far.size(), near.size());
    for (qsizetype k = 0; k < near.size(); ++k) {
        const QList<QByteArray> a = near[k].split(','), b = far[k].split(',');
        ASSERT_EQ(a.size(), b.size()) << near[k].constData();
        for (qsizetype f = 0; f < a.size(); ++f)
            EXPECT_LE(std::abs(a[f].toLongLong() - b[f].toLongLong()), 1) << near[k].constData();
    }
}

// At 800 % the texts keep their size at 100 % and stay on the page.
TEST_F(GrafSampleTest, TextsKeepTheirSizeAndStayOnThePageAtAnyMagnification) {
    open("cavity/cavity.RVP", FileKind::Scalar, 0);
    view().magni = 800;
    view().YScale = true;
    for (const std::uint8_t kind : {kFillView, kDetailView}) {
        view().ScalarViewType = kind;
        long long x = 0, y = 0;
        for (const QByteArray& line : text().split('\n')) {
            const QList<QByteArray> f = line.trimmed().split(',');
            EXPECT_TRUE(f[0] != "H" || f.value(2) == "1200") << line.constData();
            if (f[0] == "M") {
                x = f.value(2).toLongLong();
                y = f.value(3).toLongLong();
            }
            if (!line.startsWith('S')) continue;
            // A Times digit is about half a point size wide; a point is 0.3528 page units a 1/100.
            const double width = 0.5 * 1200 * 0.3528 * static_cast<double>(line.trimmed().size() - 1);
            EXPECT_TRUE(x >= 0 && x + width <= 21000 && y >= 0 && y <= 29700)
                << line.constData() << " at " << x << "," << y;
        }
    }
}

TEST_F(GrafSampleTest, GridViewWritesItsLinesTwiceWithShowGridThenTheOutline) {
    open("cavity/cavity.RVP", FileKind::Grid, 0);
    const DrawRect r = area_of(view());
    const int lines = (r.x_end - r.x_start + 1) + (r.y_end - r.y_start + 1);
    const QByteArray once = text();
    EXPECT_EQ(count(once, "M,2,"), lines + 4);
    view().show_grid = true;
    const QByteArray twice = text();
    EXPECT_EQ(count(twice, "M,2,"), 2 * lines + 4);
    EXPECT_EQ(count(twice, "A,5,0,48,0,0,1000"), 1);
    EXPECT_LT(twice.lastIndexOf("A,5,0,16,0,0,1000"), twice.indexOf("A,5,0,48,0,0,1000"));
}

// Fill first, its lines over it, the arrows over both, the outline last;
// each fill cell is a line attribute, a colour and a quadrilateral.
TEST_F(GrafSampleTest, OverlapWritesFillThenContoursThenArrows) {
    open("cylinder/cylinder.RVP", FileKind::Vector, 0);
    open_view(*ws_, FileKind::Scalar, 0);
    slot_ = ws_->views.current_active_window;
    view().Cntr_Overlap = view().Vector_Overlap = view().Color = true;
    const QString shape = letters(text());
    const QRegularExpression order(
        QStringLiteral("^%%IV%"
                       "A(GB)+GFHMSMS(AGD)+"  // fill: legend, range texts, cells
                       "A(GB)+(G(LLL)*)+"     // contour lines: legend, a colour and the segments of each level
                       "AG(LLL)+"             // arrows
                       "AG(MT+)+%E$"));       // outline
    EXPECT_TRUE(order.match(shape).hasMatch()) << shape.left(200).toStdString();
    // Each legend has its own row: the fill's boxes, its range texts below
    // them, then the contour boxes below the texts' 12 points (423 units).
    QList<std::pair<long long, long long>> rows;
    long long text_y = 0;
    for (const QByteArray& line : text().split('\n')) {
        const QList<QByteArray> f = line.trimmed().split(',');
        if (f[0] == "M") text_y = f.value(3).toLongLong();
        const std::pair<long long, long long> row{f.value(3).toLongLong(), f.value(5).toLongLong()};
        if (f[0] == "B" && !rows.contains(row)) rows.append(row);
        if (f[0] == "S") {
            EXPECT_TRUE(rows.size() == 1 && rows[0].second < text_y) << line.constData();
        }
    }
    ASSERT_EQ(rows.size(), 2);
    EXPECT_GT(rows[1].first, text_y + 423);
}

// A closed grid line: its cells are filled while closed lines are shown,
// but never get a contour segment.
TEST_F(GrafSampleTest, ClosedCellsAreFilledWhenShownButNeverContoured) {
    open("cylinder/cylinder.RVP", FileKind::Scalar, 0);
    view().Cntr_Overlap = true;
    FieldStore& store = ws_->store;
    for (int j = 1; j <= store.file_y_end + 1; ++j) {  // grid line 11 laid onto line 10
        store.grid_x.at(11, j) = store.grid_x(10, j);
        store.grid_y.at(11, j) = store.grid_y(10, j);
    }
    store.compute_grid_extremes_and_flags();
    ASSERT_TRUE(store.closed_x[10]);
    const DrawRect r = area_of(view());
    const int cells = (r.x_end - r.x_start) * (r.y_end - r.y_start);
    const QByteArray hidden = text();
    store.closed_grid_show = true;
    const QByteArray shown = text();
    EXPECT_EQ(count(shown, "D,12,"), cells);
    EXPECT_LT(count(hidden, "D,12,"), cells);
    EXPECT_GT(count(shown, "L,4,"), 0);
    EXPECT_EQ(count(shown, "L,4,"), count(hidden, "L,4,"));
}

TEST_F(GrafSampleTest, ArrowsSkipNodesWithAZeroComponent) {
    open("cylinder/cylinder.RVP", FileKind::Vector, 0);
    const int arrows = count(text(), "L,4,") / 3;
    VectorSlot& vectors = ws_->store.vector_data[data_slot()];
    vectors.u.at(5, 5) = 0.0;
    vectors.v.at(9, 20) = 0.0;
    EXPECT_EQ(count(text(), "L,4,") / 3, arrows - 2);
}

// Row and Column views are outlined, the Detail graph is not.
TEST_F(GrafSampleTest, LinePlotsAndTheirOutline) {
    open("cavity/cavity.RVP", FileKind::Scalar, 0);
    const QByteArray outline = "A,5,0,48,0,0,1000";
    for (const std::uint8_t kind : {kRowView, kColumnView, kKEpsilonView}) {
        view().ScalarViewType = kind;
        EXPECT_EQ(count(text(), outline), 1) << int(kind);
    }
    view().ScalarViewType = kDetailView;
    view().YScale = true;
    const QByteArray detail = text();
    EXPECT_EQ(count(detail, outline), 0);
    EXPECT_EQ(count(detail, "H,3,1200,0,0"), 1);  // a positive text size, 12 point at 100 %
}

// What the screen cannot draw is not written either, and a constant field is
// written as the screen draws it: every cell in the first colour, no lines.
TEST_F(GrafSampleTest, FieldsTheScreenRefusesWriteNothing) {
    open("cylinder/cylinder.RVP", FileKind::Vector, 0);
    VectorSlot& vectors = ws_->store.vector_data[data_slot()];
    vectors.u = Table{};
    vectors.v = Table{};
    NoProgress progress;
    GrafFileText graf = graf_file_text(ws_->store, view(), false, {500, 500}, progress);
    EXPECT_EQ(graf.drawn.failure, RenderFailure::AllZeroVectors);
    EXPECT_TRUE(graf.text.isEmpty());

    open("cylinder/cylinder.RVP", FileKind::Scalar, 0);
    ws_->store.scalar_data[data_slot()].value = Table{};
    view().ScalarViewType = kRowView;
    graf = graf_file_text(ws_->store, view(), false, {500, 500}, progress);
    EXPECT_EQ(graf.drawn.failure, RenderFailure::Numeric);
    EXPECT_TRUE(graf.text.isEmpty());

    view().ScalarViewType = kFillView;
    view().Cntr_Overlap = true;
    const QByteArray constant = text();
    EXPECT_EQ(count(constant, "L,4,"), 0);
    EXPECT_EQ(count(constant, "D,12,"), count(constant, "G,3,0,0,255\r\nD,12,"));
}

}  // namespace
}  // namespace ruvo
