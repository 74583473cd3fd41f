#include "data/IniDocument.h"

namespace ruvo {

IniDocument::Line IniDocument::parse_line(const QString& text) {
    Line line;
    line.text = text;
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = trimmed.mid(1, close - 1).trimmed();
        }
        return line;
    }
    if (trimmed.startsWith(u';')) return line;  // comment
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals <= 0) return line;  // no key: kept as it is, never matched
    line.kind = Kind::Entry;
    line.name = trimmed.left(equals).trimmed();
    line.value = trimmed.mid(equals + 1).trimmed();
    return line;
}

IniDocument::Line IniDocument::entry_line(const QString& key, const QString& value) {
    Line line;
    line.kind = Kind::Entry;
    line.text = key + u'=' + value;
    line.name = key;
    line.value = value;
    return line;
}

void IniDocument::add_line(QStringView text) {
    Line line = parse_line(text.toString());
    if (line.kind == Kind::Other && !lines_.empty() && lines_.back().kind == Kind::Other) {
        lines_.back().text += u'\n';
        lines_.back().text += line.text;
        return;
    }
    lines_.push_back(std::move(line));
}

IniDocument IniDocument::from_text(QStringView text) {
    IniDocument doc;
    // A final line break ends the last line; it does not start an empty one.
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') ++end;
        doc.add_line(text.mid(start, end - start));
        const bool crlf = end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n';
        start = end + (crlf ? 2 : 1);
    }
    return doc;
}

std::optional<std::size_t> IniDocument::find_section(QStringView section) const {
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        if (lines_[k].kind == Kind::Section && QStringView(lines_[k].name).compare(section, Qt::CaseInsensitive) == 0) {
            return k;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::section_end(std::size_t header) const {
    std::size_t k = header + 1;
    while (k < lines_.size() && lines_[k].kind != Kind::Section) ++k;
    return k;
}

std::optional<std::size_t> IniDocument::find_key(std::size_t header, QStringView key) const {
    const std::size_t end = section_end(header);
    for (std::size_t k = header + 1; k < end; ++k) {
        if (lines_[k].kind == Kind::Entry && QStringView(lines_[k].name).compare(key, Qt::CaseInsensitive) == 0) {
            return k;
        }
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const {
    const auto header = find_section(section);
    if (!header) return std::nullopt;
    const auto line = find_key(*header, key);
    if (!line) return std::nullopt;
    return lines_[*line].value;
}

void IniDocument::set_values(const QString& section, const std::vector<std::pair<QString, QString>>& entries) {
    auto header = find_section(section);
    if (!header) {
        Line line;
        line.kind = Kind::Section;
        line.text = u'[' + section + u']';
        line.name = section;
        lines_.push_back(line);
        header = lines_.size() - 1;
    }
    const auto insert_at = [this](std::size_t position, Line line) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
    };

    std::optional<std::size_t> previous;  // line of the entry set last
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const auto& [key, value] = entries[n];
        if (const auto found = find_key(*header, key)) {
            lines_[*found] = entry_line(key, value);
            previous = found;
            continue;
        }
        std::size_t position = 0;
        if (previous) {
            position = *previous + 1;
        } else {
            std::optional<std::size_t> following;
            for (std::size_t m = n + 1; m < entries.size() && !following; ++m) {
                following = find_key(*header, entries[m].first);
            }
            if (following) {
                position = *following;
            } else {
                // After the last entry, so that trailing comments and blank
                // lines stay between this section and the next one.
                position = *header + 1;
                const std::size_t end = section_end(*header);
                for (std::size_t k = *header + 1; k < end; ++k) {
                    if (lines_[k].kind == Kind::Entry) position = k + 1;
                }
            }
        }
        insert_at(position, entry_line(key, value));
        previous = position;
    }
}

QString IniDocument::to_text(QStringView newline) const {
    const QString line_end = newline.toString();
    QString text;
    for (const Line& line : lines_) {
        text += QString(line.text).replace(u'\n', line_end);
        text += line_end;
    }
    return text;
}

}  // namespace ruvo
