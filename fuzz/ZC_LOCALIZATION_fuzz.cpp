// Any bytes as strings.xml: parsed as the repository parses documents, then read into the
// table by position and by header, and looked up.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <pugixml.hpp>

#include "engine/files/ZC_LOCALIZATION.h"

using namespace ZOR;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    pugi::xml_document document;
    if (!document.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto))
        return 0;
    ZC_LOCALIZATION table;
    const int columns[][2] = {{0, 0}, {2, 1}, {3, 3}, {-1, 1000}};
    for (const auto& c : columns)
        table.fLoad(&document, c[0], c[1]);
    table.fLoadByHeader(&document, 0, "en", "de");
    for (const char* key : {"play", "", "localization_key", "window_title", "Value not loaded"})
    {
        const char* text = table.fGetText(key);
        if (!text)
            __builtin_trap();
        (void)std::strlen(text);
        table.fGetWideText(key);
    }
    table.fGetTextByIndex(2);
    return 0;
}
