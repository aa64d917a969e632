// The work file: what it reads, what it refuses and why, and that writing and reading agree.
// Expected files and values are worked out by hand from docs/file-format.md.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

#include "WorkFile.h"

using workfile::Error;
using workfile::Graph;
using workfile::Work;
using namespace std::string_literals;

namespace {

const std::string kHead = "literon-work 1\n";

// The example of the format: the letter К from its key, with a comment and two graphs.
const std::string kExampleFile =
    "literon-work 1\n"
    "letter: К\n"
    "comment: Группа «Звёздочки», 5 «Б»\n"
    "graphs: 2\n"
    "graph: 0; x; 0; 3\n"
    "graph: x; 2.98; -0.75; 0.75\n";

Work exampleWork() {
    Work work;
    work.begin = Work::Begin::Key;
    work.letter = "К";
    work.comment = "Группа «Звёздочки», 5 «Б»";
    work.graphs = {{"0", "x", 0, 3}, {"x", "2.98", -0.75, 0.75}};
    return work;
}

// A file that is correct up to its graph lines, which are `graphLines` under "graphs: count".
std::string withGraphs(const std::string& count, const std::string& graphLines) {
    return kHead + "letter: П\ngraphs: " + count + "\n" + graphLines;
}

struct Refusal {
    const char* what;
    std::string bytes;
    Error error;
    int line = 0;
};

void expectRefusals(const std::vector<Refusal>& refusals) {
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        const workfile::ReadResult result = workfile::read(refusal.bytes);
        EXPECT_EQ(result.error, refusal.error);
        EXPECT_EQ(result.line, refusal.line);
        EXPECT_FALSE(result.work.has_value());
    }
}

}  // namespace

// ---- Writing and reading back ----

TEST(RoundTrip, WritesTheExampleFileByteForByte) {
    EXPECT_EQ(workfile::write(exampleWork()), kExampleFile);
}

TEST(RoundTrip, ReadsTheExampleFile) {
    const workfile::ReadResult result = workfile::read(kExampleFile);
    ASSERT_EQ(result.error, Error::None);
    ASSERT_TRUE(result.work.has_value());
    EXPECT_EQ(*result.work, exampleWork());
    EXPECT_EQ(result.message(), "");
}

TEST(RoundTrip, EachWayOfBeginningIsWrittenAndReadBack) {
    Work blank;
    blank.begin = Work::Begin::Blank;
    blank.graphs = {{"-1.5+x", "x*x", -2, 2}};
    EXPECT_EQ(workfile::write(blank), kHead + "letter: -\ngraphs: 1\ngraph: -1.5+x; x*x; -2; 2\n");

    Work example;
    example.begin = Work::Begin::Example;
    example.letter = "Ж";
    EXPECT_EQ(workfile::write(example), kHead + "example: Ж\ngraphs: 0\n");

    // "-" after "example" is a letter like any other; only after "letter" it means the blank key.
    Work dash;
    dash.begin = Work::Begin::Example;
    dash.letter = "-";

    Work astral;  // a four-byte code point is still one letter
    astral.letter = "\xF0\x9F\x98\x80";
    astral.comment = "   отступ и хвост  ";
    astral.graphs = {{"sqrt(abs(sin(x)))", "PH(x)*RND(10)-PI", -0.001, 1e-7}};

    for (const Work& work : {blank, example, dash, astral, exampleWork()}) {
        const std::string file = workfile::write(work);
        SCOPED_TRACE(file);
        const workfile::ReadResult result = workfile::read(file);
        ASSERT_TRUE(result.work.has_value()) << result.message();
        EXPECT_EQ(*result.work, work);
        EXPECT_EQ(workfile::write(*result.work), file);
    }
}

TEST(RoundTrip, AWorkAtEveryLimitComesBack) {
    Work work;
    work.letter = "Я";
    for (std::size_t i = 0; i < workfile::kMaxCommentLetters; ++i) work.comment += "ё";
    const std::string longest(workfile::kMaxExpressionBytes, 'x');
    work.graphs.assign(workfile::kMaxGraphs, Graph{"x", "1", 0, 1});
    work.graphs.front() = {longest, longest, -DBL_MAX, DBL_MAX};
    work.graphs.back() = {"x", "x", -DBL_TRUE_MIN, DBL_TRUE_MIN};
    const workfile::ReadResult result = workfile::read(workfile::write(work));
    ASSERT_TRUE(result.work.has_value()) << result.message();
    EXPECT_EQ(*result.work, work);
}

// Line ends, a BOM, blank lines and spaces around the fields are how editors leave a file; the
// work is the same and writing it gives the canonical file again.
TEST(RoundTrip, AHandEditedFileReadsAsThePlainOne) {
    const std::string edited =
        "\xEF\xBB\xBF"
        "literon-work 1\r\n"
        "\r\n"
        "letter: К\r\n"
        "\n"
        "comment: Группа «Звёздочки», 5 «Б»\r\n"
        "graphs: 2\r\n"
        "\r\n"
        "graph:  0 ;x;  0;3   \r\n"
        "\n"
        "graph: x ;  2.98 ; -0.750 ; 00.75\r\n"
        "\r\n"
        "\n";
    const workfile::ReadResult result = workfile::read(edited);
    ASSERT_TRUE(result.work.has_value()) << result.message();
    EXPECT_EQ(*result.work, exampleWork());
    EXPECT_EQ(workfile::write(*result.work), kExampleFile);
}

TEST(RoundTrip, TheLastLineMayLackItsLineEnd) {
    const std::string file = kExampleFile.substr(0, kExampleFile.size() - 1);
    const workfile::ReadResult result = workfile::read(file);
    ASSERT_TRUE(result.work.has_value()) << result.message();
    EXPECT_EQ(*result.work, exampleWork());
}

TEST(RoundTrip, AnEmptyCommentIsNoComment) {
    const workfile::ReadResult result = workfile::read(kHead + "letter: -\ncomment: \ngraphs: 0\n");
    ASSERT_TRUE(result.work.has_value()) << result.message();
    EXPECT_EQ(result.work->begin, Work::Begin::Blank);
    EXPECT_EQ(result.work->letter, "");
    EXPECT_EQ(result.work->comment, "");
    EXPECT_EQ(workfile::write(*result.work), kHead + "letter: -\ngraphs: 0\n");
}

TEST(RoundTrip, AFileWithNoGraphsIsAWork) {
    const workfile::ReadResult result = workfile::read(kHead + "example: Ё\ngraphs: 0");
    ASSERT_TRUE(result.work.has_value()) << result.message();
    EXPECT_EQ(result.work->begin, Work::Begin::Example);
    EXPECT_EQ(result.work->letter, "Ё");
    EXPECT_TRUE(result.work->graphs.empty());
}

// ---- Numbers ----

TEST(Numbers, AreWrittenShortestWithAPoint) {
    EXPECT_EQ(workfile::formatNumber(0.75), "0.75");
    EXPECT_EQ(workfile::formatNumber(-0.4), "-0.4");
    EXPECT_EQ(workfile::formatNumber(3), "3");
    EXPECT_EQ(workfile::formatNumber(-2.98), "-2.98");
    EXPECT_EQ(workfile::formatNumber(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(workfile::formatNumber(-0.0), "-0");
}

// The end of the first graph of a file whose only graph runs from 0 to `end`, read back.
double endReadBack(double end) {
    Work work;
    work.begin = Work::Begin::Blank;
    work.graphs = {{"x", "x", 0, end}};
    const workfile::ReadResult result = workfile::read(workfile::write(work));
    EXPECT_TRUE(result.work.has_value()) << result.message();
    return result.work ? result.work->graphs.front().end : std::nan("");
}

TEST(Numbers, ReadBackToTheVeryDouble) {
    EXPECT_EQ(endReadBack(0.1 + 0.2), 0.1 + 0.2);
    EXPECT_NE(endReadBack(0.1 + 0.2), 0.3);

    // Fixed notation spells 1e300 out in full: 301 digits, no exponent.
    const std::string big = workfile::formatNumber(1e300);
    EXPECT_EQ(big.size(), 301u);
    EXPECT_EQ(big.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(big.substr(0, 17), "10000000000000000");
    EXPECT_EQ(endReadBack(1e300), 1e300);

    const double negativeZero = endReadBack(-0.0);
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
    EXPECT_FALSE(std::signbit(endReadBack(0.0)));

    // The extremes fit in the 400 characters a number may have.
    EXPECT_EQ(workfile::formatNumber(-DBL_MAX).size(), 310u);
    EXPECT_EQ(endReadBack(-DBL_MAX), -DBL_MAX);
    EXPECT_EQ(endReadBack(DBL_TRUE_MIN), DBL_TRUE_MIN);
}

TEST(Numbers, TheTextOfANumberIsStrict) {
    for (const std::string& good : {"007"s, "-0"s, "12.50"s, "-0.000"s, "1000000"s}) {
        SCOPED_TRACE(good);
        const workfile::ReadResult result =
            workfile::read(withGraphs("1", "graph: x; x; " + good + "; 1\n"));
        ASSERT_TRUE(result.work.has_value()) << result.message();
        EXPECT_EQ(result.work->graphs.front().start, std::stod(good));
    }
    const std::string overflow = "1" + std::string(309, '0');          // 1e309
    const std::string underflow = "0." + std::string(330, '0') + "1";  // 1e-331
    const std::string tooLong = "1." + std::string(399, '0');          // 401 characters
    for (const std::string& bad :
         {std::string("+1"), std::string("1."), std::string(".5"), std::string("1e5"),
          std::string("1,5"), std::string("--1"), std::string("-"), std::string("0x10"),
          std::string("inf"), std::string("nan"), std::string("1 2"), std::string("½"),
          std::string("1.2.3"), overflow, underflow, tooLong}) {
        SCOPED_TRACE(bad);
        const workfile::ReadResult result =
            workfile::read(withGraphs("2", "graph: x; x; 0; 1\ngraph: x; x; 0; " + bad + "\n"));
        EXPECT_EQ(result.error, Error::BadNumber);
        EXPECT_EQ(result.line, 5);
        EXPECT_EQ(result.text, bad);
    }
    // 400 characters is still a number.
    const std::string longest = "1." + std::string(398, '0');
    const workfile::ReadResult result =
        workfile::read(withGraphs("1", "graph: x; x; " + longest + "; 1"));
    ASSERT_TRUE(result.work.has_value()) << result.message();
    EXPECT_EQ(result.work->graphs.front().start, 1.0);
}

// ---- Refusals, each with its line and its message ----

TEST(Refusals, EmptyFiles) {
    expectRefusals({
        {"nothing", "", Error::Empty},
        {"one line end", "\n", Error::Empty},
        {"a BOM alone", "\xEF\xBB\xBF", Error::Empty},
        {"blanks and line ends", "\xEF\xBB\xBF \t\r\n\n  \r\n", Error::Empty},
    });
    EXPECT_EQ(workfile::read("").message(), "файл пуст.");
}

TEST(Refusals, FilesThatAreNoWorkFiles) {
    expectRefusals({
        {"version 0", "literon-work 0\nletter: -\ngraphs: 0\n", Error::NotWorkFile},
        {"no version", "literon-work\n", Error::NotWorkFile},
        {"no version after the space", "literon-work \n", Error::NotWorkFile},
        {"leading zero", "literon-work 01\n", Error::NotWorkFile},
        {"a sign", "literon-work +1\n", Error::NotWorkFile},
        {"a space after", "literon-work 1 \n", Error::NotWorkFile},
        {"two spaces", "literon-work  1\n", Error::NotWorkFile},
        {"capital", "Literon-work 1\n", Error::NotWorkFile},
        {"ten digits", "literon-work 1000000000\n", Error::NotWorkFile},
        {"a blank line first", "\nliteron-work 1\nletter: -\ngraphs: 0\n", Error::NotWorkFile},
        {"a second BOM", "\xEF\xBB\xBF\xEF\xBB\xBFliteron-work 1\n", Error::NotWorkFile},
        {"a picture", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, Error::NotWorkFile},
        {"a NUL in line 1", "literon-work 1\0\n"s, Error::NotWorkFile},
        {"a lone CR ends line 1", "literon-work 1\r\rletter: -\n", Error::NotWorkFile},
        {"invalid UTF-8 in line 1", "literon-work \xC0\xB1\n", Error::NotWorkFile},
        {"some other text", "Дорогие ребята!\n", Error::NotWorkFile},
    });
    EXPECT_EQ(workfile::read("x").message(), "это не рабочий файл Литерона.");
}

TEST(Refusals, NewerFilesAreNotReadPastTheirFirstLine) {
    const workfile::ReadResult two = workfile::read("literon-work 2\nwhatever \xFF\0 comes\n"s);
    EXPECT_EQ(two.error, Error::Newer);
    EXPECT_EQ(two.count, 2);
    EXPECT_FALSE(two.work.has_value());
    EXPECT_EQ(two.message(),
              "файл записан более новой версией Литерона (формат 2), а эта версия читает формат "
              "1.");

    const workfile::ReadResult largest = workfile::read("\xEF\xBB\xBFliteron-work 999999999");
    EXPECT_EQ(largest.error, Error::Newer);
    EXPECT_EQ(largest.count, 999999999);
}

TEST(Refusals, TextThatIsNoText) {
    const auto inComment = [](const std::string& bytes) {
        return kHead + "letter: -\ncomment: а" + bytes + "б\ngraphs: 0\n";
    };
    expectRefusals({
        {"overlong C0 80", inComment("\xC0\x80"), Error::BadText, 3},
        {"overlong C1 BF", inComment("\xC1\xBF"), Error::BadText, 3},
        {"overlong E0 9F BF", inComment("\xE0\x9F\xBF"), Error::BadText, 3},
        {"overlong F0 8F BF BF", inComment("\xF0\x8F\xBF\xBF"), Error::BadText, 3},
        {"surrogate ED A0 80", inComment("\xED\xA0\x80"), Error::BadText, 3},
        {"above U+10FFFF: F4 90 80 80", inComment("\xF4\x90\x80\x80"), Error::BadText, 3},
        {"F5 lead", inComment("\xF5\x80\x80\x80"), Error::BadText, 3},
        {"FF", inComment("\xFF"), Error::BadText, 3},
        {"lone continuation", inComment("\x80"), Error::BadText, 3},
        {"lone E2 82", inComment("\xE2\x82"), Error::BadText, 3},
        {"E2 82 cut by the line end", kHead + "letter: -\ncomment: \xE2\x82\n", Error::BadText, 3},
        {"E2 82 at the end of the file", kHead + "letter: \xE2\x82", Error::BadText, 2},
        {"four bytes cut to three", inComment("\xF0\x9F\x98"), Error::BadText, 3},
        {"NUL", inComment("\0"s), Error::BadText, 3},
        {"tab", inComment("\t"), Error::BadText, 3},
        {"DEL", inComment("\x7F"), Error::BadText, 3},
        {"escape", inComment("\x1B"), Error::BadText, 3},
        {"CR inside a line", inComment("\r"), Error::BadText, 3},
        {"CR ending the last line", kHead + "letter: -\ngraphs: 0\r", Error::BadText, 3},
        {"two CRs before LF", kHead + "letter: -\r\r\ngraphs: 0\n", Error::BadText, 2},
        {"a tab alone on a line", kHead + "letter: -\n\t\ngraphs: 0\n", Error::BadText, 3},
        {"in a graph", withGraphs("1", "\ngraph: x\xED\xA0\x80; x; 0; 1\n"), Error::BadText, 5},
    });
    EXPECT_EQ(workfile::read(inComment("\xFF")).message(),
              "в строке 3 есть знаки, которых не бывает в тексте.");
}

TEST(Refusals, TextAtTheEdgesOfUnicodeIsText) {
    for (const std::string& letter :
         {"\xC2\x80"s, "\xDF\xBF"s, "\xE0\xA0\x80"s, "\xED\x9F\xBF"s, "\xEE\x80\x80"s,
          "\xEF\xBF\xBF"s, "\xF0\x90\x80\x80"s, "\xF4\x8F\xBF\xBF"s}) {
        const workfile::ReadResult result =
            workfile::read(kHead + "example: " + letter + "\ngraphs: 0\n");
        ASSERT_TRUE(result.work.has_value()) << result.message();
        EXPECT_EQ(result.work->letter, letter);
    }
}

TEST(Refusals, LinesOutOfTheFormat) {
    const std::string graph = "graph: x; x; 0; 1\n";
    expectRefusals({
        {"no letter", kHead + "graphs: 0\n", Error::BadLine, 2},
        {"no space after the colon", kHead + "letter:К\ngraphs: 0\n", Error::BadLine, 2},
        {"a space before the colon", kHead + "letter : К\ngraphs: 0\n", Error::BadLine, 2},
        {"capital key", kHead + "Letter: К\ngraphs: 0\n", Error::BadLine, 2},
        {"unknown key", kHead + "letter: К\nauthor: Петя\ngraphs: 0\n", Error::BadLine, 3},
        {"two letters", kHead + "letter: КЛ\ngraphs: 0\n", Error::BadLine, 2},
        {"no letter after the key", kHead + "letter: \ngraphs: 0\n", Error::BadLine, 2},
        {"a letter and a space", kHead + "letter: К \ngraphs: 0\n", Error::BadLine, 2},
        {"two letters after example", kHead + "example: -1\ngraphs: 0\n", Error::BadLine, 2},
        {"a second letter", kHead + "letter: К\nletter: Л\ngraphs: 0\n", Error::BadLine, 3},
        {"letter after example", kHead + "example: К\nletter: К\ngraphs: 0\n", Error::BadLine, 3},
        {"comment first", kHead + "comment: а\nletter: К\ngraphs: 0\n", Error::BadLine, 2},
        {"a second comment", kHead + "letter: К\ncomment: а\ncomment: б\ngraphs: 0\n",
         Error::BadLine, 4},
        {"a comment without its space", kHead + "letter: К\ncomment:\ngraphs: 0\n", Error::BadLine,
         3},
        {"a line of spaces", kHead + "letter: К\n   \ngraphs: 0\n", Error::BadLine, 3},
        {"graphs negative", kHead + "letter: К\ngraphs: -1\n", Error::BadLine, 3},
        {"graphs with a leading zero", kHead + "letter: К\ngraphs: 01\n" + graph, Error::BadLine,
         3},
        {"graphs with a point", kHead + "letter: К\ngraphs: 1.0\n" + graph, Error::BadLine, 3},
        {"graphs empty", kHead + "letter: К\ngraphs: \n", Error::BadLine, 3},
        {"graphs ten digits", kHead + "letter: К\ngraphs: 1000000000\n", Error::BadLine, 3},
        {"graphs with a space after", kHead + "letter: К\ngraphs: 1 \n" + graph, Error::BadLine, 3},
        {"three fields", withGraphs("1", "graph: x; x; 0\n"), Error::BadLine, 4},
        {"five fields", withGraphs("1", "graph: x; x; 0; 1; 2\n"), Error::BadLine, 4},
        {"empty X", withGraphs("1", "graph:  ; x; 0; 1\n"), Error::BadLine, 4},
        {"empty Y", withGraphs("1", "graph: x;; 0; 1\n"), Error::BadLine, 4},
        {"empty start", withGraphs("1", "graph: x; x; ; 1\n"), Error::BadLine, 4},
        {"empty end", withGraphs("1", "graph: x; x; 0;\n"), Error::BadLine, 4},
        {"a graph where none was declared", withGraphs("0", graph), Error::BadLine, 4},
        {"one graph too many", withGraphs("1", graph + "\n" + graph), Error::BadLine, 6},
        {"something after the graphs", withGraphs("1", graph + "comment: а\n"), Error::BadLine, 5},
        {"graphs twice", withGraphs("1", "graphs: 1\n" + graph), Error::BadLine, 4},
        // Cut before the count: the line that should be next is the one that is wrong.
        {"only the first line", kHead, Error::BadLine, 2},
        {"cut after the letter", kHead + "letter: К\n\n", Error::BadLine, 4},
        {"cut after the comment", kHead + "letter: К\ncomment: а", Error::BadLine, 4},
    });
    EXPECT_EQ(workfile::read(kHead + "letter: КЛ\n").message(),
              "строка 2 не по формату рабочего файла.");
}

TEST(Refusals, BadNumbersAreQuoted) {
    const workfile::ReadResult result =
        workfile::read(withGraphs("1", "\n\ngraph: x; x;   1e5 ; 1\n"));
    EXPECT_EQ(result.error, Error::BadNumber);
    EXPECT_EQ(result.line, 6);
    EXPECT_EQ(result.text, "1e5");
    EXPECT_EQ(result.message(), "в строке 6 число «1e5» не читается.");

    // The start is read before the end.
    EXPECT_EQ(workfile::read(withGraphs("1", "graph: x; x; a; b\n")).text, "a");

    // A long text is cut in the message after 40 letters; the result keeps all of it.
    const std::string longText = std::string(39, '9') + "жжж";
    const workfile::ReadResult longOne =
        workfile::read(withGraphs("1", "graph: x; x; 0; " + longText + "\n"));
    EXPECT_EQ(longOne.text, longText);
    EXPECT_EQ(longOne.message(), "в строке 4 число «" + std::string(39, '9') + "ж…» не читается.");
}

TEST(Refusals, TruncatedGraphs) {
    const std::string graph = "graph: x; x; 0; 1\n";
    const workfile::ReadResult result = workfile::read(withGraphs("3", graph + "\n" + graph));
    EXPECT_EQ(result.error, Error::Truncated);
    EXPECT_EQ(result.count, 3);
    EXPECT_EQ(result.found, 2);
    EXPECT_FALSE(result.work.has_value());
    EXPECT_EQ(result.message(), "файл обрезан: графиков в нём 3, а строк с графиками только 2.");

    const workfile::ReadResult none = workfile::read(withGraphs("1", "\n"));
    EXPECT_EQ(none.error, Error::Truncated);
    EXPECT_EQ(none.count, 1);
    EXPECT_EQ(none.found, 0);
}

// ---- Limits ----

TEST(Limits, TwentyThousandGraphsAndNotOneMore) {
    std::string lines;
    for (int i = 0; i < workfile::kMaxGraphs; ++i) lines += "graph: x; x; 0; 1\n";
    const workfile::ReadResult full = workfile::read(withGraphs("20000", lines));
    ASSERT_TRUE(full.work.has_value()) << full.message();
    EXPECT_EQ(full.work->graphs.size(), 20000u);

    const workfile::ReadResult over =
        workfile::read(withGraphs("20001", lines + "graph: x; x; 0; 1\n"));
    EXPECT_EQ(over.error, Error::TooManyGraphs);
    EXPECT_EQ(over.count, 20001);
    EXPECT_EQ(over.message(), "в файле 20001 графиков, а в таблице графиков помещается 20000.");

    EXPECT_EQ(workfile::read(withGraphs("999999999", "")).count, 999999999);
}

TEST(Limits, EightMebibytesAndNotOneByteMore) {
    std::string file = kExampleFile;
    file.resize(workfile::kMaxBytes, '\n');
    const workfile::ReadResult full = workfile::read(file);
    ASSERT_TRUE(full.work.has_value()) << full.message();
    EXPECT_EQ(*full.work, exampleWork());

    file += '\n';
    const workfile::ReadResult over = workfile::read(file);
    EXPECT_EQ(over.error, Error::TooLarge);
    EXPECT_EQ(over.message(), "файл больше 8 МБ, это не рабочий файл Литерона.");

    // Too large is said without looking: junk is not reported as junk.
    EXPECT_EQ(workfile::read(std::string(workfile::kMaxBytes + 1, '\0')).error, Error::TooLarge);
}

TEST(Limits, ExpressionsCountBytesAndCommentsCountLetters) {
    const std::string longest(workfile::kMaxExpressionBytes, 'x');
    const workfile::ReadResult fits =
        workfile::read(withGraphs("1", "graph: " + longest + "; " + longest + "; 0; 1\n"));
    ASSERT_TRUE(fits.work.has_value()) << fits.message();
    EXPECT_EQ(fits.work->graphs.front().x, longest);

    // 16383 two-byte letters are 32766 bytes; one more is over.
    std::string cyrillic;
    for (int i = 0; i < 16383; ++i) cyrillic += "ы";
    EXPECT_TRUE(workfile::read(withGraphs("1", "graph: x; " + cyrillic + "; 0; 1\n")).work);
    const workfile::ReadResult over =
        workfile::read(withGraphs("1", "graph: x; " + cyrillic + "ы; 0; 1\n"));
    EXPECT_EQ(over.error, Error::BadLine);
    EXPECT_EQ(over.line, 4);

    // 200 letters of two bytes each: 400 bytes, but 200 letters, fits; 201 do not.
    std::string comment;
    for (int i = 0; i < 200; ++i) comment += "ю";
    const workfile::ReadResult commented =
        workfile::read(kHead + "letter: -\ncomment: " + comment + "\ngraphs: 0\n");
    ASSERT_TRUE(commented.work.has_value()) << commented.message();
    EXPECT_EQ(commented.work->comment, comment);
    const workfile::ReadResult tooLong =
        workfile::read(kHead + "letter: -\ncomment: " + comment + " \ngraphs: 0\n");
    EXPECT_EQ(tooLong.error, Error::BadLine);
    EXPECT_EQ(tooLong.line, 3);
}

// ---- Cut files ----

// A file cut short reads only when the cut falls inside the last number, where nothing can tell
// "0.7" from "0.75"; every other cut is refused, and a cut between graph lines says how many of
// them arrived.
TEST(CutFiles, AreRefusedUnlessCutInsideTheLastNumber) {
    Work work = exampleWork();
    work.graphs.push_back({"1.08+1.06*cos(x)", "x", -1.25, 1.25});
    const std::string file = workfile::write(work);
    const std::size_t lastNumber = file.rfind("; ") + 2;
    std::vector<std::size_t> graphLineEnds;
    for (std::size_t at = file.find("\ngraph: "); at != std::string::npos;
         at = file.find("\ngraph: ", at + 1)) {
        graphLineEnds.push_back(at + 1);
    }
    ASSERT_EQ(graphLineEnds.size(), 3u);

    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        SCOPED_TRACE(file.substr(0, cut));
        const workfile::ReadResult result = workfile::read(file.substr(0, cut));
        for (std::size_t k = 0; k < graphLineEnds.size(); ++k) {
            if (cut == graphLineEnds[k]) {
                EXPECT_EQ(result.error, Error::Truncated);
                EXPECT_EQ(result.count, 3);
                EXPECT_EQ(result.found, static_cast<long long>(k));
            }
        }
        if (!result.work) {
            EXPECT_NE(result.error, Error::None);
            continue;
        }
        EXPECT_GT(cut, lastNumber);
        Work read = *result.work;
        ASSERT_EQ(read.graphs.size(), 3u);
        read.graphs.back().end = work.graphs.back().end;
        EXPECT_EQ(read, work);
    }
    // Only the final line end missing: the very work.
    EXPECT_EQ(workfile::read(file.substr(0, file.size() - 1)).work, work);
}
