#pragma once

#include <cstdint>

namespace plivant {

// A listening socket on 127.0.0.1:`port` (0: a free port, written back), or -1. `socketFlags`
// are added to the socket's type (SOCK_NONBLOCK ...).
int ListenOnLoopback(uint16_t& port, int socketFlags = 0);

}  // namespace plivant
