// Built into every test program with the folder CTest runs it in. A program started by hand
// moves there before anything else runs: the engine makes and writes "Resources" in its working
// folder, and started from the source folder that would be the shipped data set.
#include <unistd.h>

#include <cstdio>

namespace
{
struct ZT_WORKING_FOLDER
{
    ZT_WORKING_FOLDER()
    {
        if (chdir(ZT_WORKING_FOLDER_PATH) != 0)
            std::perror(ZT_WORKING_FOLDER_PATH);
    }
} gWorkingFolder;
}
