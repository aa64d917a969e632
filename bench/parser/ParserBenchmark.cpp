// Evaluation of TParser against muparser and against the same expression written as C++, and
// compile times of ordinary, long and adversarial texts. After the runs a summary prints the
// ratios: evaluation ours/muparser (target <= 1.0) and ours/C++ (target <= 3.0), and the
// slowest adversarial compile (target < 50 ms).
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

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

void evalCpp(benchmark::State& state, const Case* c) {
    double x = -2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(c->cpp(x));
        x = nextX(x);
    }
}

std::string repeat(const std::string& unit, std::size_t length, const std::string& tail) {
    std::string text;
    while (text.size() + unit.size() + tail.size() <= length) text += unit;
    return text + tail;
}

// A valid text of about 1000 characters within the 21 x 50 limits: a sum of products.
std::string longValid() {
    std::string text;
    int terms = 0;
    while (text.size() < 960 && terms < 19) {
        text += (terms ? "+" : "") + std::string("(1.25*x-0.5)*(x+1.75)/(x*x+2.5)-sin(x)*cos(2*x)");
        ++terms;
    }
    return "(" + text + ")";
}

struct CompileCase {
    std::string name;
    std::string text;
    bool adversarial;
};

std::vector<CompileCase> compileCases() {
    return {
        {"ordinary", "2-1.2*x*x", false},
        {"long40", kCases[3].text, false},
        {"long1000", longValid(), false},
        {"adversarial_XxXminus", repeat("X*X-", 1000, "X"), true},
        {"adversarial_Xminus", repeat("X-", 1000, "X"), true},
        {"adversarial_XtimesMinus", repeat("X*-", 1000, "X"), true},
        {"adversarial_powers", repeat("X^-1*", 1000, "X"), true},
        {"adversarial_exponents", repeat("1E-", 1000, "1"), true},
        {"adversarial_signs", repeat(".--", 1000, "."), true},
        {"adversarial_mod", "MOM1/" + repeat("MOD-1", 995, ""), true},
        {"adversarial_div", repeat("X^-11.DIV-1DIV-1", 1000, ""), true},
        {"adversarial_slash", repeat("1/-1", 1000, ""), true},
        {"adversarial_brackets", std::string(499, '(') + "X" + std::string(499, ')'), true},
    };
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

}  // namespace

int main(int argc, char** argv) {
    for (const Case& c : kCases) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("eval/" + name + "/ours").c_str(), evalOurs, &c);
        benchmark::RegisterBenchmark(("eval/" + name + "/muparser").c_str(), evalMuparser, &c);
        benchmark::RegisterBenchmark(("eval/" + name + "/cpp").c_str(), evalCpp, &c);
    }
    const std::vector<CompileCase> compiles = compileCases();
    for (const CompileCase& c : compiles) {
        benchmark::RegisterBenchmark(("compile/" + c.name).c_str(), compileOurs, c.text)
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::AddCustomContext("cpu_model", cpuModel());
    benchmark::AddCustomContext("nproc", std::to_string(std::thread::hardware_concurrency()));
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nSummary (%s, %u CPUs)\n", cpuModel().c_str(),
                std::thread::hardware_concurrency());
    // The three forms must compute the same values; show the largest difference seen.
    double difference = 0;
    for (const Case& c : kCases) {
        TParser ours;
        ours.SetExpression(c.text);
        mu::Parser mu;
        double x = 0;
        mu.DefineVar("x", &x);
        mu.SetExpr(c.text);
        for (x = -2; x < 2; x += 0.37) {
            ours.X = x;
            const double expected = c.cpp(x);
            const double scale = std::max(1.0, std::fabs(expected));
            difference = std::max(difference, std::fabs(ours.Value() - expected) / scale);
            difference = std::max(difference, std::fabs(mu.Eval() - expected) / scale);
        }
    }
    std::printf("largest relative difference between the three forms: %.1e\n", difference);
    std::printf("CPU time per evaluation, ns\n");
    std::printf("%-10s %10s %10s %10s %14s %10s\n", "eval", "ours", "muparser", "C++",
                "ours/muparser", "ours/C++");
    for (const Case& c : kCases) {
        const std::string base = std::string("eval/") + c.name;
        const double ours = reporter.ns(base + "/ours");
        const double mu = reporter.ns(base + "/muparser");
        const double cpp = reporter.ns(base + "/cpp");
        if (ours == 0) continue;  // filtered out
        std::printf("%-10s %10.2f %10.2f %10.2f %14.2f %10.2f\n", c.name, ours, mu, cpp,
                    mu > 0 ? ours / mu : 0.0, cpp > 0 ? ours / cpp : 0.0);
    }
    double worst = 0;
    std::string worstName;
    for (const CompileCase& c : compiles) {
        const double ms = reporter.ns("compile/" + c.name) / 1e6;
        if (c.adversarial && ms > worst) {
            worst = ms;
            worstName = c.name;
        }
    }
    if (!worstName.empty()) {
        std::printf("slowest adversarial compile: %s %.3f ms (target < 50 ms)\n", worstName.c_str(),
                    worst);
    }
    benchmark::Shutdown();
    return 0;
}
