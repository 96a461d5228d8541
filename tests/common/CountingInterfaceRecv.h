#pragma once

#include "Interface/InterfaceRecv.h"

#include <atomic>

// The service object with its finished requests counted per outcome.
class CountingInterfaceRecv : public InterfaceRecv
{
public:
    void PostEventInterface(HTTPEvent_KX* pEvent) override
    {
        InterfaceRecv::PostEventInterface(pEvent);
        ++nSucceeded;
    }
    void PostEventInterfaceError(HTTPEvent_KX* pEvent) override
    {
        InterfaceRecv::PostEventInterfaceError(pEvent);
        ++nFailed;
    }
    int finished() const { return nSucceeded + nFailed; }

    std::atomic<int> nSucceeded{0};
    std::atomic<int> nFailed{0};
};
