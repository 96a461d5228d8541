#pragma once

#include <csignal>

// The stand-ins stop on SIGTERM or SIGINT, taken by sigwait in main only.

// Blocks both in the calling thread and every thread started after it, and ignores
// SIGPIPE (a peer that goes away must not end the program).
sigset_t blockStopSignals();

// True when a stop signal arrived within timeoutMs; a negative time-out waits for one.
bool waitForStop(const sigset_t& signals, int timeoutMs = -1);
