// The bonus fly: its description, its value text, its three steps run by an effect list as the
// level screen runs them, and frames of the flying coin with its sparks and of the rising text.
#include "game/puzzle/GG_EFFECT_BONUS.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ZT_PUZZLE_FONTS.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "render/ZT_RENDER_FIXTURE.h"
#include "text/ZT_FONT_FIXTURE.h"

using namespace ZOR;
using namespace ZOR_GF;
using namespace game;
using namespace ZT_PUZZLE;

namespace
{
const char* const kStrings = R"(<?xml version="1.0"?>
<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet" xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">
 <Worksheet ss:Name="strings"><Table>
  <Row><Cell><Data ss:Type="String">bonus_value</Data></Cell><Cell><Data ss:Type="String">+%i</Data></Cell></Row>
  <Row><Cell><Data ss:Type="String">bonus_plain</Data></Cell><Cell><Data ss:Type="String">%i</Data></Cell></Row>
 </Table></Worksheet>
</Workbook>)";

// A coin of four frames at 8 per second (half a second to appear), flying to (100, 50) at 400
// pixels per second; its value text starts at (100, 80) and rises 40 pixels in half a second.
const char* const kBonus = R"(<bonus_effect speed="400" deflection="-30.7" endpos="100 50">
  <sprite_sunime><FILE>coin.png</FILE><SIZE>16 16</SIZE><ANIMATION frames="4" fps="8"/></sprite_sunime>
  <font fntName="digits" fntColor="0xFFFFFFFF" fntHotSpot="HS_MID">
    <motion time="0.5" start="100 80" endoffset="0 -40"/>
    <text value="bonus_plain"/>
  </font>
  <particles_follow texture="spark.png" maxCount="40" frequency="30" area="4 4" gravity="0 0">
    <velocity>60 0</velocity><startSize>6</startSize><endSize>6</endSize>
    <lifetime>1</lifetime><startColor>0xFFFFFFFF</startColor><averColor>0xFFFFFFFF</averColor>
    <endColor>0xFFFFFFFF</endColor>
  </particles_follow>
</bonus_effect>)";

void fRead(GG_EFFECT_BONUS& effect, const char* xml)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xml));
    effect.fLoadXml(document.first_child());
}

// What the level screen does at the end of each step, and what the counter shows.
struct ZT_HUD
{
    int counter = 0;
    int appearedAt = 0, arrivedAt = 0, finishedAt = 0;
    int call = 0;
    GG_EFFECT_BONUS* finished = nullptr;

    static void fAppeared(void* hud, GG_EFFECT_BONUS* effect)
    {
        static_cast<ZT_HUD*>(hud)->appearedAt = static_cast<ZT_HUD*>(hud)->call;
        effect->fStartTrail();
    }
    static void fArrived(void* hud, GG_EFFECT_BONUS* effect)
    {
        auto* self = static_cast<ZT_HUD*>(hud);
        self->arrivedAt = self->call;
        effect->fSetValueText(5);
        self->counter += 5;
    }
    static void fFinished(void* hud, GG_EFFECT_BONUS* effect)
    {
        auto* self = static_cast<ZT_HUD*>(hud);
        self->finishedAt = self->call;
        self->finished = effect;
    }
};

class BonusFly : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(table.load_string(kStrings));
        strings.fLoad(&table, 0, 0);
        fGetPuzzleShell().strings = &strings;
        zcFRAME_DELTA = 1.0f / 64.0f;
    }
    void TearDown() override { fGetPuzzleShell().strings = nullptr; }

    pugi::xml_document table;
    ZC_LOCALIZATION strings;
};
}

TEST_F(BonusFly, TheDescriptionSetsTheClassWideValuesAndTheTemplate)
{
    GG_EFFECT_BONUS bonus;
    fRead(bonus, kBonus);
    EXPECT_FLOAT_EQ(GG_EFFECT_BONUS::speed, 400.0f);
    EXPECT_EQ(GG_EFFECT_BONUS::deflection, -30) << "truncated";
    EXPECT_EQ(GG_EFFECT_BONUS::endPosition, ZS_VECTOR2(100, 50));
    EXPECT_FLOAT_EQ(GG_EFFECT_BONUS::motionTime, 0.5f);
    EXPECT_EQ(GG_EFFECT_BONUS::endOffset, ZS_VECTOR2(0, -40));
    EXPECT_EQ(bonus.textTransform.fGetPositionXY(), ZS_VECTOR2(100, 80));
    EXPECT_EQ(bonus.text, L"%i");
    EXPECT_EQ(bonus.sprite.fGetFile(), "coin.png");
    EXPECT_EQ(bonus.sprite.fGetFrameCount(), 4);
    EXPECT_EQ(bonus.trail.fGetFile(), "spark.png");
    EXPECT_EQ(bonus.trail.emitter.maxCount, 40);
    EXPECT_FALSE(bonus.trail.emitter.fIsActive());
    EXPECT_EQ(bonus.style.font, nullptr) << "no font manager here";

    // Absent attributes keep the values; a motion without time has none, and without
    // "endoffset" drifts by its start.
    fRead(bonus, "<bonus_effect><font fntName=\"x\"><motion start=\"7 9\"/><text value=\"nokey\"/></font></bonus_effect>");
    EXPECT_FLOAT_EQ(GG_EFFECT_BONUS::speed, 400.0f);
    EXPECT_EQ(GG_EFFECT_BONUS::endPosition, ZS_VECTOR2(100, 50));
    EXPECT_FLOAT_EQ(GG_EFFECT_BONUS::motionTime, 0.0f);
    EXPECT_EQ(GG_EFFECT_BONUS::endOffset, ZS_VECTOR2(7, 9));
    EXPECT_EQ(bonus.text, L"etwas") << "a key the table lacks";
    EXPECT_EQ(bonus.trail.fGetFile(), "") << "the trail is read in any case";

    // A deflection beyond any screen (or no number) is refused: the last one stays.
    testing::internal::CaptureStderr();
    for (const char* far : {"8.9e15", "-3e9", "nan", "inf"})
    {
        fRead(bonus, (std::string("<bonus_effect deflection=\"") + far + "\"/>").c_str());
        EXPECT_EQ(GG_EFFECT_BONUS::deflection, -30) << far;
    }
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("\"deflection\" 8.9e15, far beyond any screen: it is left at -30"), std::string::npos) << log;
}

TEST_F(BonusFly, TheValueTextFillsOneIntegerIntoTheLocalisedFormat)
{
    const struct
    {
        const wchar_t* format;
        const wchar_t* shown;
    } cases[] = {
        {L"+%i", L"+5"},
        {L"bonus!", L"bonus!"},          // no placeholder: unchanged
        {L"%03d%%", L"005%"},            // width, zero fill and a percent sign
        {L"%s gets %i", L"%s gets 5"},   // a string the caller never passed shows as written
        {L"%i and %i", L"5 and %i"},     // only one number is passed
        {L"%f coins", L"%f coins"},      // nor is a float
        {L"50%", L"50%"},                // a percent sign the text ends on
    };
    for (const auto& c : cases)
    {
        GG_EFFECT_BONUS bonus;
        bonus.text = c.format;
        bonus.fSetValueText(5);
        EXPECT_EQ(bonus.text, c.shown) << c.format;
        EXPECT_TRUE(bonus.textShown);
    }
    GG_EFFECT_BONUS longText;
    longText.text = std::wstring(800, L'x') + L"%i";
    longText.fSetValueText(5);
    EXPECT_EQ(longText.text.size(), 499u) << "the formatting buffer's 500 characters";
}

TEST_F(BonusFly, TheRewardReachesTheCounterAtItsTimesAndFades)
{
    GG_EFFECT_BONUS templ;
    fRead(templ, kBonus);
    GG_EFFECT_BONUS::deflection = 0;
    ZT_HUD hud;
    gEffects effects;
    // Two bonus cells of one line: two copies with queues of their own.
    auto first = std::make_unique<GG_EFFECT_BONUS>(templ);
    auto second = std::make_unique<GG_EFFECT_BONUS>(templ);
    first->fPlaceOn(ZS_VECTOR2(300, 300));
    second->fPlaceOn(ZS_VECTOR2(100, 290));
    EXPECT_TRUE(first->sprite.fIsPlaying());
    effects.fAdd(first->fMakeEffect(&hud, ZT_HUD::fAppeared, ZT_HUD::fArrived, ZT_HUD::fFinished));
    ZT_HUD other;
    effects.fAdd(second->fMakeEffect(&other, ZT_HUD::fAppeared, ZT_HUD::fArrived, ZT_HUD::fFinished));

    // The curve from the cell to the counter bends through (-100, -125): half the way, taken
    // as a point of its own.
    auto curve = [](float t) {
        const float u = 1.0f - t;
        return ZS_VECTOR2(u * u * 300 + 2 * t * u * -100 + t * t * 100, u * u * 300 + 2 * t * u * -125 + t * t * 50);
    };
    const float flight = std::sqrt(200.0f * 200.0f + 250.0f * 250.0f) / 400.0f; // 0.80 s
    for (hud.call = 1; hud.call <= 130; ++hud.call)
    {
        other.call = hud.call;
        effects.fUpdate();
        first->fUpdate();
        second->fUpdate();
        if (hud.call == 58)
        {
            // 26 ticks into the flight.
            const ZS_VECTOR2 expected = curve(26.0f / 64.0f / flight);
            EXPECT_NEAR(first->sprite.transform->position.x, expected.x, 0.5f);
            EXPECT_NEAR(first->sprite.transform->position.y, expected.y, 0.5f);
            EXPECT_LT(first->sprite.transform->position.x, 100.0f) << "well left of the counter mid-way";
        }
        if (hud.call == 83)
        {
            EXPECT_EQ(hud.counter, 0) << "1.30 s: still flying";
            EXPECT_FALSE(first->textShown);
        }
        if (hud.call == 100)
        {
            // Half way through the drift; the fade writes the colour of the time before its tick.
            EXPECT_NEAR(first->textTransform.position.y, 80.0f - 20.0f, 0.01f);
            EXPECT_NEAR(double(first->style.color.a), 255.0 * (1.0 - 15.0 / 32.0), 1.0);
        }
    }
    EXPECT_EQ(hud.appearedAt, 32) << "the coin appears for 4 frames at 8 per second";
    EXPECT_TRUE(first->trail.emitter.fIsActive()) << "the trail started with the flight";
    EXPECT_EQ(hud.arrivedAt, 84) << "0.5 s + 0.80 s, the first frame past it";
    EXPECT_EQ(hud.counter, 5);
    EXPECT_EQ(first->sprite.transform->position, ZS_VECTOR3(100, 50, 0)) << "exactly on the counter";
    EXPECT_EQ(first->text, L"5");
    EXPECT_EQ(hud.finishedAt, 84 + 33) << "then 0.5 s of drift and fade";
    EXPECT_EQ(hud.finished, first.get());
    EXPECT_NEAR(first->textTransform.position.y, 40.0f, 0.01f);
    EXPECT_EQ(first->style.color.fToPacked(), 0x00FFFFFFu) << "transparent white";

    // The second coin flew 290 pixels less far from its own cell.
    EXPECT_EQ(other.appearedAt, 32);
    EXPECT_EQ(other.arrivedAt, 32 + int(std::ceil(240.0f / 400.0f * 64.0f)));
    EXPECT_EQ(other.counter, 5);
    EXPECT_EQ(effects.fGetCount(), 0u);
}

namespace
{
// Frames of one coin on the offscreen device with the digit font.
class BonusFrame : public ZT_PUZZLE_FONTS
{
protected:
    void SetUp() override
    {
        ZT_PUZZLE_FONTS::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(table.load_string(kStrings));
        strings.fLoad(&table, 0, 0);
        fGetPuzzleShell().strings = &strings;
        zcFRAME_DELTA = 1.0f / 64.0f;
        random = std::make_unique<ZC_RANDOM>(0);
    }
    void TearDown() override
    {
        bonus.reset();
        fGetPuzzleShell().strings = nullptr;
        zcRANDOM = nullptr;
        ZT_PUZZLE_FONTS::TearDown();
    }
    // Lit pixels in a rectangle of the picture.
    int fLitCount(int x0, int y0, int w, int h)
    {
        std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
        render->fGetDevice()->fReadPixels(x0, y0, w, h, rgba.data());
        int lit = 0;
        for (size_t i = 0; i < rgba.size(); i += 4)
            lit += std::max({rgba[i], rgba[i + 1], rgba[i + 2]}) > 127;
        return lit;
    }

    pugi::xml_document table;
    ZC_LOCALIZATION strings;
    std::unique_ptr<ZC_RANDOM> random;
    std::unique_ptr<GG_EFFECT_BONUS> bonus;
};
}

TEST_F(BonusFrame, TheCoinFliesWithItsSparksAndItsValueRises)
{
    GG_EFFECT_BONUS templ;
    fRead(templ, kBonus);
    EXPECT_EQ(data->fUsers("coin.png"), 0) << "the template is never loaded";
    bonus = std::make_unique<GG_EFFECT_BONUS>(templ);
    bonus->fLoadResources();
    EXPECT_EQ(data->fUsers("coin.png"), 1);
    EXPECT_EQ(data->fUsers("spark.png"), 1);
    bonus->fPlaceOn(ZS_VECTOR2(300, 300));
    ZT_HUD hud;
    gEffects effects;
    effects.fAdd(bonus->fMakeEffect(&hud, ZT_HUD::fAppeared, ZT_HUD::fArrived, ZT_HUD::fFinished));

    // 0.5 s to appear, then 0.2 s of flight: the coin a quarter of the way, sparks behind it
    // (the trail follows the coin as it is drawn, frame by frame).
    for (hud.call = 1; hud.call <= 45; ++hud.call)
    {
        effects.fUpdate();
        bonus->fUpdate();
        fFrame([this] { bonus->fDraw(); });
    }
    const ZS_VECTOR3 at = bonus->sprite.transform->position;
    fSaveFrame("bonus_flight");
    EXPECT_EQ(fPixel(int(at.x), int(at.y)), 0xFFFFC000u) << "the coin at " << at.x << "," << at.y;
    // The sparks drift right of where the coin passed; the coin itself covers 16 x 16.
    const int sparks = fLitCount(0, 0, 512, 400) - fLitCount(int(at.x) - 9, int(at.y) - 9, 18, 18);
    EXPECT_GT(sparks, 30) << "sparks drawn apart from the coin";

    // Arrived, then 8 frames of the drift: the value 5 stands 5 pixels higher, still bright.
    for (; hud.arrivedAt == 0 || hud.call <= hud.arrivedAt + 8; ++hud.call)
    {
        effects.fUpdate();
        bonus->fUpdate();
    }
    fFrame([this] { bonus->fDraw(); });
    fSaveFrame("bonus_value");
    const std::vector<ZT_FONT::ZT_BOX> boxes = fLitBoxes(60, 40, 80, 60);
    ASSERT_EQ(boxes.size(), 1u) << "only the text: the coin and its sparks are no longer drawn";
    EXPECT_EQ(boxes[0].w, fDigitWidth(5));
    EXPECT_NEAR(boxes[0].x + boxes[0].w / 2.0, 100.0, 1.5);
    EXPECT_NEAR(boxes[0].y + boxes[0].h / 2.0, 80.0 - 40.0 * 8.0 / 32.0, 1.5);

    bonus->fUnloadResources();
    EXPECT_EQ(data->fUsers("coin.png"), 0);
    EXPECT_EQ(data->fUsers("spark.png"), 0);
}

// The value text is formatted once, when it is set: what it holds is drawn as it stands, so
// "%%" in the localised format shows one per cent sign on screen and not none.
TEST_F(BonusFrame, APerCentSignOfTheFormatIsDrawn)
{
    bonus = std::make_unique<GG_EFFECT_BONUS>();
    bonus->style.font = font; // the test font: 'A' 6 x 8, '%' 3 x 8
    bonus->style.hotSpot = HS_UL;
    bonus->textTransform.fSetPosition(100.0f, 80.0f, 0.0f);
    bonus->text = L"A%%";
    bonus->fSetValueText(5);
    ASSERT_EQ(bonus->text, L"A%");
    fFrame([this] { bonus->fDraw(); });
    const std::vector<ZT_FONT::ZT_BOX> boxes = ZT_FONT::fSorted(fLitBoxes(60, 50, 80, 60));
    ASSERT_EQ(boxes.size(), 2u) << "'A' and '%'";
    EXPECT_EQ(boxes[0].w, 6);
    EXPECT_EQ(boxes[1].w, 3);
}
