#pragma once

namespace ZOR
{
// Stand-in file system until the real one lands.
class ZC_FILE_SYSTEM
{
};

ZC_FILE_SYSTEM* fGetFileSystem();
extern ZC_FILE_SYSTEM* zcFILE_SYSTEM;
}
