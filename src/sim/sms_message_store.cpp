#include "sim/sms_message_store.h"

#include <algorithm>

namespace telvane::sim {

StoredMessage* FindMessage(PhoneState& state, int index) {
  const auto it = std::find_if(state.messages.begin(), state.messages.end(),
                               [index](const StoredMessage& m) { return m.index == index; });
  return it == state.messages.end() ? nullptr : &*it;
}

std::optional<int> FirstFreeMessageIndex(const PhoneState& state) {
  for (int index = 1; index <= state.messageCapacity; ++index) {
    if (std::none_of(state.messages.begin(), state.messages.end(),
                     [index](const StoredMessage& m) { return m.index == index; })) {
      return index;
    }
  }
  return std::nullopt;
}

std::vector<StoredMessage*> MessagesWithStatus(PhoneState& state, int status) {
  std::vector<StoredMessage*> matching;
  for (StoredMessage& message : state.messages) {
    if (status == kAllMessages || message.status == status) {
      matching.push_back(&message);
    }
  }
  std::sort(matching.begin(), matching.end(),
            [](const StoredMessage* a, const StoredMessage* b) { return a->index < b->index; });
  return matching;
}

void StoreMessage(PhoneState& state, StoredMessage message) {
  const auto at =
      std::find_if(state.messages.begin(), state.messages.end(),
                   [&message](const StoredMessage& m) { return m.index > message.index; });
  state.messages.insert(at, std::move(message));
}

int RecordSentMessage(PhoneState& state, std::string pdu) {
  const int reference = state.messageReference;
  state.messageReference = (reference + 1) % 256;
  if (state.sent.size() >= kMaxSentMessages) {
    state.sent.erase(
        state.sent.begin(),
        state.sent.begin() + static_cast<std::ptrdiff_t>(state.sent.size() - kMaxSentMessages + 1));
  }
  state.sent.push_back(SentMessage{std::move(pdu)});
  return reference;
}

}  // namespace telvane::sim
