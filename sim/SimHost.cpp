#include "SimHost.h"

bool SimHost::Start(SimulatedReceiver& device)
{
#ifdef _WIN32
    return host_.Start(device, 0);
#else
    return host_.Start(device);
#endif
}

void SimHost::Stop()
{
    host_.Stop();
}

std::string SimHost::portName() const
{
#ifdef _WIN32
    return host_.url();
#else
    return host_.path();
#endif
}
