#include "sim/command_table.h"

#include "sim/command_groups.h"
#include "sim/service_commands.h"

namespace telvane::sim {

void CommandTable::Add(std::string name, CommandHandler handler) {
  handlers_[std::move(name)] = std::move(handler);
}

void CommandTable::Alias(std::string alias, std::string_view name) {
  if (const CommandHandler* handler = Find(name)) {
    handlers_[std::move(alias)] = *handler;
  }
}

const CommandHandler* CommandTable::Find(std::string_view name) const {
  const auto it = handlers_.find(name);
  return it == handlers_.end() ? nullptr : &it->second;
}

CommandTable StandardCommandTable() {
  CommandTable table;
  AddLineCommands(table);
  AddIdentityCommands(table);
  AddStatusCommands(table);
  AddAudioCommands(table);
  AddClockCommands(table);
  AddSmsCommands(table);
  AddSmsMemoryCommands(table);
  AddSmsSubmitCommands(table);
  AddObjectCommands(table);
  AddPhonebookCommands(table);
  AddCallCommands(table);
  AddPowerCommands(table);
  AddForwardingCommands(table);
  AddLockCommands(table);
  AddProfileCommands(table);
  AddNetworkCommands(table);
  AddOperatorCommands(table);
  AddCellMonitorCommands(table);
  AddCallerCommands(table);
  AddUssdCommands(table);
  GuardSimBooks(table);
  return table;
}

}  // namespace telvane::sim
