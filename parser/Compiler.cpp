#include "Compiler.h"

#include <array>
#include <deque>
#include <unordered_map>

#include "ParserErrors.h"
#include "Preparation.h"
#include "Routines.h"
#include "TermClassifier.h"

namespace parser {
namespace {

// Builds the parse tree depth first, first operands before second ones, and places every
// operation in the level x position table. An operation sits one level below the term it
// computes; each term writes its value (variable, constant or result cell) into the operation
// slot of its parent as arg1 or arg2.
class TreeBuilder {
  public:
    TreeBuilder(TermRecognizer& recognizer, CompiledProgram& program)
        : recognizer_(recognizer), program_(program) {
        used_.fill(0);
        used_[0] = 1;  // the placeholder that receives the whole expression's value
    }

    void build(TextRange root) { buildTerm(root, 0, 1, 1, rootToken_); }

    void linearise() {
        int deepest = 0;
        for (int level = 1; level <= kMaxLevel; ++level) {
            if (used_[static_cast<std::size_t>(level)] > 0) deepest = level;
        }
        std::vector<ParserOperation>& steps = program_.steps;
        if (deepest == 0) {
            // A lone variable or number: the placeholder alone, doing nothing, its result the
            // operand's own storage.
            ParserOperation placeholder = slot(0, 1);
            placeholder.token = rootToken_;
            placeholder.dest = placeholder.arg1;
            placeholder.routine = routineForToken(rootToken_);
            steps.push_back(placeholder);
        } else {
            for (int level = deepest; level >= 1; --level) {
                for (int position = 1; position <= used_[static_cast<std::size_t>(level)];
                     ++position) {
                    ParserOperation step = slot(level, position);
                    if (step.token <= TokFourthPower) step.routine = routineForToken(step.token);
                    steps.push_back(step);
                }
            }
        }
        for (std::size_t k = 0; k + 1 < steps.size(); ++k) steps[k].next = &steps[k + 1];
        steps.back().next = nullptr;
        moveCellsTogether();
    }

  private:
    // The cells grew in a deque (their addresses must not move while the tree is built); the
    // program keeps them in one block, each cell still owned once.
    void moveCellsTogether() {
        std::vector<double>& block = program_.cells;
        block.assign(cells_.begin(), cells_.end());
        std::unordered_map<const double*, double*> moved;
        moved.reserve(cells_.size());
        for (std::size_t k = 0; k < cells_.size(); ++k) moved.emplace(&cells_[k], &block[k]);
        auto relocate = [&](double*& cell) {
            auto it = moved.find(cell);
            if (it != moved.end()) cell = it->second;  // variables stay where they are
        };
        for (ParserOperation& step : program_.steps) {
            relocate(step.arg1);
            if (step.arg2 != nullptr) relocate(step.arg2);
            relocate(step.dest);
        }
    }

    ParserOperation& slot(int level, int position) {
        return table_[static_cast<std::size_t>(level)][static_cast<std::size_t>(position)];
    }

    static void place(ParserOperation& op, int argSide, double* cell) {
        (argSide == 1 ? op.arg1 : op.arg2) = cell;
    }

    // The limits are tested each time a child term is created.
    int childPosition(int level) {
        if (level > kMaxLevel) throw ETooManyNestings(kMsgTooManyNestings);
        const int position = used_[static_cast<std::size_t>(level)] + 1;
        if (position > kMaxPosition) throw EExpressionTooComplex(kMsgTooComplex);
        return position;
    }

    void buildTerm(TextRange text, int level, int position, int argSide, std::uint8_t& token) {
        const TermClass term = classifyTerm(recognizer_, text);
        token = term.token;
        ParserOperation& own = slot(level, position);
        if (term.token == TokVariable) {
            place(own, argSide, term.variable);
            return;
        }
        if (term.token == TokConstant) {
            cells_.push_back(term.value);
            place(own, argSide, &cells_.back());
            return;
        }
        const int childLevel = level + 1;
        const int childPos = childPosition(childLevel);
        ParserOperation& op = slot(childLevel, childPos);
        op = ParserOperation{};
        op.token = term.token;
        op.routine = term.routine;
        cells_.push_back(0.0);
        op.dest = &cells_.back();
        place(own, argSide, op.dest);

        std::uint8_t childToken = 0;
        if (!isTwoOperandToken(term.token)) {
            ++used_[static_cast<std::size_t>(childLevel)];
            buildTerm(term.left, childLevel, childPos, 1, childToken);
            return;
        }
        buildTerm(term.left, childLevel, childPos, 1, childToken);
        secondChild(term.token, childLevel);
        buildTerm(term.right, childLevel, childPos, 2, childToken);
        ++used_[static_cast<std::size_t>(childLevel)];
    }

    // The second operand goes to the same level and position as the first.
    void secondChild(std::uint8_t token, int level) {
        if (!isTwoOperandToken(token)) throw EParserInternalError(kMsgInternal);
        childPosition(level);
    }

    TermRecognizer& recognizer_;
    CompiledProgram& program_;
    std::array<std::array<ParserOperation, kMaxPosition + 1>, kMaxLevel + 1> table_{};
    std::array<int, kMaxLevel + 1> used_{};
    std::uint8_t rootToken_ = TokVariable;
    std::deque<double> cells_;
};

thread_local std::size_t g_lastWork = 0;

// Records the recognisers' work when a compile ends, by success or by an error.
struct WorkRecord {
    const TermRecognizer& recognizer;
    ~WorkRecord() { g_lastWork = recognizer.probes(); }
};

}  // namespace

std::size_t lastCompileWork() {
    return g_lastWork;
}

std::unique_ptr<CompiledProgram> compileExpression(std::string_view text,
                                                   const RecognizerTables& tables) {
    g_lastWork = 0;
    TermRecognizer recognizer(prepareExpression(text), tables);
    const WorkRecord record{recognizer};
    int a = 0;
    int b = static_cast<int>(recognizer.text().size());
    recognizer.stripBrackets(a, b);

    auto program = std::make_unique<CompiledProgram>();
    TreeBuilder builder(recognizer, *program);
    builder.build(TextRange{a, b});
    builder.linearise();
    program->evaluator = std::make_unique<Evaluator>(program->steps, program->cells);
    return program;
}

}  // namespace parser
