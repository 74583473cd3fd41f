#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

namespace ruvo {

// An INI text held line by line, so that writing it back keeps everything we
// did not change exactly as it was: the order of sections and keys, comments,
// blank lines, unknown keys and values with backslashes. (QSettings sorts keys
// and escapes backslashes, which would damage project files shared with other
// programs.)
//
// Section and key names are matched without regard to case, as Windows INI
// files are. When a section or key appears twice, the first one counts.
// Keys and values are read with surrounding blanks removed.
class IniDocument {
public:
    IniDocument() = default;

    // Accepts "\r\n", "\n", "\r" or a mix; the line breaks themselves are
    // not kept.
    static IniDocument from_text(QStringView text);

    // The value of `key` in `section`, or nothing when the key is not there.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Sets the keys of one section, given in the order they belong in.
    // A key already in the section is rewritten in place (with the spelling
    // given here); a missing key is inserted after the preceding key of the
    // list, or before the first following one that is present, or else after
    // the last key of the section. A missing section is added at the end.
    // Every other line stays where it is.
    void set_values(const QString& section, const std::vector<std::pair<QString, QString>>& entries);

    // The whole text, each line ended by `newline` (the last one too).
    QString to_text(QStringView newline) const;

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        Kind kind = Kind::Other;
        // The line as written (for a rewritten entry: key=value). Neighbouring
        // Other lines are kept as one, joined by "\n", so that a file of
        // countless blank or stray lines costs little more than its text.
        QString text;
        QString name;   // section name or key, blanks removed
        QString value;  // entry value, blanks removed
    };

    static Line parse_line(const QString& text);
    void add_line(QStringView text);
    static Line entry_line(const QString& key, const QString& value);

    std::optional<std::size_t> find_section(QStringView section) const;
    std::size_t section_end(std::size_t header) const;  // one past its last line
    std::optional<std::size_t> find_key(std::size_t header, QStringView key) const;

    std::vector<Line> lines_;
};

}  // namespace ruvo
