#include "PortNames.h"

std::string PortDeviceName(int port, const std::string& portName, const std::string& override)
{
    if (!override.empty())
        return override;
#ifdef _WIN32
    (void)portName;
    return "COM" + std::to_string(port);
#else
    if (!portName.empty())
        return portName;
    return "/dev/ttyS" + std::to_string(port > 0 ? port - 1 : 0);
#endif
}

std::string PortMissingMessage(int port, const std::string& device)
{
    if (device.rfind("tcp://", 0) == 0 || device.rfind("rfc2217://", 0) == 0)
        return "Cannot connect to " + device + "!";
#ifdef _WIN32
    if (device == "COM" + std::to_string(port))
        return "Port COM" + std::to_string(port) + " does not exist!";
#else
    (void)port;
#endif
    return "Port " + device + " does not exist!";
}
