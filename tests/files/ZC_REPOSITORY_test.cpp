#include <gtest/gtest.h>

#include "engine/core/ZS_CALLBACK.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "files/ZT_FILE_FIXTURES.h"

#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/render/ZS_TEXTURE.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"

#include <memory>
#include <pugixml.hpp>
#include <stb_image_write.h>

using namespace ZOR;
using namespace ZT_TEST;
namespace fs = std::filesystem;

namespace
{
const std::string PASSWORD = "abcdefghijklmnopqr";

std::string fRoot()
{
    return fGetFileSystem()->fGetDataRoot();
}

std::string fDoc(const std::string& where)
{
    return "<doc from=\"" + where + "\"/>";
}

// A data root with loose files, two folder groups, a plain and an encrypted zip.
struct Repository : ::testing::Test
{
    void SetUp() override
    {
        for (const fs::path& item : fs::directory_iterator(fRoot()))
            fs::remove_all(item);
        fPutFile(fRoot() + "main.xml", fDoc("main"));
        fPutFile(fRoot() + "shared.xml", fDoc("main"));
        fPutFile(fRoot() + "my file.xml", fDoc("blank"));
        fPutFile(fRoot() + "broken.xml", "<doc><unclosed></doc>");
        for (const char* group : {"g1", "g2"})
        {
            fPutFile(fRoot() + group + "/shared.xml", fDoc(group));
            fPutFile(fRoot() + group + "/both.xml", fDoc(group));
            fPutFile(fRoot() + group + "/only_" + group + ".xml", fDoc(group));
        }
        fPutFile(fRoot() + "g1/main.xml", fDoc("g1"));
        fPutFile(fRoot() + "zipped/ten.bin", "0123456789");
        fPutFile(fRoot() + "zipped/inner.xml", fDoc("zip"));
        ASSERT_EQ(0, fZip(fRoot() + "zipped", "", "../plain.zip", "ten.bin inner.xml"));
        ASSERT_EQ(0, fZip(fRoot() + "zipped", "-P " + PASSWORD, "../secret.zip", "ten.bin inner.xml"));
        fs::create_directories(fRoot() + "empty");
        fPutFile(fRoot() + "not_a_zip.zip", "text");

        repository = std::make_unique<ZC_REPOSITORY>();
        ASSERT_EQ(1, repository->fRegister("", ""));
        ASSERT_EQ(1, repository->fRegister("g1", ""));
        ASSERT_EQ(1, repository->fRegister("g2", ""));
    }

    // Where the document handed out for a name came from; "" for none.
    std::string fFrom(const char* name)
    {
        pugi::xml_document* document = repository->fGetXml(name);
        if (!document)
            return "";
        const std::string from = document->child("doc").attribute("from").value();
        repository->fReleaseXml(document);
        return from;
    }

    std::unique_ptr<ZC_REPOSITORY> repository;
};
}

TEST_F(Repository, NamesResolveByTheGroupRules)
{
    const std::pair<const char*, const char*> cases[] = {
        {"shared.xml", "main"},      // loose files first
        {"both.xml", "g1"},          // then groups in mounting order
        {"only_g2.xml", "g2"},
        {"g2 shared.xml", "g2"},     // a known group is the only place looked at
        {"g1 only_g2.xml", ""},
        {"g2 main.xml", ""},         // even when the loose files have it
        {"my file.xml", "blank"},    // no group "my": the whole text is one file name
        {"nogroup shared.xml", ""},
        {"g1 ", ""},                 // a group and nothing after the blank
        {"g1  shared.xml", ""},      // two blanks find nothing
        {"a b c", ""},
        {"SHARED.XML", ""},          // byte for byte
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, fFrom(c.first)) << "'" << c.first << "'";
    EXPECT_EQ(nullptr, repository->fFind(nullptr));
}

TEST_F(Repository, MountingAnswersItsCodes)
{
    const std::pair<const char*, int> cases[] = {
        {"missing", -1}, {"empty", -1}, {"not_a_zip.zip", -1}, {"plain.zip", 1}, {"plain.zip", -110}, {"g1", -110}};
    for (const auto& c : cases)
        EXPECT_EQ(c.second, repository->fRegister(c.first, "")) << c.first;
    EXPECT_EQ(-1, repository->fRegister(nullptr, ""));

    // A folder whose file count changed is mounted again into the same group.
    ZS_RESOURCE_GROUP* group = repository->fFindGroup("g1");
    fPutFile(fRoot() + "g1/added.xml", fDoc("g1 added"));
    EXPECT_EQ(1, repository->fRegister("g1", ""));
    EXPECT_EQ(group, repository->fFindGroup("g1"));
    EXPECT_EQ("g1 added", fFrom("g1 added.xml"));
}

TEST_F(Repository, UsersAreCountedAndCollectUnloads)
{
    pugi::xml_document* first = repository->fGetXml("g1 both.xml");
    pugi::xml_document* second = repository->fGetXml("both.xml");
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, second);
    ZS_RESOURCE* entry = repository->fFind("g1 both.xml");
    EXPECT_EQ(2, entry->count);
    EXPECT_EQ(entry, repository->fFindByData(first));

    // Handed out again without the disk while loaded.
    fPutFile(fRoot() + "g1/both.xml", fDoc("changed"));
    EXPECT_FALSE(repository->fReleaseXml(first));
    EXPECT_FALSE(repository->fReleaseXml(second));
    EXPECT_EQ(0, entry->count);
    EXPECT_TRUE(entry->loaded);
    EXPECT_EQ("g1", fFrom("both.xml"));

    EXPECT_GE(repository->fCollect(), 1);
    EXPECT_FALSE(entry->loaded);
    EXPECT_EQ(nullptr, entry->data);
    EXPECT_EQ("changed", fFrom("both.xml"));
}

TEST_F(Repository, ReleasingWhatNoEntryHoldsChangesNothing)
{
    pugi::xml_document* document = repository->fGetXml("main.xml");
    int stranger = 0;
    EXPECT_FALSE(repository->fReleaseTexture(&stranger));
    EXPECT_FALSE(repository->fReleaseTexture(nullptr));
    EXPECT_EQ(0, repository->fReleaseBytes("absent"));
    EXPECT_EQ(1, repository->fFind("main.xml")->count);
    repository->fReleaseXml(document);
}

TEST_F(Repository, RawBytesFromAFolderAndAZip)
{
    ASSERT_EQ(1, repository->fRegister("plain.zip", ""));
    ASSERT_EQ(1, repository->fRegister("secret.zip", PASSWORD.c_str()));
    const std::pair<const char*, std::string> cases[] = {
        {"zipped ten.bin", std::string("0123456789\0", 11)},
        {"plain.zip ten.bin", "0123456789"},
        {"secret.zip ten.bin", "0123456789"},
    };
    ASSERT_EQ(1, repository->fRegister("zipped", ""));
    for (const auto& c : cases)
    {
        void* bytes = repository->fGetBytes(c.first);
        ASSERT_NE(nullptr, bytes) << c.first;
        const ZS_RESOURCE* entry = repository->fFind(c.first);
        EXPECT_EQ(c.second, fBytes(bytes, entry->size)) << c.first;
        EXPECT_EQ(RESOURCE_BYTES, entry->kind);
        EXPECT_EQ(0, repository->fReleaseBytes(c.first));
    }
    EXPECT_EQ("zip", fFrom("secret.zip inner.xml"));
}

TEST_F(Repository, UnreadableResourcesGiveNull)
{
    EXPECT_EQ(nullptr, repository->fGetXml("broken.xml"));
    const ZS_RESOURCE* broken = repository->fFind("broken.xml");
    EXPECT_FALSE(broken->loaded);
    EXPECT_EQ(nullptr, broken->data);
    EXPECT_EQ(0, broken->count);

    fs::remove(fRoot() + "main.xml");
    EXPECT_EQ(nullptr, repository->fGetBytes("main.xml"));
    EXPECT_EQ(nullptr, repository->fGetXml("absent.xml"));

    ASSERT_EQ(1, repository->fRegister("secret.zip", "wrong password"));
    EXPECT_EQ(nullptr, repository->fGetBytes("secret.zip ten.bin"));
}

TEST_F(Repository, UnmountingWaitsForResourcesInUse)
{
    pugi::xml_document* used = repository->fGetXml("g1 both.xml");
    ASSERT_NE(nullptr, used);
    EXPECT_TRUE(repository->fUnregister("g1"));
    EXPECT_NE(nullptr, repository->fFindGroup("g1"));
    EXPECT_EQ("g1", fFrom("g1 only_g1.xml"));

    EXPECT_TRUE(repository->fUnregister("g2"));
    EXPECT_EQ(nullptr, repository->fFindGroup("g2"));
    EXPECT_EQ("", fFrom("only_g2.xml"));
    EXPECT_TRUE(repository->fUnregister("g2"));

    // The waiting unmount ends with the first collect that finds the group unused.
    repository->fCollect();
    EXPECT_NE(nullptr, repository->fFindGroup("g1"));
    repository->fReleaseXml(used);
    repository->fCollect();
    EXPECT_EQ(nullptr, repository->fFindGroup("g1"));

    // Mounting again before that collect cancels the unmount.
    ASSERT_EQ(1, repository->fRegister("g2", ""));
    used = repository->fGetXml("g2 both.xml");
    repository->fUnregister("g2");
    EXPECT_EQ(-110, repository->fRegister("g2", ""));
    repository->fReleaseXml(used);
    repository->fCollect();
    EXPECT_NE(nullptr, repository->fFindGroup("g2"));
}

TEST_F(Repository, UnmountingTheDataRootDeletesEntriesAsTheyBecomeUnused)
{
    pugi::xml_document* used = repository->fGetXml("main.xml");
    EXPECT_EQ("main", fFrom("shared.xml"));  // loaded, no longer used
    EXPECT_FALSE(repository->fUnregister(""));
    repository->fCollect();
    EXPECT_EQ("g1", fFrom("shared.xml"));    // the loose file is gone; the groups remain
    EXPECT_EQ("", repository->fFind("main.xml")->group);
    repository->fReleaseXml(used);
    repository->fCollect();
    EXPECT_EQ("g1", fFrom("main.xml"));
}

TEST_F(Repository, AnotherKindReadsAgainAndTheOldResourceStaysReleasable)
{
    pugi::xml_document* document = repository->fGetXml("main.xml");
    ASSERT_NE(nullptr, document);
    void* bytes = repository->fGetBytes("main.xml");
    ASSERT_NE(nullptr, bytes);
    ZS_RESOURCE* entry = repository->fFind("main.xml");
    EXPECT_EQ(RESOURCE_BYTES, entry->kind);
    EXPECT_EQ(1, entry->count);

    // The document stays valid for its user and is freed once handed back and collected.
    EXPECT_STREQ("main", document->child("doc").attribute("from").value());
    ZS_RESOURCE* old = repository->fFindByData(document);
    ASSERT_NE(nullptr, old);
    EXPECT_NE(entry, old);
    repository->fReleaseXml(document);
    repository->fCollect();
    EXPECT_EQ(nullptr, repository->fFindByData(document));
    EXPECT_EQ(bytes, entry->data);
    repository->fReleaseBytes("main.xml");
}

TEST_F(Repository, RescanningKeepsResourcesInUseReachable)
{
    pugi::xml_document* used = repository->fGetXml("main.xml");
    ASSERT_TRUE(repository->fScanDataRoot());
    EXPECT_FALSE(repository->fFind("main.xml")->loaded);
    EXPECT_NE(nullptr, repository->fFindByData(used));
    repository->fReleaseXml(used);
    repository->fCollect();
    EXPECT_EQ(nullptr, repository->fFindByData(used));
}

namespace
{
int gFileErrors = 0;
int fCountFileError(void*)
{
    ++gFileErrors;
    return 0;
}
}

TEST_F(Repository, FailuresLeaveTheirTextAndFireTheFileErrorSlot)
{
    zcON_FILE_ERROR = fCreateCallback(fCountFileError);
    zcLAST_ERROR = "untouched";

    EXPECT_EQ(nullptr, repository->fGetXml("broken.xml"));  // only raw bytes report
    EXPECT_EQ(0, gFileErrors);
    fs::remove(fRoot() + "main.xml");
    EXPECT_EQ(nullptr, repository->fGetBytes("main.xml"));
    EXPECT_EQ("Cant load res ", zcLAST_ERROR);
    EXPECT_EQ(1, gFileErrors);

    for (const fs::path& item : fs::directory_iterator(fRoot()))
        fs::remove_all(item);
    ZC_REPOSITORY fresh;
    EXPECT_EQ(0, fresh.fRegister("", ""));
    EXPECT_EQ("Main repository is empty", zcLAST_ERROR);
    EXPECT_EQ(2, gFileErrors);
    // With loose files already known, an empty rescan is no news.
    EXPECT_FALSE(repository->fScanDataRoot());
    EXPECT_EQ(2, gFileErrors);

    delete zcON_FILE_ERROR;
    zcON_FILE_ERROR = nullptr;
}

namespace
{
// Textures on a renderer over the null device, sounds on a sound system without a device.
struct RepositoryKinds : Repository
{
    void SetUp() override
    {
        ZC_PLATFORM_DEVICE::fSetNullMode(true);
        render = std::make_unique<ZC_RENDER>();
        ASSERT_EQ(1, render->fInit(nullptr, 0.1f, 0.0f));
        sounds = std::make_unique<ZC_SOUND_SYSTEM>();
        Repository::SetUp();

        const uint32_t pixels[6] = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF, 0xFF000000, 0x80808080};
        ASSERT_TRUE(stbi_write_png((fRoot() + "g1/picture.png").c_str(), 3, 2, 4, pixels, 12));
        fPutFile(fRoot() + "g1/not_a_picture.png", "no image here");
        const std::string tone = "sox -q -n -r 22050 -c 1 '" + fRoot() + "g1/tone.ogg' synth 0.25 sine 440";
        ASSERT_EQ(0, std::system(tone.c_str()));
        fPutFile(fRoot() + "g1/noise.ogg", "no sound here");
        ASSERT_EQ(1, repository->fRegister("g1", ""));
    }
    void TearDown() override
    {
        repository.reset();
        sounds.reset();
        render.reset();
        ZC_PLATFORM_DEVICE::fSetNullMode(false);
    }
    std::unique_ptr<ZC_RENDER> render;
    std::unique_ptr<ZC_SOUND_SYSTEM> sounds;
};
}

TEST_F(RepositoryKinds, TexturesAreCountedAndCollected)
{
    const size_t made = render->fGetTextureCount();
    ZS_TEXTURE* first = repository->fGetTexture("picture.png");
    ZS_TEXTURE* second = repository->fGetTexture("g1 picture.png");
    ASSERT_NE(render->fGetDefaultTexture(), first);
    EXPECT_EQ(first, second);
    EXPECT_EQ(3, first->fGetSize().x);
    EXPECT_EQ(2, first->fGetSize().y);
    ZS_RESOURCE* entry = repository->fFind("picture.png");
    EXPECT_EQ(2, entry->count);
    EXPECT_EQ(made + 1, render->fGetTextureCount());

    EXPECT_TRUE(repository->fReleaseTexture(first));
    EXPECT_TRUE(repository->fReleaseTexture(second));
    EXPECT_EQ(0, entry->count);
    EXPECT_EQ(made + 1, render->fGetTextureCount());  // kept until a collect
    EXPECT_GE(repository->fCollect(), 1);
    EXPECT_EQ(made, render->fGetTextureCount());
    EXPECT_FALSE(entry->loaded);

    ASSERT_NE(render->fGetDefaultTexture(), repository->fGetTexture("picture.png"));
    EXPECT_EQ(made + 1, render->fGetTextureCount());
    EXPECT_EQ(1, entry->count);
}

TEST_F(RepositoryKinds, TheDefaultTextureStandsInAndIsNeverCounted)
{
    ZS_TEXTURE* fallback = render->fGetDefaultTexture();
    EXPECT_EQ(fallback, repository->fGetTexture("absent.png"));
    EXPECT_EQ(fallback, repository->fGetTexture("not_a_picture.png"));
    EXPECT_FALSE(repository->fReleaseTexture(fallback));

    // A texture in use survives another kind's request and is still handed back by pointer.
    ZS_TEXTURE* used = repository->fGetTexture("picture.png");
    EXPECT_NE(nullptr, repository->fGetBytes("picture.png"));
    EXPECT_TRUE(repository->fReleaseTexture(used));
    const size_t before = render->fGetTextureCount();
    repository->fCollect();
    EXPECT_EQ(before - 1, render->fGetTextureCount());
    repository->fReleaseBytes("picture.png");
}

TEST_F(RepositoryKinds, SoundsAreMadeOnceAndRemovedByACollect)
{
    ZC_SOUND* sound = repository->fGetSound("tone.ogg", 2, true);
    ASSERT_NE(nullptr, sound);
    EXPECT_EQ(sound, repository->fGetSound("g1 tone.ogg", 2, true));
    EXPECT_EQ(1u, sounds->fGetSoundCount());

    EXPECT_FALSE(repository->fReleaseSound(sound));
    EXPECT_TRUE(repository->fReleaseSound(sound));
    EXPECT_EQ(1u, sounds->fGetSoundCount());
    repository->fCollect();
    EXPECT_EQ(0u, sounds->fGetSoundCount());
    EXPECT_FALSE(repository->fReleaseSound(sound));

    EXPECT_EQ(nullptr, repository->fGetSound("noise.ogg", 2, false));
    EXPECT_FALSE(repository->fFind("noise.ogg")->loaded);
    EXPECT_EQ(0u, sounds->fGetSoundCount());
}
