#pragma once
// Temporary stand-ins for the shared lock and frame delta until they land on main.
#include <mutex>

namespace ZOR
{
struct ZC_LOCK
{
    std::recursive_mutex mutex;
    void fEnter() { mutex.lock(); }
    void fLeave() { mutex.unlock(); }
};
extern ZC_LOCK zcSOUND_LOCK;
extern float zcFRAME_DELTA;
}
