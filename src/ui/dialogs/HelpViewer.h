#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <vector>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace ruvo {

// One page of the program's help (docs/help/*.html).
struct HelpPage {
    QString file_name;
    QString title;
    QString plain_text;
};

// Folders that may hold the help pages, in the order they are tried: beside
// the program (docs/help, then ../share/ruvo/help for an installed program),
// then the source tree the program was built from.
QStringList help_folder_candidates();

// The first candidate that holds the contents page (index.html), or nothing.
QString find_help_folder(const QStringList& candidates);

// The pages of a help folder: the contents page first, the others in file
// name order.
std::vector<HelpPage> read_help_pages(const QString& folder);

// Positions of the pages that hold every word of `query` (any case) in their
// title or text; every page for an empty query.
std::vector<int> search_help_pages(const std::vector<HelpPage>& pages, const QString& query);

// The help window: the list of topics, narrowed by the search field, and the
// page shown. Opened from the Help menu and the help speed button.
class HelpViewer : public QDialog {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr, const QStringList& folders = help_folder_candidates());

    void show_contents();  // at the contents page
    void show_search();    // with the keyboard in the search field

private:
    void list_topics(const QString& query);
    void show_page(int page);

    std::vector<HelpPage> pages_;
    QString folder_;
    QLineEdit* search_ = nullptr;
    QListWidget* topics_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace ruvo
