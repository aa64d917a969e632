#include "RecognizerMemo.h"

namespace parser {

RecognizerMemo::RecognizerMemo(int length) : length_(length), dense_(length <= kDenseLimit) {
    if (dense_) {
        rows_.resize(static_cast<std::size_t>(length) + 1);
    } else {
        while ((std::size_t{1} << slotBits_) < static_cast<std::size_t>(length)) ++slotBits_;
        slots_.assign(std::size_t{1} << slotBits_, Slot{});
    }
}

// Fibonacci hashing: the top bits of the product mix both ends of the piece.
std::size_t RecognizerMemo::slotIndex(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> (64 - slotBits_));
}

PieceAnswers& RecognizerMemo::hashed(int a, int b) {
    const std::uint64_t key =
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a) + 1) << 32) |
        static_cast<std::uint32_t>(b);
    for (;;) {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = slotIndex(key);
        while (slots_[i].key != 0 && slots_[i].key != key) i = (i + 1) & mask;
        if (slots_[i].key == key) return slots_[i].answers;
        if ((used_ + 1) * 2 <= slots_.size()) {
            slots_[i].key = key;
            ++used_;
            return slots_[i].answers;
        }
        grow();
    }
}

const PieceAnswers* RecognizerMemo::findHashed(int a, int b) const {
    const std::uint64_t key =
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a) + 1) << 32) |
        static_cast<std::uint32_t>(b);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = slotIndex(key); slots_[i].key != 0; i = (i + 1) & mask)
        if (slots_[i].key == key) return &slots_[i].answers;
    return nullptr;
}

void RecognizerMemo::grow() {
    std::vector<Slot> old(slots_.size() * 2, Slot{});
    old.swap(slots_);
    ++slotBits_;
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& s : old) {
        if (s.key == 0) continue;
        std::size_t i = slotIndex(s.key);
        while (slots_[i].key != 0) i = (i + 1) & mask;
        slots_[i] = s;
    }
}

}  // namespace parser
