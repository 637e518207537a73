#pragma once
#include <cstdlib>
#include <string>

namespace ZT_TEST
{
// Sets an environment variable for one scope and puts the old value back afterwards.
class ZT_SCOPED_ENV
{
public:
    ZT_SCOPED_ENV(const char* aname, const char* value) : name(aname)
    {
        const char* old = std::getenv(name);
        hadOld = old != nullptr;
        oldValue = old ? old : "";
        setenv(name, value, 1);
    }
    ~ZT_SCOPED_ENV()
    {
        if (hadOld)
            setenv(name, oldValue.c_str(), 1);
        else
            unsetenv(name);
    }
    ZT_SCOPED_ENV(const ZT_SCOPED_ENV&) = delete;
    ZT_SCOPED_ENV& operator=(const ZT_SCOPED_ENV&) = delete;

private:
    const char* name;
    bool hadOld = false;
    std::string oldValue;
};
}
