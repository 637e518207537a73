#pragma once
// Shared by the widget tests: a renderer on the offscreen GL device, an input state, and a
// repository over a data root that each test fills with the pictures and layouts it needs.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZC_INPUT.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI.h"
#include "gui/ZT_WIDGET_TEST.h"
#include "render/ZT_RENDER_FIXTURE.h"

namespace ZT_GUI
{
using namespace ZOR;

class ZT_GUI_WORLD : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    ZC_INPUT* input = nullptr;
    ZC_REPOSITORY* repository = nullptr;
    ZC_GUI* gui = nullptr;

    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        input = new ZC_INPUT;
        gui = new ZC_GUI;
        for (const auto& item : std::filesystem::directory_iterator(fRoot()))
            std::filesystem::remove_all(item);
    }
    void TearDown() override
    {
        delete gui;
        gui = nullptr;
        // The textures go back to the renderer with the repository.
        delete repository;
        zcREPOSITORY = nullptr;
        delete input;
        ZT_GL_RENDER::TearDown();
    }

    static std::string fRoot() { return fGetFileSystem()->fGetDataRoot(); }

    static void fPutFile(const std::string& name, const std::string& bytes)
    {
        std::ofstream(fRoot() + name, std::ios::binary | std::ios::trunc) << bytes;
    }

    // A PNG of one colour (0xAARRGGBB) in the data root.
    static void fPutPng(const std::string& name, int width, int height, uint32_t color = 0xFFFFFFFF)
    {
        fWriteCellPng(fRoot() + name, width, height, {color});
    }

    // Call after the files are in place: the data root is scanned once.
    void fMount()
    {
        repository = new ZC_REPOSITORY;
        zcREPOSITORY = repository;
        ASSERT_EQ(repository->fRegister("", ""), 1);
    }

    // Users of the resource that holds the data; -1 when the repository does not know it.
    int fUsers(const void* data)
    {
        ZS_RESOURCE* entry = repository->fFindByData(data);
        return entry ? entry->count : -1;
    }

    // One input step as the message pump delivers it: the states age, then the event lands.
    void fMoveTo(int x, int y)
    {
        input->fAdvanceFrame();
        input->fOnMouseMove(x, y);
    }
    void fKeyDown(int key)
    {
        input->fAdvanceFrame();
        input->fOnKeyDown(key);
    }
    void fKeyUp(int key)
    {
        input->fAdvanceFrame();
        input->fOnKeyUp(key);
    }
};
}
