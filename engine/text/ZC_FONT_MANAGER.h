#pragma once
#include <map>
#include <string>

namespace ZOR
{
class ZC_FONT;

// The registry of the game's shared fonts, read from a fonts list (root "fonts", one child per
// font with "name", "texture" and "xml"). It owns the fonts; their textures stay acquired from
// the repository until fReleaseTextures.
class ZC_FONT_MANAGER
{
public:
    std::map<std::string, ZC_FONT*> fonts;

    ZC_FONT_MANAGER() = default;
    ~ZC_FONT_MANAGER();
    ZC_FONT_MANAGER(const ZC_FONT_MANAGER&) = delete;
    ZC_FONT_MANAGER& operator=(const ZC_FONT_MANAGER&) = delete;

    // Builds a font for every complete entry whose name is still free and whose descriptor
    // can be had; false when the list or its root "fonts" is missing.
    bool fLoad(const char* resourceName);
    // Null when no font has the name.
    ZC_FONT* fGetFont(const std::string& name) const;
    bool fHasFont(const std::string& name) const;
    // Hands every font's texture back to the repository and collects; answers the collect's
    // result. The fonts stay registered but no longer hold a texture, so they draw nothing.
    int fReleaseTextures();
};
}
