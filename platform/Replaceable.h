#pragma once

#include <optional>
#include <utility>

// What the program asks of the desktop (its dialogs, say), which tests and the random walk answer
// themselves: made from the desktop's version the first time it is wanted, replaced by set(),
// given back by reset().
template <class T>
class Replaceable {
  public:
    explicit Replaceable(T (*desktop)()) : desktop_(desktop) {}

    const T& get() {
        if (!current_) current_ = desktop_();
        return *current_;
    }
    void set(T value) { current_ = std::move(value); }
    void reset() { current_ = desktop_(); }

  private:
    T (*desktop_)();
    std::optional<T> current_;
};
