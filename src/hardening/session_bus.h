// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sorvane {

// Whether a D-Bus session bus can be reached without launching one: named by the address (the
// value of DBUS_SESSION_BUS_ADDRESS), or a socket "bus" in the runtime folder ($XDG_RUNTIME_DIR),
// where libdbus also looks. Either may be null.
bool SessionBusReachable(const char* address, const char* runtime_folder);

// Where no session bus runs, libdbus would fork the program and try to launch one
// (dbus-launch --autolaunch) the moment Qt's accessibility bridge asks for it: a daemon started on
// the program's behalf that outlives it, and about 2 ms of every start spent waiting. With no bus
// there is no assistive tool to talk to, so autolaunching is turned off for this process. Called
// before any other thread starts, since it changes the environment.
void KeepSessionBusFromAutolaunching();

}  // namespace sorvane
