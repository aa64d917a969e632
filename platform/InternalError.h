#pragma once

#include <stdexcept>
#include <string>

// A fault of the program itself — a control the window lacks, a table that names what is not
// there — never a mistake of its user. The message display shows it as an internal error, and
// every test fails on one; it is the only exception treated so (a std::invalid_argument thrown
// for what a pupil typed is the pupil's, and is said as such).
class InternalError : public std::runtime_error {
  public:
    explicit InternalError(const std::string& what) : std::runtime_error(what) {}
};
