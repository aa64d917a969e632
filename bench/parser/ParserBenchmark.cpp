// Evaluation of TParser against muparser, ExprTk and the same expression written as C++, and
// compile times of ordinary, long and adversarial texts. Every input is checked before it is
// timed: the four forms give the same values, and each text compiles or fails as stated. After
// the runs a summary prints the ratios against their targets: ours/ExprTk <= 1 on every
// expression, ours/C++ <= 2 on the first three, every compile of up to 1000 characters < 5 ms.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ExprtkPeer.h"
#include "TParser.h"

namespace {

struct Case {
    const char* name;
    const char* text;
    double (*cpp)(double x);
};

// The three expressions of the example letters and a long one of 40 operations.
const Case kCases[] = {
    {"parabola", "2-1.2*x*x", [](double x) { return 2 - 1.2 * x * x; }},
    {"cosine", "1.08+1.06*cos(x)", [](double x) { return 1.08 + 1.06 * std::cos(x); }},
    {"shifted", "1.5+1.15*(x-1.15)*(x-1.15)",
     [](double x) { return 1.5 + 1.15 * (x - 1.15) * (x - 1.15); }},
    {"long40",
     "(1.5*x-2.1)*(x+0.7)/(x*x+1)+(2.2*x*x-3.1*x+0.5)*(0.3*x+1.2)-(x-1)*(x-2)*(x-3)/(x*x+4)"
     "+sin(x)*cos(x)+sqrt(x*x+1)-abs(x-0.5)*0.25+x/3*2",
     [](double x) {
         return (1.5 * x - 2.1) * (x + 0.7) / (x * x + 1) +
                (2.2 * x * x - 3.1 * x + 0.5) * (0.3 * x + 1.2) -
                (x - 1) * (x - 2) * (x - 3) / (x * x + 4) + std::sin(x) * std::cos(x) +
                std::sqrt(x * x + 1) - std::abs(x - 0.5) * 0.25 + x / 3 * 2;
     }},
};

// Function mode steps the argument by 0.01; so do the benchmarks, over [-2, 2).
double nextX(double x) {
    return x >= 2 ? -2 : x + 0.01;
}

void evalOurs(benchmark::State& state, const Case* c) {
    TParser parser;
    parser.SetExpression(c->text);
    double x = -2;
    for (auto _ : state) {
        parser.X = x;
        benchmark::DoNotOptimize(parser.Value());
        x = nextX(x);
    }
}

void evalMuparser(benchmark::State& state, const Case* c) {
    mu::Parser parser;
    double x = -2;
    parser.DefineVar("x", &x);
    parser.SetExpr(c->text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.Eval());
        x = nextX(x);
    }
}

void evalExprtk(benchmark::State& state, const Case* c) {
    ExprtkExpression expression(c->text);
    double& x = expression.x();
    x = -2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(expression.value());
        x = nextX(x);
    }
}

void evalCpp(benchmark::State& state, const Case* c) {
    double x = -2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(c->cpp(x));
        x = nextX(x);
    }
}

// What exactness would cost: + − × ÷ and SQRT over 1024 operand pairs, in plain double (as the
// evaluator computes them) and in extended precision rounded once to double (the exact routines,
// which differ from plain double by a rounding in about 1 case of 5000).
struct Operands {
    std::vector<double> a, b;
    Operands() {
        std::uint64_t state = 7;
        auto next = [&state] {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return static_cast<double>(state >> 11) * 0x1.0p-53;
        };
        for (int i = 0; i < 1024; ++i) {
            a.push_back((next() - 0.5) * 1e6);
            b.push_back(next() * 1e5 + 1);
        }
    }
};

template <class Real>
void exactness(benchmark::State& state) {
    static const Operands ops;
    std::vector<double> out(ops.a.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < ops.a.size(); ++i) {
            const Real a = ops.a[i], b = ops.b[i];
            double r = static_cast<double>(a + b);
            r += static_cast<double>(a - b);
            r += static_cast<double>(a * b);
            r += static_cast<double>(a / b);
            r += static_cast<double>(std::sqrt(b));
            out[i] = r;
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * ops.a.size() * 5));
}

std::string repeat(const std::string& unit, std::size_t length, const std::string& tail) {
    std::string text;
    while (text.size() + unit.size() + tail.size() <= length) text += unit;
    return text + tail;
}

// A valid text of nearly 1000 characters within the 21 levels x 50 places of the compiler: 8
// terms of 16 operations and 6 functions each, summed as a balanced tree so that no level runs
// deeper than the table.
std::string longValid() {
    std::vector<std::string> terms(
        8,
        "(1.25*x-0.5)*(x+1.75)/(x*x+2.5)-sin(x)*cos(2*x)+sqrt(x*x+1)*0.5-"
        "abs(x-0.25)*1.5+x/3-max(x,0.5)*min(x,1.5)+exp(-x)*(x-0.75)");
    while (terms.size() > 1) {
        std::vector<std::string> sums;
        for (std::size_t i = 0; i + 1 < terms.size(); i += 2)
            sums.push_back("(" + terms[i] + "+" + terms[i + 1] + ")");
        terms = sums;
    }
    return terms.front();
}

// What compiling a text must give: a program, or an error whose message starts so.
constexpr const char* kCompiles = "(compiles)";
constexpr const char* kSyntax = "Error parsing expression:";
constexpr const char* kNestings = "Expression contains too many nestings";

struct CompileCase {
    std::string name;
    std::string text;
    std::string outcome;
};

std::vector<CompileCase> compileCases() {
    return {
        {"ordinary", "2-1.2*x*x", kCompiles},
        {"long40", kCases[3].text, kCompiles},
        {"long1000", longValid(), kCompiles},
        {"adversarial_XxXminus", repeat("X*X-", 1000, "X"), kNestings},
        {"adversarial_Xminus", repeat("X-", 1000, "X"), kNestings},
        {"adversarial_XtimesMinus", repeat("X*-", 1000, "X"), kSyntax},
        {"adversarial_powers", repeat("X^-1*", 1000, "X"), kNestings},
        {"adversarial_exponents", repeat("1E-", 1000, "1"), kSyntax},
        {"adversarial_signs", repeat(".--", 1000, "."), kNestings},
        {"adversarial_mod", "MOM1/" + repeat("MOD-1", 995, ""), kSyntax},
        {"adversarial_div", repeat("X^-11.DIV-1DIV-1", 1000, ""), kSyntax},
        {"adversarial_slash", repeat("1/-1", 1000, ""), kNestings},
        {"adversarial_brackets", std::string(499, '(') + "X" + std::string(499, ')'), kCompiles},
        // "E" reads as a variable or as the exponent marker of the number before it.
        {"adversarial_E_sum", repeat("E+2*", 998, "-x"), kSyntax},
        {"adversarial_MODE", "(" + repeat("MODE-1", 998, "") + ")", kSyntax},
    };
}

// The outcome of compiling a text: kCompiles or the error's message.
std::string compileOutcome(const std::string& text) {
    TParser parser;
    try {
        parser.SetExpression(text);
    } catch (const EMathParserError& e) {
        return e.what();
    }
    return kCompiles;
}

void compileOurs(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        TParser parser;
        try {
            parser.SetExpression(text);
        } catch (const EMathParserError&) {
        }
        benchmark::DoNotOptimize(parser.FirstOperation());
    }
    state.counters["chars"] = static_cast<double>(text.size());
}

// Collects the CPU time per iteration of every run for the summary; on a shared machine CPU
// time is steadier than wall time. With --benchmark_repetitions the median is taken.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const double ns =
                run.GetAdjustedCPUTime() * (run.time_unit == benchmark::kMicrosecond ? 1e3 : 1.0);
            const std::string name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median") medians_[name] = ns;
            } else if (run.iterations > 0) {
                nanoseconds_[name] = ns;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double ns(const std::string& name) const {
        auto median = medians_.find(name);
        if (median != medians_.end()) return median->second;
        auto it = nanoseconds_.find(name);
        return it == nanoseconds_.end() ? 0 : it->second;
    }

  private:
    std::map<std::string, double> nanoseconds_;
    std::map<std::string, double> medians_;
};

std::string cpuModel() {
    std::ifstream info("/proc/cpuinfo");
    std::string line;
    while (std::getline(info, line)) {
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    }
    return "unknown";
}

// Stops the run when an input does not give what the benchmark says it times.
void require(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "benchmark input check failed: %s\n", what.c_str());
    std::exit(1);
}

// The four forms of each expression agree (to rounding; the peers fold and reorder) at every
// point the benchmark visits.
void checkEvaluationInputs() {
    for (const Case& c : kCases) {
        TParser ours;
        ours.SetExpression(c.text);
        ExprtkExpression exprtk(c.text);
        mu::Parser mu;
        double x = 0;
        mu.DefineVar("x", &x);
        mu.SetExpr(c.text);
        for (int i = 0; i < 400; ++i) {
            x = -2 + 0.01 * i;
            ours.X = x;
            exprtk.x() = x;
            const double expected = c.cpp(x);
            const double tolerance = 1e-12 * std::max(1.0, std::fabs(expected));
            require(std::fabs(ours.Value() - expected) <= tolerance, std::string(c.name) + " ours");
            require(std::fabs(exprtk.value() - expected) <= tolerance,
                    std::string(c.name) + " ExprTk");
            require(std::fabs(mu.Eval() - expected) <= tolerance,
                    std::string(c.name) + " muparser");
        }
    }
}

void checkCompileInputs(const std::vector<CompileCase>& cases) {
    for (const CompileCase& c : cases) {
        const std::string got = compileOutcome(c.text);
        require(got.rfind(c.outcome, 0) == 0,
                c.name + " gives '" + got.substr(0, 60) + "', not '" + c.outcome + "'");
        require(c.text.size() <= 1000, c.name + " is longer than 1000 characters");
    }
}

}  // namespace

int main(int argc, char** argv) {
    checkEvaluationInputs();
    const std::vector<CompileCase> compiles = compileCases();
    checkCompileInputs(compiles);
    for (const Case& c : kCases) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("eval/" + name + "/ours").c_str(), evalOurs, &c);
        benchmark::RegisterBenchmark(("eval/" + name + "/exprtk").c_str(), evalExprtk, &c);
        benchmark::RegisterBenchmark(("eval/" + name + "/muparser").c_str(), evalMuparser, &c);
        benchmark::RegisterBenchmark(("eval/" + name + "/cpp").c_str(), evalCpp, &c);
    }
    for (const CompileCase& c : compiles) {
        benchmark::RegisterBenchmark(("compile/" + c.name).c_str(), compileOurs, c.text)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("exactness/double", exactness<double>);
    benchmark::RegisterBenchmark("exactness/extended", exactness<long double>);

    benchmark::AddCustomContext("cpu_model", cpuModel());
    benchmark::AddCustomContext("nproc", std::to_string(std::thread::hardware_concurrency()));
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nSummary (%s, %u CPUs)\n", cpuModel().c_str(),
                std::thread::hardware_concurrency());
    std::printf(
        "CPU time per evaluation, ns; targets ours/ExprTk <= 1, ours/C++ <= 2 (first three)\n");
    std::printf("%-10s %8s %8s %8s %8s %12s %12s %9s\n", "eval", "ours", "ExprTk", "muparser",
                "C++", "ours/ExprTk", "ours/muparser", "ours/C++");
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        const std::string base = std::string("eval/") + c.name;
        const double ours = reporter.ns(base + "/ours");
        const double tk = reporter.ns(base + "/exprtk");
        const double mu = reporter.ns(base + "/muparser");
        const double cpp = reporter.ns(base + "/cpp");
        if (ours == 0 || tk == 0 || mu == 0 || cpp == 0) continue;  // filtered out
        const bool misses = ours > tk || (i < 3 && ours > 2 * cpp);
        std::printf("%-10s %8.2f %8.2f %8.2f %8.2f %12.2f %12.2f %9.2f%s\n", c.name, ours, tk, mu,
                    cpp, ours / tk, ours / mu, ours / cpp, misses ? "  misses its target" : "");
    }
    const double plain = reporter.ns("exactness/double"),
                 extended = reporter.ns("exactness/extended");
    if (plain > 0 && extended > 0)
        std::printf("exactness: + - * / SQRT in extended precision cost %.2f times plain double\n",
                    extended / plain);
    double worst = 0;
    std::string worstName;
    for (const CompileCase& c : compiles) {
        const double ms = reporter.ns("compile/" + c.name) / 1e6;
        if (ms > worst) {
            worst = ms;
            worstName = c.name;
        }
    }
    if (!worstName.empty()) {
        std::printf("slowest compile: %s %.3f ms (target < 5 ms)\n", worstName.c_str(), worst);
    }
    benchmark::Shutdown();
    return 0;
}
