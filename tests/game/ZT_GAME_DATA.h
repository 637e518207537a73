#pragma once
// The folders and files of a real game run in the test's process: the data set copied into
// "Resources" below the folder the test started in (the engine moves into it), and the save
// folder under XDG_DATA_HOME.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/ZT_TEST_ENV.h"
#include "support/ZT_TEXT_FILES.h"

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

using ZT_TEST::fReadText;
using ZT_TEST::fReplaceText;
using ZT_TEST::fWriteText;

// The repository's data set copied over what the data root holds.
inline void fCopyResources()
{
    fs::create_directories(fDataRoot());
    fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", fDataRoot(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}
}
