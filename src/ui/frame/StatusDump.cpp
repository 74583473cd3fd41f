#include "ui/frame/StatusDump.h"

#include <QLocale>

#include "data/Nearest.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {

QString true_false(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

QString file_type_line(int file_type) {
    switch (file_type) {
    case kGridView: return QStringLiteral("FileType=Grid");
    case kVectorView: return QStringLiteral("FileType=Vector");
    case kScalarView: return QStringLiteral("FileType=Scalar");
    default: return {};
    }
}

// Contour and fill views have no line of their own.
QString scalar_view_type_line(int view_type) {
    switch (view_type) {
    case kKEpsilonView: return QStringLiteral("ScalarViewType=K-e");
    case kRowView: return QStringLiteral("ScalarViewType=Row");
    case kColumnView: return QStringLiteral("ScalarViewType=Column");
    case kDetailView: return QStringLiteral("ScalarViewType=Detail");
    default: return {};
    }
}

}  // namespace

QString shortest_decimal(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

QStringList view_dump_lines(int slot, const View_Info& view) {
    QStringList lines;
    const auto add = [&lines](const char* label, auto value) {
        lines << QString::fromLatin1(label) + QString::number(value);
    };
    add("active=", slot);
    lines << QStringLiteral("Caption=") + view.Caption;
    add("Same_number=", view.Same_number);
    add("x_start=", view.x_start);
    add("y_start=", view.y_start);
    add("x_end=", view.x_end);
    add("y_end=", view.y_end);
    add("magni=", view.magni);
    add("x_grid_step=", view.x_grid_step);
    add("y_grid_step=", view.y_grid_step);
    add("x_dot_step=", view.x_dot_step);
    add("y_dot_step=", view.y_dot_step);
    add("length=", view.length);
    add("line num=", view.line_num);
    add("XPos=", view.XPos);
    add("YPos=", view.YPos);
    add("Detail_Axis_Location=", Nearest(view.Detail_Axis_Location));
    lines << QStringLiteral("Scalar_min=") + shortest_decimal(view.Scalar_min);
    lines << QStringLiteral("Scalar_max=") + shortest_decimal(view.Scalar_max);
    lines << QStringLiteral("show_grid=") + true_false(view.show_grid);
    if (const QString type = file_type_line(view.FileType); !type.isEmpty()) lines << type;
    if (const QString type = scalar_view_type_line(view.ScalarViewType); !type.isEmpty()) lines << type;
    lines << QStringLiteral("Color=") + true_false(view.Color);
    lines << QStringLiteral("Broken=") + true_false(view.Broken);
    lines << (view.x_grid_mode ? QStringLiteral("grid_x_step") : QStringLiteral("dot_x_step"));
    lines << (view.y_grid_mode ? QStringLiteral("grid_y_step") : QStringLiteral("dot_y_step"));
    lines << (view.Detail_Point ? QStringLiteral("Detail = Line + Point") : QStringLiteral("Detail = Line"));
    return lines;
}

QStringList table_log_lines(const ViewTable& views) {
    return {QStringLiteral("current_active_window=%1").arg(views.current_active_window),
            QStringLiteral("info_number_max=%1").arg(views.info_number_max)};
}

QStringList range_log_lines(const View_Info& view) {
    return {QStringLiteral("min=") + shortest_decimal(view.Scalar_min),
            QStringLiteral("max=") + shortest_decimal(view.Scalar_max),
            QStringLiteral("ratio=") + shortest_decimal(view.ratio)};
}

}  // namespace ruvo
