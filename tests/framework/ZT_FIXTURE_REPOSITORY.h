#pragma once
// A repository over the data root holding copies of the framework's XML fixtures.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_TEST
{
struct FixtureRepository : ::testing::Test
{
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path root = ZOR::fGetFileSystem()->fGetDataRoot();
        for (const fs::path& fixture : fs::directory_iterator(fDataDir() + "/framework"))
            fs::copy_file(fixture, root / fixture.filename(), fs::copy_options::overwrite_existing);
        repository = std::make_unique<ZOR::ZC_REPOSITORY>();
        ZOR::zcREPOSITORY = repository.get();
        ASSERT_EQ(1, repository->fRegister("", ""));
    }

    void TearDown() override
    {
        repository.reset();
        ZOR::zcREPOSITORY = nullptr;
    }

    // Users of the document still counted by the repository (0 once it was handed back).
    int fUsers(const char* name) const
    {
        const ZOR::ZS_RESOURCE* entry = repository->fFind(name);
        return entry ? entry->count : -1;
    }

    std::unique_ptr<ZOR::ZC_REPOSITORY> repository;
};
}
