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

// The remembered answers of every piece asked about. Texts up to kDenseLimit characters keep,
// per start position, blocks of kBlock consecutive ends, each allocated when first used (fast,
// and the memory follows the pieces asked about); longer texts use an open-addressing hash
// table.
class RecognizerMemo {
  public:
    static constexpr int kDenseLimit = 4096;
    static constexpr int kBlockBits = 6;
    static constexpr int kBlock = 1 << kBlockBits;

    explicit RecognizerMemo(int length);

    PieceAnswers& at(int a, int b) {
        if (!dense_) return hashed(a, b);
        std::vector<std::unique_ptr<PieceAnswers[]>>& row = rows_[static_cast<std::size_t>(a)];
        if (row.empty()) row.resize(static_cast<std::size_t>(((length_ - a) >> kBlockBits) + 1));
        const int offset = b - a;
        std::unique_ptr<PieceAnswers[]>& block =
            row[static_cast<std::size_t>(offset >> kBlockBits)];
        if (!block) block.reset(new PieceAnswers[kBlock]());
        return block[static_cast<std::size_t>(offset & (kBlock - 1))];
    }

    // The answers known about [a, b), or nullptr when none is; allocates nothing.
    const PieceAnswers* find(int a, int b) const {
        if (!dense_) return findHashed(a, b);
        const std::vector<std::unique_ptr<PieceAnswers[]>>& row =
            rows_[static_cast<std::size_t>(a)];
        const std::size_t block = static_cast<std::size_t>((b - a) >> kBlockBits);
        if (block >= row.size() || !row[block]) return nullptr;
        return &row[block][static_cast<std::size_t>((b - a) & (kBlock - 1))];
    }

  private:
    struct Slot {
        std::uint64_t key;  // 0 = empty
        PieceAnswers answers;
    };

    PieceAnswers& hashed(int a, int b);
    const PieceAnswers* findHashed(int a, int b) const;
    std::size_t slotIndex(std::uint64_t key) const;
    void grow();

    int length_;
    bool dense_;
    std::vector<std::vector<std::unique_ptr<PieceAnswers[]>>> rows_;
    std::vector<Slot> slots_;
    int slotBits_ = 10;
    std::size_t used_ = 0;
};

}  // namespace parser
