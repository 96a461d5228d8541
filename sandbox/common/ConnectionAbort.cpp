#include "ConnectionAbort.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <cstdlib>

namespace {

bool portsMatch(int fd, int localPort, int remotePort)
{
    sockaddr_in local{}, peer{};
    socklen_t localLen = sizeof(local), peerLen = sizeof(peer);
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLen) != 0 ||
        getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLen) != 0)
        return false;
    return local.sin_family == AF_INET && ntohs(local.sin_port) == localPort &&
           ntohs(peer.sin_port) == remotePort;
}

bool isSocket(int fd)
{
    struct stat st
    {
    };
    return fstat(fd, &st) == 0 && S_ISSOCK(st.st_mode);
}

} // namespace

bool abortConnection(const httplib::Request& req)
{
    DIR* dir = opendir("/proc/self/fd");
    if (!dir)
        return false;
    bool found = false;
    while (dirent* item = readdir(dir)) {
        const int fd = std::atoi(item->d_name);
        if (fd > 2 && fd != dirfd(dir) && isSocket(fd) &&
            portsMatch(fd, req.local_port, req.remote_port)) {
            found = shutdown(fd, SHUT_RDWR) == 0;
            break;
        }
    }
    closedir(dir);
    return found;
}
