#pragma once

#include "sim/command_table.h"

namespace telvane::sim {

// One function per command group, each in its own file.
void AddLineCommands(CommandTable& table);         // line_commands.cpp: E V Q Z &F +CMEE +CSCS
void AddIdentityCommands(CommandTable& table);     // identity_commands.cpp
void AddStatusCommands(CommandTable& table);       // status_commands.cpp: battery, network, SIM
void AddAudioCommands(CommandTable& table);        // audio_commands.cpp
void AddClockCommands(CommandTable& table);        // clock_commands.cpp
void AddSmsCommands(CommandTable& table);          // sms_commands.cpp: +CSMS +CMGF +CNMI +CSCA
void AddSmsMemoryCommands(CommandTable& table);    // sms_memory_commands.cpp: the message memory
void AddSmsSubmitCommands(CommandTable& table);    // sms_submit_commands.cpp: +CMGS +CMGW
void AddObjectCommands(CommandTable& table);       // object_commands.cpp
void AddPhonebookCommands(CommandTable& table);    // phonebook_commands.cpp
void AddCallCommands(CommandTable& table);         // call_commands.cpp: dialling, call lists
void AddPowerCommands(CommandTable& table);        // power_commands.cpp
void AddNetworkCommands(CommandTable& table);      // network_commands.cpp: +CPAS +CLCC +CGREG
void AddOperatorCommands(CommandTable& table);     // operator_commands.cpp: +COPS
void AddCellMonitorCommands(CommandTable& table);  // cell_monitor_commands.cpp: ^SMONC
void AddCallerCommands(CommandTable& table);       // caller_commands.cpp: +CLIP +CRC, the ring
void AddUssdCommands(CommandTable& table);         // ussd_commands.cpp: +CUSD

// A handler that accepts only the test form with an empty answer, as the identity
// commands and many action commands do ("AT+CGMI=?" gives OK).
inline Reply TestFormOk() { return Reply::Ok(); }

}  // namespace telvane::sim
