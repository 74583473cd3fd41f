#include "ui/dialogs/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/Messages.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {

const QString kContentsPage = QStringLiteral("index.html");
constexpr int kPageRole = Qt::UserRole;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

HelpPage read_page(const QDir& folder, const QString& file_name) {
    QFile file(folder.filePath(file_name));
    QTextDocument document;
    if (file.open(QIODevice::ReadOnly)) document.setHtml(QString::fromUtf8(file.readAll()));
    QString title = document.metaInformation(QTextDocument::DocumentTitle);
    if (title.isEmpty()) title = file_name;
    return {file_name, title, document.toPlainText()};
}

}  // namespace

QStringList help_folder_candidates() {
    const QDir program(QCoreApplication::applicationDirPath());
    QStringList folders{program.filePath(QStringLiteral("docs/help")),
                        program.filePath(QStringLiteral("../share/ruvo/help"))};
#ifdef RUVO_HELP_DIR
    folders << QStringLiteral(RUVO_HELP_DIR);
#endif
    return folders;
}

QString find_help_folder(const QStringList& candidates) {
    for (const QString& folder : candidates) {
        if (QFile::exists(QDir(folder).filePath(kContentsPage))) return QDir(folder).absolutePath();
    }
    return {};
}

std::vector<HelpPage> read_help_pages(const QString& folder) {
    std::vector<HelpPage> pages;
    if (folder.isEmpty()) return pages;
    const QDir dir(folder);
    QStringList names = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    names.removeAll(kContentsPage);
    if (dir.exists(kContentsPage)) names.prepend(kContentsPage);
    for (const QString& name : names) pages.push_back(read_page(dir, name));
    return pages;
}

std::vector<int> search_help_pages(const std::vector<HelpPage>& pages, const QString& query) {
    // Words are parted by any blank, the Japanese full-width one included.
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
    const QStringList words = query.split(kBlanks, Qt::SkipEmptyParts);
    std::vector<int> found;
    for (int n = 0; n < static_cast<int>(pages.size()); ++n) {
        const HelpPage& page = pages[static_cast<std::size_t>(n)];
        const bool all = std::all_of(words.begin(), words.end(), [&page](const QString& word) {
            return page.title.contains(word, Qt::CaseInsensitive) ||
                   page.plain_text.contains(word, Qt::CaseInsensitive);
        });
        if (all) found.push_back(n);
    }
    return found;
}

HelpViewer::HelpViewer(QWidget* parent, const QStringList& folders)
    : QDialog(parent), folder_(find_help_folder(folders)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kHelpWindowTitle));
    setModal(false);
    pages_ = read_help_pages(folder_);

    auto* row = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    auto* search_label = new QLabel(text(messages::kHelpSearchLabel));
    search_ = new QLineEdit;
    name_widget(search_, "HelpSearchEdit", search_label->text());
    search_label->setBuddy(search_);
    auto* topics_label = new QLabel(text(messages::kHelpTopicsLabel));
    topics_ = new QListWidget;
    name_widget(topics_, "HelpTopics", topics_label->text());
    topics_label->setBuddy(topics_);
    column->addWidget(search_label);
    column->addWidget(search_);
    column->addWidget(topics_label);
    column->addWidget(topics_, 1);
    topics_->setMaximumWidth(240);
    search_->setMaximumWidth(240);
    row->addLayout(column);
    browser_ = new QTextBrowser;
    name_widget(browser_, "HelpBrowser", text(messages::kHelpWindowTitle));
    browser_->setOpenExternalLinks(true);
    if (!folder_.isEmpty()) browser_->setSearchPaths({folder_});
    row->addWidget(browser_, 1);
    resize(820, 560);

    connect(search_, &QLineEdit::textChanged, this, &HelpViewer::list_topics);
    connect(topics_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) show_page(item->data(kPageRole).toInt());
    });
    list_topics({});
    if (pages_.empty()) browser_->setPlainText(text(messages::kHelpNotFound) + u'\n' + folders.join(u'\n'));
}

void HelpViewer::list_topics(const QString& query) {
    topics_->clear();
    for (int page : search_help_pages(pages_, query)) {
        auto* item = new QListWidgetItem(pages_[static_cast<std::size_t>(page)].title, topics_);
        item->setData(kPageRole, page);
    }
}

void HelpViewer::show_page(int page) {
    browser_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(pages_[static_cast<std::size_t>(page)].file_name)));
}

void HelpViewer::show_contents() {
    search_->clear();
    if (!pages_.empty()) topics_->setCurrentRow(0);
    show();
    raise();
    activateWindow();
}

void HelpViewer::show_search() {
    show();
    raise();
    activateWindow();
    search_->setFocus();
    search_->selectAll();
}

}  // namespace ruvo
