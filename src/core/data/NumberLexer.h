#pragma once

#include <string_view>

namespace ruvo {

// Reads the numbers of a result file. A number is a run of characters above
// code 32; characters up to 32, line ends included, separate them. The
// character 26 ends the file. Past the end every number reads as 0.
class NumberLexer {
public:
    explicit NumberLexer(std::string_view text);

    enum class Status { Ok, EndOfFile, Malformed };

    struct Integer {
        Status status;
        long long value;
    };
    struct Real {
        Status status;
        double value;
    };

    Integer next_integer();
    Real next_real();
    // Skips the rest of the current line, its line end included; false when
    // the file ends before a line end.
    bool skip_line();

    std::string_view last_token() const { return token_; }
    // Where the next token is looked for.
    const char* position() const { return pos_; }
    // The end of the text: its end, or the character 26 that ends the file.
    const char* end() const { return end_; }
    int line() const { return line_; }

private:
    std::string_view next_token();

    const char* pos_;
    const char* end_;
    std::string_view token_;
    int line_ = 1;
};

// Character 26 ends a file: what follows it is not read.
inline constexpr char kEndOfFileMark = 26;

// A token as a real: Malformed unless it has the form below and a finite
// value; a value too small to represent reads as 0.
NumberLexer::Real parse_real(std::string_view token);

// A real of the form [sign] digits [. digits] [(E|e) [sign] digits], where the
// integer or the fraction digits may be missing but not both, and a point is
// never the last character ("1.E5" and ".5" are numbers, "1." is not).
bool is_real_number(std::string_view token);

}  // namespace ruvo
