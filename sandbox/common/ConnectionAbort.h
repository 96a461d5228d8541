#pragma once

#include <httplib.h>

// The HTTP library always writes an answer; to end a connection without one we find the
// request's socket (by its local and peer ports) and shut it down. The library's own write
// then fails quietly and it closes the socket.
bool abortConnection(const httplib::Request& req);
