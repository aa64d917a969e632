#pragma once

// The keys of Function mode as commands, each by its role: the key a pupil presses and what the
// press does. The mode binds its keys through them, and code elsewhere that acts as a pupil (the
// replay of a saved work, a contest's new letter) presses them through them too.
namespace fncmd {

struct KeyCommand {
    const char* key;
    void (*run)();
};

extern const KeyCommand kEnter;  // "Ввод": the box being filled is taken
extern const KeyCommand kBuild;  // "Построить график"
extern const KeyCommand kChangeRange;  // "Сменить параметры": a chosen graph's texts come back
extern const KeyCommand kChangeGraph;  // "Изменить график"
extern const KeyCommand kBlankLetter;  // a new letter without a template

// A click on graph k of the list (1-based), which chooses it.
void chooseGraph(int k);

// Binds a command's key to its handler.
void bind(const KeyCommand& command);

}  // namespace fncmd
