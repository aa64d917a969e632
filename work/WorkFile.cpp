#include "WorkFile.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace workfile {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kMagic = "literon-work ";
constexpr std::string_view kLetterKey = "letter: ";
constexpr std::string_view kExampleKey = "example: ";
constexpr std::string_view kCommentKey = "comment: ";
constexpr std::string_view kGraphsKey = "graphs: ";
constexpr std::string_view kGraphKey = "graph: ";
constexpr std::string_view kBlankLetter = "-";
constexpr std::size_t kMaxNumberChars = 400;
// Enough for any finite double in fixed notation: the longest, -DBL_MAX, takes 310 characters.
constexpr std::size_t kNumberBuffer = 512;
// A bad number is quoted in the message; a screenful of digits would hide the sentence.
constexpr std::size_t kMaxQuotedLetters = 40;

// Valid UTF-8 with no control characters. Overlong forms, surrogates and code points above
// U+10FFFF are refused by the ranges allowed for the second byte.
bool isText(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F) return false;
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c == 0xE0) {
            length = 3, low = 0xA0;
        } else if (c == 0xED) {
            length = 3, high = 0x9F;
        } else if (c >= 0xE1 && c <= 0xEF) {
            length = 3;
        } else if (c == 0xF0) {
            length = 4, low = 0x90;
        } else if (c == 0xF4) {
            length = 4, high = 0x8F;
        } else if (c >= 0xF1 && c <= 0xF3) {
            length = 4;
        } else {
            return false;
        }
        if (s.size() - i < length) return false;
        const auto second = static_cast<unsigned char>(s[i + 1]);
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if (next < 0x80 || next > 0xBF) return false;
        }
        i += length;
    }
    return true;
}

// Code points of valid UTF-8: every byte that is not a continuation byte starts one.
std::size_t codePoints(std::string_view s) {
    std::size_t count = 0;
    for (char c : s) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// A count as the file writes it: 1 to 9 digits, no sign, no leading zeros; -1 otherwise.
long long parseCount(std::string_view s) {
    if (s.empty() || s.size() > 9 || (s.size() > 1 && s[0] == '0')) return -1;
    long long value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// -?[0-9]+(\.[0-9]+)? : no exponent, no leading point, no trailing point, no plus.
bool isNumberText(std::string_view s) {
    std::size_t i = s.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        return i > from;
    };
    if (!digits()) return false;
    if (i == s.size()) return true;
    if (s[i] != '.') return false;
    ++i;
    return digits() && i == s.size();
}

// The number's value when the text is one, within the length limit and within the range of a
// double (neither overflowing nor so close to zero that it underflows).
std::optional<double> parseNumber(std::string_view s) {
    if (s.size() > kMaxNumberChars || !isNumberText(s)) return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string_view trimSpaces(std::string_view s) {
    while (s.starts_with(' ')) s.remove_prefix(1);
    while (s.ends_with(' ')) s.remove_suffix(1);
    return s;
}

bool isOneLetter(std::string_view s) {
    return !s.empty() && codePoints(s) == 1;
}

bool isExpression(std::string_view s) {
    return !s.empty() && s.size() <= kMaxExpressionBytes;
}

// The lines of a text, cut at LF; a CR right before the LF belongs to the line end. A final line
// without LF still counts; nothing after the last LF is no line.
class Lines {
  public:
    explicit Lines(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line) {
        if (rest_.empty()) return false;
        ++number_;
        const std::size_t lf = rest_.find('\n');
        if (lf == std::string_view::npos) {
            line = rest_;
            rest_ = {};
            return true;
        }
        line = rest_.substr(0, lf);
        rest_.remove_prefix(lf + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        return true;
    }

    int number() const { return number_; }

  private:
    std::string_view rest_;
    int number_ = 0;
};

ReadResult failure(Error error, int line = 0) {
    ReadResult result;
    result.error = error;
    result.line = line;
    return result;
}

// Everything after the BOM is blank: spaces, tabs and line ends.
bool isBlank(std::string_view s) {
    return s.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The text as the message quotes it: a long one cut after kMaxQuotedLetters letters.
std::string quoted(const std::string& text) {
    std::size_t letters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsLetter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsLetter && letters++ == kMaxQuotedLetters) return text.substr(0, i) + "…";
    }
    return text;
}

}  // namespace

ReadResult read(std::string_view bytes) {
    if (bytes.size() > kMaxBytes) return failure(Error::TooLarge);
    if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    if (isBlank(bytes)) return failure(Error::Empty);

    Lines lines(bytes);
    std::string_view line;
    lines.next(line);
    if (!line.starts_with(kMagic)) return failure(Error::NotWorkFile);
    const long long version = parseCount(line.substr(kMagic.size()));
    if (version < 1) return failure(Error::NotWorkFile);
    if (version > kVersion) {
        // A newer program may have changed anything below the first line: nothing else is read.
        ReadResult result = failure(Error::Newer);
        result.count = version;
        return result;
    }

    enum class Stage { Begin, Comment, Count, Graphs, Done };
    Stage stage = Stage::Begin;
    Work work;
    long long declared = 0;
    while (lines.next(line)) {
        const int number = lines.number();
        if (!isText(line)) return failure(Error::BadText, number);
        if (line.empty()) continue;

        if (stage == Stage::Begin) {
            if (line.starts_with(kLetterKey) && isOneLetter(line.substr(kLetterKey.size()))) {
                const std::string_view letter = line.substr(kLetterKey.size());
                work.begin = letter == kBlankLetter ? Work::Begin::Blank : Work::Begin::Key;
                if (work.begin == Work::Begin::Key) work.letter = letter;
            } else if (line.starts_with(kExampleKey) &&
                       isOneLetter(line.substr(kExampleKey.size()))) {
                work.begin = Work::Begin::Example;
                work.letter = line.substr(kExampleKey.size());
            } else {
                return failure(Error::BadLine, number);
            }
            stage = Stage::Comment;
        } else if (stage == Stage::Comment && line.starts_with(kCommentKey)) {
            const std::string_view comment = line.substr(kCommentKey.size());
            if (codePoints(comment) > kMaxCommentLetters) return failure(Error::BadLine, number);
            work.comment = comment;
            stage = Stage::Count;
        } else if ((stage == Stage::Comment || stage == Stage::Count) &&
                   line.starts_with(kGraphsKey)) {
            declared = parseCount(line.substr(kGraphsKey.size()));
            if (declared < 0) return failure(Error::BadLine, number);
            if (declared > kMaxGraphs) {
                ReadResult result = failure(Error::TooManyGraphs);
                result.count = declared;
                return result;
            }
            stage = declared == 0 ? Stage::Done : Stage::Graphs;
        } else if (stage == Stage::Graphs && line.starts_with(kGraphKey)) {
            std::string_view fields[4];
            std::string_view rest = line.substr(kGraphKey.size());
            for (std::size_t i = 0; i < 4; ++i) {
                const std::size_t semicolon = rest.find(';');
                if ((i < 3) == (semicolon == std::string_view::npos)) {
                    return failure(Error::BadLine, number);
                }
                fields[i] = trimSpaces(rest.substr(0, semicolon));
                if (i < 3) rest.remove_prefix(semicolon + 1);
            }
            if (!isExpression(fields[0]) || !isExpression(fields[1]) || fields[2].empty() ||
                fields[3].empty()) {
                return failure(Error::BadLine, number);
            }
            Graph graph{std::string(fields[0]), std::string(fields[1])};
            for (std::size_t i = 2; i < 4; ++i) {
                const std::optional<double> value = parseNumber(fields[i]);
                if (!value) {
                    ReadResult result = failure(Error::BadNumber, number);
                    result.text = fields[i];
                    return result;
                }
                (i == 2 ? graph.start : graph.end) = *value;
            }
            work.graphs.push_back(std::move(graph));
            if (static_cast<long long>(work.graphs.size()) == declared) stage = Stage::Done;
        } else {
            return failure(Error::BadLine, number);
        }
    }

    if (stage == Stage::Graphs) {
        ReadResult result = failure(Error::Truncated);
        result.count = declared;
        result.found = static_cast<long long>(work.graphs.size());
        return result;
    }
    // Cut off before the count of graphs: the missing line is the one that does not fit.
    if (stage != Stage::Done) return failure(Error::BadLine, lines.number() + 1);
    ReadResult result;
    result.work = std::move(work);
    return result;
}

std::string formatNumber(double v) {
    char buffer[kNumberBuffer];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    return std::string(buffer, end);
}

std::string write(const Work& work) {
    std::string out;
    out += kMagic;
    out += std::to_string(kVersion);
    out += '\n';
    switch (work.begin) {
        case Work::Begin::Key:
            out.append(kLetterKey).append(work.letter);
            break;
        case Work::Begin::Blank:
            out.append(kLetterKey).append(kBlankLetter);
            break;
        case Work::Begin::Example:
            out.append(kExampleKey).append(work.letter);
            break;
    }
    out += '\n';
    if (!work.comment.empty()) out.append(kCommentKey).append(work.comment).append("\n");
    out.append(kGraphsKey).append(std::to_string(work.graphs.size())).append("\n");
    for (const Graph& graph : work.graphs) {
        out.append(kGraphKey).append(graph.x).append("; ").append(graph.y).append("; ");
        out.append(formatNumber(graph.start)).append("; ").append(formatNumber(graph.end));
        out += '\n';
    }
    return out;
}

std::string ReadResult::message() const {
    switch (error) {
        case Error::None:
            return {};
        case Error::Empty:
            return "файл пуст.";
        case Error::TooLarge:
            return "файл больше 8 МБ, это не рабочий файл Литерона.";
        case Error::NotWorkFile:
            return "это не рабочий файл Литерона.";
        case Error::Newer:
            return "файл записан более новой версией Литерона (формат " + std::to_string(count) +
                   "), а эта версия читает формат " + std::to_string(kVersion) + ".";
        case Error::BadText:
            return "в строке " + std::to_string(line) + " есть знаки, которых не бывает в тексте.";
        case Error::BadLine:
            return "строка " + std::to_string(line) + " не по формату рабочего файла.";
        case Error::BadNumber:
            return "в строке " + std::to_string(line) + " число «" + quoted(text) +
                   "» не читается.";
        case Error::Truncated:
            return "файл обрезан: графиков в нём " + std::to_string(count) +
                   ", а строк с графиками только " + std::to_string(found) + ".";
        case Error::TooManyGraphs:
            return "в файле " + std::to_string(count) +
                   " графиков, а в таблице графиков помещается " + std::to_string(kMaxGraphs) + ".";
    }
    return {};
}

}  // namespace workfile
