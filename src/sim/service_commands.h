// The call service commands: forwarding (+CCFC), locks and passwords (+CLCK, +CPIN) and
// the audio profile (+CALM, +CRSL, +CLVL, +CMUT).
#pragma once

#include "sim/command_table.h"

namespace telvane::sim {

void AddForwardingCommands(CommandTable& table);  // forwarding_commands.cpp
void AddLockCommands(CommandTable& table);        // lock_commands.cpp
void AddProfileCommands(CommandTable& table);     // profile_commands.cpp
// Lets the SIM's books answer "SIM PUK required" while the SIM waits for its PUK; called
// after the phone book commands are in the table.
void GuardSimBooks(CommandTable& table);  // lock_commands.cpp

// Registered with the radio on and a SIM that is not waiting for its PUK.
bool OnNetwork(CommandContext& context);

// A parameter with its quotes taken off, if it has a pair.
std::string_view Unquoted(std::string_view parameter);

}  // namespace telvane::sim
