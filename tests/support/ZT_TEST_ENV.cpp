#include "support/ZT_TEST_ENV.h"

#include <cstdlib>

namespace ZT_TEST
{
std::string fDataDir()
{
    return ZOR_TEST_DATA_DIR;
}

std::string fOutputDir()
{
    const char* dir = std::getenv("ZOR_TEST_OUTPUT_DIR");
    return dir && *dir ? dir : ".";
}

double fTimeScale()
{
    const char* text = std::getenv("ZOR_TEST_TIME_SCALE");
    const double scale = text ? std::atof(text) : 1.0;
    return scale > 1.0 ? scale : 1.0;
}
}
