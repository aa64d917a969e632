#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace parser {

// What is known about one piece [a, b) of the text: a bit per recogniser in `known`, and in
// `accepted` the answers.
struct PieceAnswers {
    std::uint32_t known = 0;
    std::uint32_t accepted = 0;
};

// The remembered answers of every piece asked about. Texts up to kDenseLimit characters keep a
// row per start position, allocated when first used (fast, at most a few megabytes); longer
// texts use an open-addressing hash table whose size follows the number of pieces asked about.
class RecognizerMemo {
public:
    static constexpr int kDenseLimit = 4096;

    explicit RecognizerMemo(int length);

    PieceAnswers& at(int a, int b) {
        if (dense_) {
            std::unique_ptr<PieceAnswers[]>& row = rows_[static_cast<std::size_t>(a)];
            if (!row) row.reset(new PieceAnswers[static_cast<std::size_t>(length_ - a + 1)]());
            return row[static_cast<std::size_t>(b - a)];
        }
        return hashed(a, b);
    }

private:
    struct Slot {
        std::uint64_t key;  // 0 = empty
        PieceAnswers answers;
    };

    PieceAnswers& hashed(int a, int b);
    std::size_t slotIndex(std::uint64_t key) const;
    void grow();

    int length_;
    bool dense_;
    std::vector<std::unique_ptr<PieceAnswers[]>> rows_;
    std::vector<Slot> slots_;
    int slotBits_ = 10;
    std::size_t used_ = 0;
};

}  // namespace parser
