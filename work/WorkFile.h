// The pupils' work file (.literon): a small line-based UTF-8 text, read strictly and written
// canonically. Plain C++ with no Qt, so that the reader can be fuzzed on its own; the format is
// described in docs/file-format.md.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace workfile {

inline constexpr int kVersion = 1;
inline constexpr int kMaxGraphs = 20000;
inline constexpr std::size_t kMaxBytes = 8u << 20;
// The longest text an edit box holds.
inline constexpr std::size_t kMaxExpressionBytes = 32767;
inline constexpr std::size_t kMaxCommentLetters = 200;

// One row of the graph table: the curve (X(x), Y(x)) for x from start to end.
struct Graph {
    std::string x, y;
    double start = 0, end = 0;
    bool operator==(const Graph&) const = default;
};

struct Work {
    // How the work began: from a template letter's key, from the blank key, or from an example.
    enum class Begin { Key, Blank, Example };
    Begin begin = Begin::Key;
    std::string letter;   // UTF-8, one code point; empty when begin is Blank
    std::string comment;  // UTF-8, may be empty (then written as no comment line)
    std::vector<Graph> graphs;
    bool operator==(const Work&) const = default;
};

enum class Error {
    None,
    Empty,
    TooLarge,
    NotWorkFile,
    Newer,
    BadText,
    BadLine,
    BadNumber,
    Truncated,
    TooManyGraphs
};

struct ReadResult {
    std::optional<Work> work;  // set when error is None
    Error error = Error::None;
    int line = 0;                 // 1-based line of BadText, BadLine, BadNumber
    long long count = 0;          // Newer: the version; TooManyGraphs: N; Truncated: N
    long long found = 0;          // Truncated: graph lines found
    std::string text;             // BadNumber: the number's text
    std::string message() const;  // the reason in Russian, UTF-8
};

ReadResult read(std::string_view bytes);

// The file of a work. Numbers are written as the shortest fixed-notation decimal that reads back
// to the same double (std::to_chars with chars_format::fixed), with a point. Precondition: the
// numbers are finite and the texts valid (the writer does not check; the program does).
std::string write(const Work& work);
std::string formatNumber(double v);

}  // namespace workfile
