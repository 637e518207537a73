#pragma once
// The folders and files of a real game run in the test's process: the data set copied into
// "Resources" below the folder the test started in (the engine moves into it), and the save
// folder under XDG_DATA_HOME.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/ZT_TEST_ENV.h"

namespace ZT_GAME_DATA
{
namespace fs = std::filesystem;

// The working folder as the test started.
inline const fs::path& fStartFolder()
{
    static const fs::path start = fs::current_path();
    return start;
}

inline fs::path fDataRoot()
{
    return fStartFolder() / "Resources";
}

inline fs::path fSaveFolder()
{
    return fs::path(std::getenv("XDG_DATA_HOME")) / "QuietInk" / "Nonogram";
}

inline std::string fReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void fWriteAll(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The file with one piece of text replaced; fails the test when the piece is not there.
inline void fReplaceOnce(const fs::path& path, const std::string& from, const std::string& to)
{
    std::string text = fReadAll(path);
    const size_t at = text.find(from);
    ASSERT_NE(std::string::npos, at) << path << " lacks " << from;
    text.replace(at, from.size(), to);
    fWriteAll(path, text);
}

// The repository's data set copied over what the data root holds.
inline void fCopyResources()
{
    fs::create_directories(fDataRoot());
    fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", fDataRoot(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}
}
