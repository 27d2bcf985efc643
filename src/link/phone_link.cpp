#include "link/phone_link.h"

#include <algorithm>
#include <thread>

#include "link/link_messages.h"
#include "link/serial_port.h"

namespace telvane::link {

PhoneLink::PhoneLink(IrdaProvider& irda, ErrorMessage showError)
    : irda_(irda), showError_(std::move(showError)) {}

bool PhoneLink::OpenSerialPort(const std::string& devicePath,
                               std::chrono::milliseconds settleTime) {
  SerialOpenResult opened = OpenAndConfigureSerial(devicePath);
  serial_ = std::move(opened.fd);
  lastProblem_ = std::move(opened.problem);
  lastFailure_ = opened.failure;
  if (!opened.configured) {
    serial_.Reset();
    return false;
  }
  PurgeBuffers(serial_.Get());
  std::this_thread::sleep_for(settleTime);
  return true;
}

void PhoneLink::FailIrda(int stringId) {
  socket_.Reset();
  if (showError_) showError_(stringId);
}

bool PhoneLink::FindIrdaPhone() {
  phoneDeviceId_.reset();
  if (!irda_.StartSocketLibrary()) {
    if (showError_) showError_(kStrNoTcpIp);
    return false;
  }
  socket_ = irda_.OpenSocket();
  if (!socket_.Valid()) {
    FailIrda(kStrCantOpenSocket);
    return false;
  }
  IrdaDeviceList list;
  list.count = 0;
  if (!irda_.EnumerateDevices(socket_.Get(), list)) {
    FailIrda(kStrCantEnumDevices);
    return false;
  }
  if (list.count == 0) {
    FailIrda(kStrNoDeviceFound);
    return false;
  }
  const std::size_t examined = std::min<std::size_t>(list.count, kIrdaDeviceRoom);
  for (std::size_t i = 0; i < examined; ++i) {
    if (list.devices[i].Name().find("SIEMENS") != std::string_view::npos) {
      phoneDeviceId_ = list.devices[i].deviceId;
      return true;
    }
  }
  socket_.Reset();  // no phone of that maker in range: silent
  return false;
}

bool PhoneLink::ConnectIrdaPhone() {
  if (!socket_.Valid() || !phoneDeviceId_) return false;
  if (!irda_.SetIasRecord(socket_.Get(), IasSetRecord{}) || !irda_.SetNineWireMode(socket_.Get())) {
    FailIrda(kStrCantSetSocketConfig);
    return false;
  }
  if (!irda_.Connect(socket_.Get(), *phoneDeviceId_, kIrcommService)) {
    FailIrda(kStrCantConnectMobile);
    return false;
  }
  kind_ = LinkKind::Irda;
  return true;
}

void PhoneLink::CloseLink() {
  socket_.Reset();
  serial_.Reset();
  kind_ = LinkKind::Serial;
}

}  // namespace telvane::link
