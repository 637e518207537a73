#pragma once

namespace ZOR
{
// A loaded resource; kinds 2 texture, 3 sound, 4 XML document, 5 raw bytes.
struct ZS_RESOURCE
{
    int kind = 0;
    void* data = nullptr;
};

// Stand-in repository until the real one lands: it holds nothing.
class ZC_REPOSITORY
{
public:
    ZS_RESOURCE* fFindByData(void* data);
    int fReleaseTexture(void* data);
    int fReleaseXml(void* data);
};

extern ZC_REPOSITORY* zcREPOSITORY;
}
