#pragma once
// A repository over the data root holding copies of the framework's fixtures.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_TEST
{
// Copies the files of tests/data/<folder> (not its subfolders) into the data root and mounts
// the root's loose files in a new repository, which becomes zcREPOSITORY.
inline std::unique_ptr<ZOR::ZC_REPOSITORY> fMountFixtures(const std::string& folder)
{
    namespace fs = std::filesystem;
    const fs::path root = ZOR::fGetFileSystem()->fGetDataRoot();
    for (const fs::directory_entry& fixture : fs::directory_iterator(fDataDir() + "/" + folder))
        if (fixture.is_regular_file())
            fs::copy_file(fixture.path(), root / fixture.path().filename(), fs::copy_options::overwrite_existing);
    auto repository = std::make_unique<ZOR::ZC_REPOSITORY>();
    ZOR::zcREPOSITORY = repository.get();
    EXPECT_EQ(1, repository->fRegister("", ""));
    return repository;
}

// Users of a resource still counted by the repository (0 once it was handed back, -1 no such entry).
inline int fUsers(const ZOR::ZC_REPOSITORY& repository, const char* name)
{
    const ZOR::ZS_RESOURCE* entry = repository.fFind(name);
    return entry ? entry->count : -1;
}

struct FixtureRepository : ::testing::Test
{
    void SetUp() override { repository = fMountFixtures("framework"); }

    void TearDown() override
    {
        repository.reset();
        ZOR::zcREPOSITORY = nullptr;
    }

    // Users of the document still counted by the repository (0 once it was handed back).
    int fUsers(const char* name) const { return ZT_TEST::fUsers(*repository, name); }

    std::unique_ptr<ZOR::ZC_REPOSITORY> repository;
};
}
