#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "ParserOperation.h"

namespace parser {

// A sorted table of upper-case names. Lookups take a view of the (upper-cased) expression text,
// so nothing is copied while compiling.
template <class T>
class NameTable {
  public:
    // Adds a name; false when it is already present (the old entry stays).
    bool add(std::string name, T value) {
        std::size_t length = name.size();
        bool added = entries_.emplace(std::move(name), value).second;
        if (added && length > longest_) longest_ = length;
        return added;
    }

    const T* find(std::string_view name) const {
        if (name.empty() || name.size() > longest_) return nullptr;
        auto it = entries_.find(name);
        return it == entries_.end() ? nullptr : &it->second;
    }

    std::size_t size() const { return entries_.size(); }

    template <class Visit>
    void forEachName(Visit visit) const {
        for (const auto& entry : entries_) visit(entry.first);
    }

  private:
    std::map<std::string, T, std::less<>> entries_;
    std::size_t longest_ = 0;
};

using VariableTable = NameTable<double*>;
using FunctionTable = NameTable<TParserRoutine>;

}  // namespace parser
