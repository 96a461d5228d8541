#include "ExitRelay.h"

#include "DriveLog.h"

std::string ExitLine::describe() const
{
    return "ip=" + strIp + " sn=" + strSn + " server=" + strServer +
           (strServerPort.empty() ? "" : ":" + strServerPort) + " time_type=" + strTimeType +
           " area=" + strArea;
}

ExitRelay::ExitRelay(const ExitLine& line) : Socks5Relay(driveLog), m_exit(line) {}

void ExitRelay::setExit(const ExitLine& line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_exit = line;
}

ExitLine ExitRelay::exitLine() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exit;
}

void ExitRelay::onConnect(const std::string& host, int port)
{
    log("port " + std::to_string(this->port()) + ": " + host + ":" + std::to_string(port) +
        " for exit " + exitLine().describe() + " (connecting directly)");
}
