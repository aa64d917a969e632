#pragma once

#include <map>
#include <string>
#include <utility>

#include "TermRecognizer.h"

// A plain, slow transcription of the expression grammar: every recogniser tries every operator
// occurrence of its text, exactly as the grammar is worded, with nothing skipped. The fast
// recogniser must give the same answers on every piece of every text.
class ReferenceGrammar {
  public:
    explicit ReferenceGrammar(parser::RecognizerTables tables) : tables_(std::move(tables)) {}

    bool accepts(parser::Recognizer rec, const std::string& text);

  private:
    bool compute(parser::Recognizer rec, const std::string& t);
    bool anyOf(std::initializer_list<parser::Recognizer> recs, const std::string& t);
    bool split(const std::string& t, const std::string& op, parser::Recognizer left,
               parser::Recognizer right);
    bool isNumber(const std::string& t) const;

    parser::RecognizerTables tables_;
    std::map<std::pair<int, std::string>, bool> known_;
};
