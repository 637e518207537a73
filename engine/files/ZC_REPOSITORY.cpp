#include "engine/files/ZC_REPOSITORY.h"

namespace ZOR
{
ZC_REPOSITORY* zcREPOSITORY = nullptr;

ZS_RESOURCE* ZC_REPOSITORY::fFindByData(void*) { return nullptr; }
int ZC_REPOSITORY::fReleaseTexture(void*) { return 0; }
int ZC_REPOSITORY::fReleaseXml(void*) { return 0; }
}
