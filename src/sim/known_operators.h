// The operators the simulated phone knows by name unless the state file names others:
// every network code of the mobile-broadband-provider-info database found at build time.
#pragma once

#include <string>
#include <vector>

namespace telvane::sim {

struct KnownOperatorName {
  std::string code;  // MCC and MNC, 5 or 6 digits
  std::string name;  // ASCII, no double quote
};

const std::vector<KnownOperatorName>& DefaultKnownOperators();

}  // namespace telvane::sim
