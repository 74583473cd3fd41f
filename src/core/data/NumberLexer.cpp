#include "data/NumberLexer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace ruvo {

namespace {
bool is_separator(char c) { return static_cast<unsigned char>(c) <= 32; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view without_plus(std::string_view token) {
    return !token.empty() && token.front() == '+' ? token.substr(1) : token;
}

// The power of ten of a real's leading significant digit (2 for 123.4, -3
// for 0.001), from its text, so that it holds for any number of digits and
// any exponent. Only for a real number that is not zero.
long long decimal_order(std::string_view token) {
    const std::size_t e = token.find_first_of("Ee");
    const std::string_view mantissa = token.substr(0, e);
    const auto first = static_cast<long long>(mantissa.find_first_of("123456789"));
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const long long order = first < point ? point - first - 1 : point - first;

    if (e == std::string_view::npos) return order;
    std::string_view digits = token.substr(e + 1);
    const bool negative = digits.front() == '-';
    if (digits.front() == '+' || negative) digits.remove_prefix(1);
    // Beyond this bound any exponent outweighs the digits of a file we read.
    constexpr long long kExponentBound = 1'000'000'000'000;
    long long exponent = 0;
    for (const char c : digits) exponent = std::min(exponent * 10 + (c - '0'), kExponentBound);
    return order + (negative ? -exponent : exponent);
}
}  // namespace

bool is_real_number(std::string_view token) {
    std::size_t k = 0;
    const std::size_t n = token.size();
    if (k < n && (token[k] == '+' || token[k] == '-')) ++k;
    std::size_t digits = 0;
    while (k < n && is_digit(token[k])) ++k, ++digits;
    if (k < n && token[k] == '.') {
        ++k;
        if (k == n) return false;  // a point may not end the number
        while (k < n && is_digit(token[k])) ++k, ++digits;
    }
    if (digits == 0) return false;
    if (k < n && (token[k] == 'E' || token[k] == 'e')) {
        ++k;
        if (k < n && (token[k] == '+' || token[k] == '-')) ++k;
        std::size_t exponent_digits = 0;
        while (k < n && is_digit(token[k])) ++k, ++exponent_digits;
        if (exponent_digits == 0) return false;
    }
    return k == n;
}

NumberLexer::NumberLexer(std::string_view text) : pos_(text.data()), end_(text.data() + text.size()) {
    if (const void* mark = std::memchr(text.data(), kEndOfFileMark, text.size())) {
        end_ = static_cast<const char*>(mark);
    }
}

std::string_view NumberLexer::next_token() {
    while (pos_ < end_ && is_separator(*pos_)) {
        if (*pos_ == '\n' || (*pos_ == '\r' && (pos_ + 1 == end_ || pos_[1] != '\n'))) ++line_;
        ++pos_;
    }
    const char* start = pos_;
    while (pos_ < end_ && !is_separator(*pos_)) ++pos_;
    token_ = std::string_view(start, static_cast<std::size_t>(pos_ - start));
    return token_;
}

NumberLexer::Integer NumberLexer::next_integer() {
    const std::string_view token = without_plus(next_token());
    if (token_.empty()) return {Status::EndOfFile, 0};
    long long value = 0;
    const auto [rest, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    // "+-1" would pass from_chars after the plus is dropped; a sign stands once.
    const bool sign_twice = token_.front() == '+' && !token.empty() && token.front() == '-';
    if (token.empty() || sign_twice || error != std::errc() || rest != token.data() + token.size()) {
        return {Status::Malformed, 0};
    }
    return {Status::Ok, value};
}

NumberLexer::Real NumberLexer::next_real() {
    const std::string_view token = next_token();
    if (token.empty()) return {Status::EndOfFile, 0.0};
    return parse_real(token);
}

NumberLexer::Real parse_real(std::string_view token) {
    using Status = NumberLexer::Status;
    if (!is_real_number(token)) return {Status::Malformed, 0.0};
    const std::string_view digits = without_plus(token);
    double value = 0.0;
    const auto [rest, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to represent is as good as zero; too large would poison
        // every extreme and scale, so it is refused like a malformed number.
        // Out of range means below about 1E-308 or above 1.8E308, so the
        // side of 1 on which the value lies tells which.
        if (decimal_order(token) < 0) return {Status::Ok, 0.0};
        return {Status::Malformed, 0.0};
    }
    if (error != std::errc() || rest != digits.data() + digits.size() || !std::isfinite(value)) {
        return {Status::Malformed, 0.0};
    }
    return {Status::Ok, value};
}

bool NumberLexer::skip_line() {
    // A line ends with LF, CR LF or a lone CR.
    while (pos_ < end_ && *pos_ != '\n' && *pos_ != '\r') ++pos_;
    if (pos_ == end_) return false;
    if (*pos_ == '\r' && pos_ + 1 < end_ && pos_[1] == '\n') ++pos_;
    ++pos_;
    ++line_;
    return true;
}

}  // namespace ruvo
