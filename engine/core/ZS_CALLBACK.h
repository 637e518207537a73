#pragma once
#include <string>

namespace ZOR
{
typedef int (*ZF_CALLBACK)(void* argument);

// How the engine reaches code above it: a plain function, its default argument and a name.
struct ZS_CALLBACK
{
    void* target = nullptr;   // passed when the record is fired with no argument; not owned
    std::string name;         // the script name of an XML event, else empty
    ZF_CALLBACK function = nullptr;

    ZS_CALLBACK(ZF_CALLBACK afunction, const char* aname, void* atarget);
};

ZS_CALLBACK* fCreateCallback(ZF_CALLBACK function, const char* name = nullptr, void* target = nullptr);

// Fires a record: -108 for a missing record, 0 for one without a function; a null argument
// is replaced by the record's target. Engine slots may be fired whether filled or not.
int fInvoke(const ZS_CALLBACK* record, void* argument = nullptr);

// The engine event slots; null until something fills them.
extern ZS_CALLBACK* zcON_MAIN;
extern ZS_CALLBACK* zcON_INIT;
extern ZS_CALLBACK* zcON_START;
extern ZS_CALLBACK* zcON_UPDATE;
extern ZS_CALLBACK* zcON_DRAW;
extern ZS_CALLBACK* zcON_END;
extern ZS_CALLBACK* zcON_CLOSE;
extern ZS_CALLBACK* zcON_ACTIVATE;
extern ZS_CALLBACK* zcON_DEACTIVATE;
extern ZS_CALLBACK* zcON_KEY_DOWN;        // argument: the key code
extern ZS_CALLBACK* zcON_KEY_UP;          // argument: the key code
extern ZS_CALLBACK* zcON_MOUSE_MOVE;      // position in zcMOUSE_POSITION
extern ZS_CALLBACK* zcON_RELEASE_RESOURCE; // argument: the resource's data pointer
extern ZS_CALLBACK* zcON_LOOP_STEP;
extern ZS_CALLBACK* zcON_FILE_ERROR;

// The last failure text of the file and resource layer.
extern std::string zcLAST_ERROR;
}
