#pragma once

#include <QString>
#include <QStringList>

namespace ruvo {

struct View_Info;
class ViewTable;

// A real in its shortest decimal form ("1" for 1.0, "0.25", "1e+20").
QString shortest_decimal(double value);

// The diagnostic dump of the view in `slot` that the status panel shows
// after every redraw and activation (Memo1).
QStringList view_dump_lines(int slot, const View_Info& view);

// The lines the status panel appends to its running logs after the dump.
QStringList table_log_lines(const ViewTable& views);  // Memo3
QStringList range_log_lines(const View_Info& view);   // Memo2

}  // namespace ruvo
