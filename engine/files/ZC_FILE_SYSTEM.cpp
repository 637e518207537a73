#include "engine/files/ZC_FILE_SYSTEM.h"

namespace ZOR
{
ZC_FILE_SYSTEM* zcFILE_SYSTEM = nullptr;

ZC_FILE_SYSTEM* fGetFileSystem()
{
    static ZC_FILE_SYSTEM fileSystem;
    zcFILE_SYSTEM = &fileSystem;
    return &fileSystem;
}
}
