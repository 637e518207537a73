#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/particles/ZC_PARTICLE_SYSTEM.h"

namespace ZOR_GF
{
// One particle emitter under the framework's lazy-texture rule: its settings come from a
// particle description, its texture is named there and fetched only when the holder loads
// its resources. Without an owner transform the emission area is in screen pixels.
class G_PARTICLES
{
public:
    G_PARTICLES();
    // The settings, state words and file name of the source. The copy holds no particles and
    // no texture of its source: it fetches its own counted reference with fLoadTexture.
    G_PARTICLES(const G_PARTICLES& source);
    G_PARTICLES& operator=(const G_PARTICLES&) = delete;
    virtual ~G_PARTICLES();

    // The description's settings and its "texture" name; nothing is fetched. Without
    // "texture" nothing changes but the file name, which becomes empty.
    void fLoadXml(pugi::xml_node element);
    void fLoadTexture();
    void fUnloadTexture();
    bool fIsLoaded() const;
    const std::string& fGetFile() const { return fileName; }

    void fUpdate() { emitter.fUpdate(); }
    void fDraw() { emitter.fDraw(); }

    // Holders reach the emitter directly to move its area and to emit.
    ZOR::ZC_PARTICLE_SYSTEM_EX emitter;

private:
    std::string fileName;
};
}
