// Any bytes as a zip package: listed, and every member read with and without the password,
// as the repository does when a group is mounted and its entries are requested. The archive
// is read from memory: through a file the search would spend its time in system calls.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/files/ZC_ZIP_PACKAGE.h"

using namespace ZOR;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> names;
    fZipListMembersInMemory(data, size, names);
    names.push_back("absent");
    size_t tried = 0;
    for (const std::string& name : names)
    {
        if (++tried > 16)
            break;
        for (const char* password : {"", "pineapple"})
        {
            uint8_t* bytes = nullptr;
            uint32_t count = 0;
            const int result = fZipReadMemberInMemory(data, size, name, password, bytes, count);
            if (result == 1)
            {
                // The spare byte is ours too: touch the whole buffer.
                volatile uint8_t sum = 0;
                for (uint32_t i = 0; i <= count; ++i)
                    sum = sum + (i < count ? bytes[i] : 0);
                (void)sum;
            }
            else if (bytes || (result != -1 && result != -108 && result != -109))
                __builtin_trap();
            delete[] bytes;
        }
    }
    return 0;
}
