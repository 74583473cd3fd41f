#include <QByteArray>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtEndian>

#include <array>
#include <optional>
#include <string_view>

#include <zlib.h>

#include "data/VtkReader.h"
#include "data/VtkValues.h"

namespace ruvo {

using vtk::GridLayout;
using vtk::PointArray;
using vtk::ValueType;

namespace {

// Deflate shrinks data by 1032 to 1 at most: a block that claims more lies.
constexpr std::uint64_t kMaxInflation = 1032;

std::optional<ValueType> value_type(QStringView name) {
    static constexpr std::array<std::pair<const char*, ValueType>, 10> kTypes{{
        {"Int8", ValueType::Int8},
        {"UInt8", ValueType::UInt8},
        {"Int16", ValueType::Int16},
        {"UInt16", ValueType::UInt16},
        {"Int32", ValueType::Int32},
        {"UInt32", ValueType::UInt32},
        {"Int64", ValueType::Int64},
        {"UInt64", ValueType::UInt64},
        {"Float32", ValueType::Float32},
        {"Float64", ValueType::Float64},
    }};
    for (const auto& [word, type] : kTypes)
        if (name == QLatin1String(word)) return type;
    return std::nullopt;
}

// Base64 of one or more encodings one after the other (each padded at its
// end), into at most `max_bytes` bytes, as far as the text goes. False when
// `strict` and the text holds anything else; without it the decoding ends
// there.
bool decode_base64(std::string_view text, std::uint64_t max_bytes, bool strict, QByteArray& out) {
    // Each character's six bits; 64 marks a character outside the alphabet.
    static const std::array<std::uint8_t, 256> kDigits = [] {
        std::array<std::uint8_t, 256> digits{};
        digits.fill(64);
        const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (std::uint8_t n = 0; n < 64; ++n) digits[uchar(alphabet[n])] = n;
        return digits;
    }();
    out.clear();
    out.reserve(qsizetype(std::min<std::uint64_t>(max_bytes, text.size() / 4 * 3 + 3)));
    std::uint32_t bits = 0;
    int digits = 0;
    for (const char c : text) {
        if (std::uint64_t(out.size()) >= max_bytes) break;
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
        if (c == '=') {
            // The end of one encoding: its last one or two bytes.
            if (digits == 2) out += char(bits >> 4);
            if (digits == 3) out += char(bits >> 10), out += char(bits >> 2);
            if (digits == 1) return !strict;
            digits = 0;
            bits = 0;
            continue;
        }
        const std::uint8_t digit = kDigits[uchar(c)];
        if (digit == 64) return !strict;
        bits = (bits << 6) | std::uint32_t(digit);
        if (++digits == 4) {
            out += char(bits >> 16), out += char(bits >> 8), out += char(bits);
            digits = 0;
            bits = 0;
        }
    }
    return !strict || digits == 0 || std::uint64_t(out.size()) >= max_bytes;
}

// The bytes of one binary array from its header on: raw in the file, or
// decoded from base64 as far as they are asked for. What `first` gives
// holds until it is asked for more.
class ArrayBytes {
public:
    ArrayBytes(std::string_view source, bool base64, bool strict) : source_(source), base64_(base64), strict_(strict) {}

    // The most the array can hold.
    std::uint64_t limit() const { return base64_ ? source_.size() / 4 * 3 + 3 : source_.size(); }

    // The first n bytes, or nothing when the array holds fewer.
    std::optional<std::string_view> first(std::uint64_t n) {
        if (n > limit()) return std::nullopt;
        if (!base64_) return source_.substr(0, n);
        if (std::uint64_t(decoded_.size()) < n && !decode_base64(source_, n, strict_, decoded_)) malformed_ = true;
        if (std::uint64_t(decoded_.size()) < n) return std::nullopt;
        return std::string_view(decoded_.constData(), n);
    }

    QString shortage() const {
        return malformed_ ? QStringLiteral("malformed base64") : QStringLiteral("the file ends before its values do");
    }

private:
    std::string_view source_;
    bool base64_;
    bool strict_;
    bool malformed_ = false;
    QByteArray decoded_;
};

struct XmlArray {
    QString name;
    QString type_name;
    std::optional<ValueType> type;
    int components = 1;
    enum class Form { Ascii, Binary, Appended, Unknown } form = Form::Unknown;
    QByteArray text;  // inline values
    std::uint64_t offset = 0;
};

struct VtsFile {
    GridLayout layout;
    bool big_endian = false;
    std::size_t header_bytes = 4;  // of each size in the headers of binary arrays
    bool compressed = false;
    std::vector<XmlArray> arrays;  // by PointArray::index
    std::optional<std::size_t> appended_start;
    bool appended_base64 = false;

    static VtsFile parse(const QByteArray& bytes);
    QString values(std::string_view bytes, const PointArray& array, std::size_t count,
                   std::vector<double>& values) const;
};

class VtsParser {
public:
    explicit VtsParser(const QByteArray& bytes) : bytes_(bytes) {}

    VtsFile parse() {
        // What follows "<AppendedData" is no XML: raw values of any bytes.
        const qsizetype appended = bytes_.indexOf("<AppendedData");
        if (appended >= 0 && !find_appended(appended)) return std::move(file_);
        QXmlStreamReader xml(appended >= 0 ? bytes_.left(appended) : bytes_);
        while (!xml.atEnd() && file_.layout.error.isEmpty()) {
            switch (xml.readNext()) {
            case QXmlStreamReader::StartElement: start(xml); break;
            case QXmlStreamReader::EndElement:
                if (open_.takeLast() == QLatin1String("DataArray")) current_ = nullptr;
                break;
            case QXmlStreamReader::Characters:
                if (current_ && !open_.isEmpty() && open_.last() == QLatin1String("DataArray"))
                    current_->text += xml.text().toLatin1();
                break;
            default: break;
            }
        }
        if (!file_.layout.error.isEmpty()) return std::move(file_);
        if (xml.hasError() && !(appended >= 0 && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError))
            return failed(QStringLiteral("malformed XML: %1").arg(xml.errorString()));
        finish();
        return std::move(file_);
    }

private:
    VtsFile failed(const QString& error) {
        file_.layout.error = error;
        return std::move(file_);
    }

    // The first fault found is the one told.
    bool fail(const QString& error) {
        if (file_.layout.error.isEmpty()) file_.layout.error = error;
        return false;
    }

    // The values of the appended section start after its "_".
    bool find_appended(qsizetype tag_start) {
        const qsizetype tag_end = bytes_.indexOf('>', tag_start);
        if (tag_end < 0) return fail(QStringLiteral("the appended data has no start"));
        QXmlStreamReader tag(bytes_.mid(tag_start, tag_end + 1 - tag_start));
        tag.readNextStartElement();
        const auto encoding = tag.attributes().value(QLatin1String("encoding"));
        if (encoding != QLatin1String("raw") && encoding != QLatin1String("base64"))
            return fail(QStringLiteral("appended data of encoding \"%1\", which cannot be read").arg(encoding));
        file_.appended_base64 = encoding == QLatin1String("base64");
        qsizetype marker = tag_end + 1;
        while (marker < bytes_.size() && QChar::isSpace(uchar(bytes_[marker]))) ++marker;
        if (marker >= bytes_.size() || bytes_[marker] != '_')
            return fail(QStringLiteral("the appended data does not start with \"_\""));
        file_.appended_start = std::size_t(marker + 1);
        return true;
    }

    void start(const QXmlStreamReader& xml) {
        const QStringView name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        const auto attribute = [&attributes](const char* key) { return attributes.value(QLatin1String(key)); };
        if (open_.isEmpty() && name != QLatin1String("VTKFile")) {
            fail(QStringLiteral("not a VTK XML file"));
            return;
        }
        open_ << name.toString();
        if (name == QLatin1String("VTKFile")) {
            file_format(attribute("type"), attribute("byte_order"), attribute("header_type"), attribute("compressor"));
        } else if (name == QLatin1String("Piece")) {
            if (++pieces_ == 1) extent(attribute("Extent"));
        } else if (name == QLatin1String("DataArray") && pieces_ == 1 && open_.size() >= 2) {
            const QString& part = open_[open_.size() - 2];
            if (part == QLatin1String("PointData") || part == QLatin1String("CellData") ||
                part == QLatin1String("Points")) {
                file_.arrays.push_back(data_array(attributes));
                current_ = &file_.arrays.back();
                parts_.push_back(part);
            }
        }
    }

    void file_format(QStringView type, QStringView byte_order, QStringView header_type, QStringView compressor) {
        if (type != QLatin1String("StructuredGrid")) {
            fail(QStringLiteral("a file of kind %1, not a structured grid").arg(type.left(40)));
        } else if (!byte_order.isEmpty() && byte_order != QLatin1String("LittleEndian") &&
                   byte_order != QLatin1String("BigEndian")) {
            fail(QStringLiteral("an unknown byte order \"%1\"").arg(byte_order.left(40)));
        } else if (!header_type.isEmpty() && header_type != QLatin1String("UInt32") &&
                   header_type != QLatin1String("UInt64")) {
            fail(QStringLiteral("an unknown header type \"%1\"").arg(header_type.left(40)));
        } else if (!compressor.isEmpty() && compressor != QLatin1String("vtkZLibDataCompressor")) {
            fail(QStringLiteral("data compressed by %1, which cannot be read").arg(compressor.left(40)));
        }
        file_.big_endian = byte_order == QLatin1String("BigEndian");
        file_.header_bytes = header_type == QLatin1String("UInt64") ? 8 : 4;
        file_.compressed = !compressor.isEmpty();
    }

    void extent(QStringView text) {
        const QStringList words = text.toString().simplified().split(u' ');
        std::array<long long, 6> bounds{};
        bool ok = words.size() == 6;
        for (qsizetype n = 0; ok && n < 6; ++n) bounds[std::size_t(n)] = words[n].toInt(&ok);
        if (!ok) {
            fail(QStringLiteral("a piece without a valid extent"));
            return;
        }
        const double nodes_per_byte = file_.compressed ? double(kMaxInflation) / 3.0 : 1.0 / 3.0;
        vtk::set_size(file_.layout, bounds[1] - bounds[0] + 1, bounds[3] - bounds[2] + 1, bounds[5] - bounds[4] + 1,
                      nodes_per_byte, std::size_t(bytes_.size()));
    }

    static XmlArray data_array(const QXmlStreamAttributes& attributes) {
        XmlArray array;
        array.name = attributes.value(QLatin1String("Name")).toString();
        array.type_name = attributes.value(QLatin1String("type")).toString();
        array.type = value_type(array.type_name);
        if (attributes.hasAttribute(QLatin1String("NumberOfComponents"))) {
            bool ok = false;
            array.components = attributes.value(QLatin1String("NumberOfComponents")).toInt(&ok);
            if (!ok) array.components = 0;
        }
        const QStringView form = attributes.value(QLatin1String("format"));
        if (form == QLatin1String("ascii")) array.form = XmlArray::Form::Ascii;
        if (form == QLatin1String("binary")) array.form = XmlArray::Form::Binary;
        if (form == QLatin1String("appended")) array.form = XmlArray::Form::Appended;
        bool ok = true;
        array.offset = attributes.value(QLatin1String("offset")).toULongLong(&ok);
        if (!ok && array.form == XmlArray::Form::Appended) array.form = XmlArray::Form::Unknown;
        return array;
    }

    // The points, the arrays of the points and a note of those of the cells.
    void finish() {
        GridLayout& layout = file_.layout;
        if (pieces_ == 0) {
            fail(QStringLiteral("the file holds no piece"));
            return;
        }
        if (pieces_ > 1) {
            fail(QStringLiteral("the file holds %1 pieces: only a file of one piece can be read").arg(pieces_));
            return;
        }
        QStringList cell_arrays;
        bool has_points = false;
        for (std::size_t n = 0; n < file_.arrays.size(); ++n) {
            const XmlArray& array = file_.arrays[n];
            const bool readable = array.type && array.form != XmlArray::Form::Unknown;
            if (parts_[n] == QLatin1String("CellData")) {
                cell_arrays << array.name;
            } else if (parts_[n] == QLatin1String("Points")) {
                if (!readable)
                    fail(QStringLiteral("points of type \"%1\" or form that cannot be read").arg(array.type_name));
                if (array.components != 3) fail(QStringLiteral("points of %1 components, not 3").arg(array.components));
                layout.points = {QString(), 3, n};
                has_points = true;
            } else if (!readable) {
                layout.notes << QStringLiteral("\"%1\" is of a type or form that cannot be read").arg(array.name);
            } else {
                layout.arrays.push_back({array.name, array.components, n});
            }
        }
        if (!has_points) fail(QStringLiteral("the file holds no points"));
        if (!cell_arrays.isEmpty()) layout.notes << vtk::cell_data_note(cell_arrays);
    }

    const QByteArray& bytes_;
    VtsFile file_;
    QStringList open_;   // the elements open where the reader stands
    QStringList parts_;  // of each array: PointData, CellData or Points
    XmlArray* current_ = nullptr;
    int pieces_ = 0;
};

// A size of the header of a binary array.
std::uint64_t header_word(const VtsFile& file, std::string_view header, std::size_t n) {
    const char* at = header.data() + n * file.header_bytes;
    if (file.header_bytes == 8) return file.big_endian ? qFromBigEndian<quint64>(at) : qFromLittleEndian<quint64>(at);
    return file.big_endian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
}

// The `count` values of a binary array: the count of their bytes and the
// bytes, or blocks compressed one by one after a header of their sizes.
QString binary_values(const VtsFile& file, ArrayBytes& bytes, ValueType type, std::size_t count,
                      std::vector<double>& values) {
    const QString size_mismatch = QStringLiteral("its size does not match the grid's nodes");
    const std::size_t word = file.header_bytes;
    const std::uint64_t wanted = std::uint64_t(count) * vtk::size_of(type);
    if (!file.compressed) {
        const auto all = bytes.first(word);
        if (!all) return bytes.shortage();
        if (header_word(file, *all, 0) != wanted) return size_mismatch;
        const auto data = bytes.first(word + wanted);
        if (!data) return bytes.shortage();
        return vtk::decode_binary(data->substr(word), type, file.big_endian, count, values);
    }
    auto head = bytes.first(3 * word);
    if (!head) return bytes.shortage();
    const std::uint64_t blocks = header_word(file, *head, 0);
    const std::uint64_t block_size = header_word(file, *head, 1);
    const std::uint64_t last_size = header_word(file, *head, 2);
    if (blocks > bytes.limit() / word) return QStringLiteral("more blocks than the file can hold");
    const std::uint64_t head_bytes = (3 + blocks) * word;
    head = bytes.first(head_bytes);
    if (!head) return bytes.shortage();
    std::uint64_t inflated = 0;
    if (blocks > 0 && (vtk::multiply_overflows(blocks - 1, block_size, inflated) ||
                       __builtin_add_overflow(inflated, last_size == 0 ? block_size : last_size, &inflated)))
        return size_mismatch;
    if (inflated != wanted) return size_mismatch;
    std::uint64_t compressed = 0;
    for (std::uint64_t n = 0; n < blocks; ++n) {
        compressed += header_word(file, *head, 3 + n);
        if (compressed > bytes.limit()) return QStringLiteral("compressed sizes larger than the file");
    }
    if (wanted / kMaxInflation > compressed) return QStringLiteral("compressed sizes too small for its values");
    const auto all = bytes.first(head_bytes + compressed);
    if (!all) return bytes.shortage();

    QByteArray plain(qsizetype(wanted), Qt::Uninitialized);
    std::uint64_t from = head_bytes;
    for (std::uint64_t n = 0; n < blocks; ++n) {
        const std::uint64_t block_compressed = header_word(file, *all, 3 + n);
        const std::uint64_t block_plain = n + 1 == blocks && last_size != 0 ? last_size : block_size;
        uLongf produced = uLongf(block_plain);
        const int status = uncompress(reinterpret_cast<Bytef*>(plain.data()) + n * block_size, &produced,
                                      reinterpret_cast<const Bytef*>(all->data() + from), uLong(block_compressed));
        if (status != Z_OK || produced != block_plain) return QStringLiteral("a block that does not inflate");
        from += block_compressed;
    }
    return vtk::decode_binary(std::string_view(plain.constData(), std::size_t(plain.size())), type, file.big_endian,
                              count, values);
}

QString VtsFile::values(std::string_view bytes, const PointArray& point_array, std::size_t count,
                        std::vector<double>& values) const {
    const XmlArray& array = arrays[point_array.index];
    const std::string_view text(array.text.constData(), std::size_t(array.text.size()));
    switch (array.form) {
    case XmlArray::Form::Ascii: return vtk::decode_text(text, count, values);
    case XmlArray::Form::Binary: {
        ArrayBytes inline_bytes(text, true, true);
        return binary_values(*this, inline_bytes, *array.type, count, values);
    }
    case XmlArray::Form::Appended: {
        if (!appended_start) return QStringLiteral("no appended data");
        if (array.offset > bytes.size() - *appended_start)
            return QStringLiteral("its values start past the end of the file");
        ArrayBytes appended(bytes.substr(*appended_start + array.offset), appended_base64, false);
        return binary_values(*this, appended, *array.type, count, values);
    }
    case XmlArray::Form::Unknown: break;
    }
    return QStringLiteral("values of a form that cannot be read");
}

VtsFile VtsFile::parse(const QByteArray& bytes) { return VtsParser(bytes).parse(); }

}  // namespace

const StructuredFormat& vts_format() {
    using Vts = vtk::Format<VtsFile>;
    static const StructuredFormat format{Vts::catalog, Vts::read};
    return format;
}

}  // namespace ruvo
