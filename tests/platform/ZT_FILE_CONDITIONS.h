#pragma once
// Real conditions for the save tests, each held for one scope: a file-size limit (a write
// past it fails as on a full disk) and a thread that obeys file permissions although the
// tests run as root.
#include <csignal>
#include <cstdint>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace ZT_TEST
{
// Writes past the limit fail with EFBIG instead of ending the process with SIGXFSZ.
class ZT_FILE_SIZE_LIMIT
{
public:
    explicit ZT_FILE_SIZE_LIMIT(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before);
        handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before;
        limit.rlim_cur = bytes;
        set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~ZT_FILE_SIZE_LIMIT()
    {
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
    }
    ZT_FILE_SIZE_LIMIT(const ZT_FILE_SIZE_LIMIT&) = delete;
    ZT_FILE_SIZE_LIMIT& operator=(const ZT_FILE_SIZE_LIMIT&) = delete;

    bool set = false;

private:
    rlimit before{};
    void (*handler)(int) = SIG_DFL;
};

// Takes CAP_DAC_OVERRIDE out of this thread's effective set, so that a file of mode 0444
// cannot be opened for writing, as for any user. Put back at the end of the scope.
class ZT_OBEY_PERMISSIONS
{
public:
    ZT_OBEY_PERMISSIONS()
    {
        header.version = _LINUX_CAPABILITY_VERSION_3;
        header.pid = 0;
        if (syscall(SYS_capget, &header, before) != 0)
            return;
        __user_cap_data_struct lowered[2] = {before[0], before[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        set = syscall(SYS_capset, &header, lowered) == 0;
    }
    ~ZT_OBEY_PERMISSIONS()
    {
        if (set)
            syscall(SYS_capset, &header, before);
    }
    ZT_OBEY_PERMISSIONS(const ZT_OBEY_PERMISSIONS&) = delete;
    ZT_OBEY_PERMISSIONS& operator=(const ZT_OBEY_PERMISSIONS&) = delete;

    bool set = false;

private:
    __user_cap_header_struct header{};
    __user_cap_data_struct before[2]{};
};
}
