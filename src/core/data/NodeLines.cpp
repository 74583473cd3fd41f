#include "data/NodeLines.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "data/NumberLexer.h"
#include "data/ReadProgress.h"

namespace ruvo {

namespace {

// Separators within a line: every character up to 32 but the line ends.
bool is_blank(char c) { return static_cast<unsigned char>(c) <= 32 && c != '\n' && c != '\r'; }
bool is_separator(char c) { return static_cast<unsigned char>(c) <= 32; }

// A run of whole lines, the first of which is node `first_node`.
struct Chunk {
    std::string_view text;
    long long lines = 0;  // LF-ended lines in it
    long long first_node = 0;
};

// Cuts `body` into `parts` runs of whole lines (the last may end without a
// line end) and counts the lines of each on its own core.
std::vector<Chunk> cut_into_chunks(std::string_view body, int parts) {
    std::vector<Chunk> chunks;
    const char* start = body.data();
    const char* const end = body.data() + body.size();
    for (int k = 1; k <= parts && start < end; ++k) {
        const char* cut = k == parts ? end : body.data() + body.size() * std::size_t(k) / std::size_t(parts);
        cut = std::max(cut, start);
        if (cut < end) {
            const void* line_end = std::memchr(cut, '\n', std::size_t(end - cut));
            cut = line_end ? static_cast<const char*>(line_end) + 1 : end;
        }
        chunks.push_back({std::string_view(start, std::size_t(cut - start))});
        start = cut;
    }
    std::vector<std::thread> counters;
    for (std::size_t k = 1; k < chunks.size(); ++k) {
        counters.emplace_back(
            [&chunk = chunks[k]] { chunk.lines = std::count(chunk.text.begin(), chunk.text.end(), '\n'); });
    }
    chunks[0].lines = std::count(chunks[0].text.begin(), chunks[0].text.end(), '\n');
    for (std::thread& counter : counters) counter.join();
    for (std::size_t k = 1; k < chunks.size(); ++k)
        chunks[k].first_node = chunks[k - 1].first_node + chunks[k - 1].lines;
    return chunks;
}

// Reads the chunk's lines that are nodes of the header, strictly one node a
// line; false at the first line that is not so.
class ChunkReader {
public:
    ChunkReader(const std::array<int, 4>& header, std::span<Table* const> tables)
        : i_first_(header[0]),
          j_first_(header[2]),
          j_count_(header[3] - header[2] + 1),
          tables_(tables),
          nodes_((1LL + header[1] - header[0]) * j_count_) {}

    long long nodes() const { return nodes_; }

    bool read(const Chunk& chunk, ReadProgress* progress) const {
        const char* pos = chunk.text.data();
        const char* const end = pos + chunk.text.size();
        const long long last = std::min(nodes_, chunk.first_node + chunk.lines);
        int i = i_first_ + int(chunk.first_node / j_count_);
        int j = j_first_ + int(chunk.first_node % j_count_);
        for (long long n = chunk.first_node; n < last; ++n) {
            for (Table* table : tables_) {
                while (pos < end && is_blank(*pos)) ++pos;
                const char* start = pos;
                while (pos < end && !is_separator(*pos)) ++pos;
                if (pos == start) return false;  // the line ends before the node's values do
                const NumberLexer::Real value = parse_real(std::string_view(start, std::size_t(pos - start)));
                if (value.status != NumberLexer::Status::Ok) return false;
                table->at(i + 1, j + 1) = value.value;
            }
            // The rest of the line, to an LF: a lone CR would end a line
            // of its own, which the count of LFs does not see.
            const void* line_end = std::memchr(pos, '\n', std::size_t(end - pos));
            if (!line_end) return false;
            const char* next = static_cast<const char*>(line_end) + 1;
            const char* cr = static_cast<const char*>(std::memchr(pos, '\r', std::size_t(next - pos)));
            if (cr && cr + 1 != line_end) return false;
            pos = next;
            if (++j > j_first_ + j_count_ - 1) {
                j = j_first_;
                ++i;
                if (progress) progress->at(double(n - chunk.first_node) / double(last - chunk.first_node));
            }
        }
        return true;
    }

private:
    int i_first_, j_first_, j_count_;
    std::span<Table* const> tables_;
    long long nodes_;
};

}  // namespace

bool read_regular_node_lines(std::string_view body, const std::array<int, 4>& header, std::span<Table* const> tables,
                             ReadProgress& progress) {
    const ChunkReader reader(header, tables);
    if (reader.nodes() <= 0) return false;
    const int cores = std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
    const std::vector<Chunk> chunks = cut_into_chunks(body, cores);
    long long lines = 0;
    for (const Chunk& chunk : chunks) lines += chunk.lines;
    if (lines < reader.nodes()) return false;

    std::vector<char> read_well(chunks.size(), 0);
    std::vector<std::thread> readers;
    for (std::size_t k = 1; k < chunks.size(); ++k) {
        readers.emplace_back([&, k] { read_well[k] = reader.read(chunks[k], nullptr); });
    }
    read_well[0] = reader.read(chunks[0], &progress);
    for (std::thread& thread : readers) thread.join();
    return std::all_of(read_well.begin(), read_well.end(), [](char ok) { return ok != 0; });
}

}  // namespace ruvo
