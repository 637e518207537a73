#include "engine/core/ZS_CALLBACK.h"

namespace ZOR
{
ZS_CALLBACK* zcON_MAIN = nullptr;
ZS_CALLBACK* zcON_INIT = nullptr;
ZS_CALLBACK* zcON_START = nullptr;
ZS_CALLBACK* zcON_UPDATE = nullptr;
ZS_CALLBACK* zcON_DRAW = nullptr;
ZS_CALLBACK* zcON_END = nullptr;
ZS_CALLBACK* zcON_CLOSE = nullptr;
ZS_CALLBACK* zcON_ACTIVATE = nullptr;
ZS_CALLBACK* zcON_DEACTIVATE = nullptr;
ZS_CALLBACK* zcON_KEY_DOWN = nullptr;
ZS_CALLBACK* zcON_KEY_UP = nullptr;
ZS_CALLBACK* zcON_MOUSE_MOVE = nullptr;
ZS_CALLBACK* zcON_RELEASE_RESOURCE = nullptr;
ZS_CALLBACK* zcON_LOOP_STEP = nullptr;
ZS_CALLBACK* zcON_FILE_ERROR = nullptr;

std::string zcLAST_ERROR = "Created with Zorvane2 30.07.12";

ZS_CALLBACK::ZS_CALLBACK(ZF_CALLBACK afunction, const char* aname, void* atarget)
    : target(atarget), name(aname ? aname : ""), function(afunction)
{
}

ZS_CALLBACK* fCreateCallback(ZF_CALLBACK function, const char* name, void* target)
{
    return new ZS_CALLBACK(function, name, target);
}

int fInvoke(const ZS_CALLBACK* record, void* argument)
{
    if (!record)
        return -108;
    if (!record->function)
        return 0;
    return record->function(argument ? argument : record->target);
}
}
