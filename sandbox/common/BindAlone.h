#pragma once

#include <httplib.h>

// Binds the server's port for it alone. httplib shares a port by default (SO_REUSEPORT), so a
// second stand-in given the same port would silently take part of the first one's requests.
inline void bindAlone(httplib::Server& server)
{
    server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
}
