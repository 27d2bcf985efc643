// The phone's message memory and its record of sent messages.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/phone_state.h"

namespace telvane::sim {

// The <stat> of AT+CMGL and AT^SMGL that lists every message.
inline constexpr int kAllMessages = 4;

// The message stored at `index`, or nullptr.
StoredMessage* FindMessage(PhoneState& state, int index);

// The lowest index 1..messageCapacity that holds no message; nothing when the memory is full.
std::optional<int> FirstFreeMessageIndex(const PhoneState& state);

// The messages whose status is `status` (kAllMessages: every message), in index order.
std::vector<StoredMessage*> MessagesWithStatus(PhoneState& state, int status);

// Stores a message at a free index, keeping the memory in index order.
void StoreMessage(PhoneState& state, StoredMessage message);

// Records a message as sent and returns the message reference it got; the reference counts
// up modulo 256 and the oldest record gives way when kMaxSentMessages are kept.
int RecordSentMessage(PhoneState& state, std::string pdu);

}  // namespace telvane::sim
