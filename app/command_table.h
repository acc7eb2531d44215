#pragma once

#include <span>

#include "app/command_rules.h"

namespace daub {

class TDaubWindow;

// One command of the menu and the accelerators: what it does, when its item is enabled and
// when it is checked. A null action is a command of a feature still to come (it does
// nothing); a null enable rule means always enabled; a null check rule, no check mark.
struct CommandRow {
    int id;
    void (*action)(TDaubWindow& window);
    CommandRule enabled;
    CommandRule checked;
};

std::span<const CommandRow> CommandTable();
// The row of the id, or null for an id the program does not know.
const CommandRow* FindCommand(int id);

}  // namespace daub
