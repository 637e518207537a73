// The star row: settings read in order, stars cut from the texture and laid side by side.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "engine/gui/ZC_STAR_RATING.h"
#include "gui/ZT_WIDGET_TEST.h"

using namespace ZOR;

namespace
{
pugi::xml_node fParse(pugi::xml_document& doc, const char* text)
{
    EXPECT_TRUE(doc.load_string(text));
    return doc.document_element();
}
}

TEST(StarRating, SettingsAreReadInOrderUpToTheFirstMissingOne)
{
    pugi::xml_document doc;
    ZC_STAR_RATING full(fParse(doc, "<STARS time='0.5' amplitude='2' frequency='3' decay='4' start_size='0.1' "
                                    "end_size='1.5' draw_empty='yes' stars_max='5'>"
                                    "<TRANSFORM>10 20 0 1 2 0 0 0 0 1 1 1</TRANSFORM></STARS>"));
    const ZS_STAR_RATING_SETTINGS& s = full.fGetSettings();
    EXPECT_FLOAT_EQ(s.time, 0.5f);
    EXPECT_FLOAT_EQ(s.endSize, 1.5f);
    EXPECT_TRUE(s.drawEmpty);
    EXPECT_EQ(s.starsMax, 5);
    EXPECT_FLOAT_EQ(s.transform.position.x, 10);
    EXPECT_FLOAT_EQ(s.transform.pivot.y, 2);
    EXPECT_EQ(full.fGetValue(), 4);

    // Without "decay" the reading stops after "frequency"; the rest keep what they had.
    pugi::xml_document other;
    pugi::xml_node partial = fParse(other, "<STARS time='9' amplitude='8' frequency='7' start_size='6' "
                                           "end_size='5' draw_empty='1' stars_max='3'><TRANSFORM>1 1 1 0 0 0 0 0 0 1 1 "
                                           "1</TRANSFORM></STARS>");
    EXPECT_FALSE(full.fLoadSettings(partial));
    EXPECT_FLOAT_EQ(s.time, 9);
    EXPECT_FLOAT_EQ(s.frequency, 7);
    EXPECT_FLOAT_EQ(s.decay, 4);
    EXPECT_FLOAT_EQ(s.startSize, 0.1f);
    EXPECT_EQ(s.starsMax, 5);
    EXPECT_FLOAT_EQ(s.transform.position.x, 10);

    pugi::xml_document noTransform;
    EXPECT_FALSE(full.fLoadSettings(fParse(noTransform, "<STARS time='1' amplitude='1' frequency='1' decay='1' "
                                                        "start_size='1' end_size='1' draw_empty='0' stars_max='2'/>")));
    EXPECT_EQ(s.starsMax, 2);
}

TEST(StarRating, TheRowHoldsStarsMaxEmptyStarsSideBySide)
{
    ZS_STAR_RATING_SETTINGS settings;
    settings.starsMax = 5;
    settings.transform.fSetPosition(100, 50, 0);
    ZC_STAR_RATING row(settings);
    ZS_TEXTURE sheet = ZT_GUI::fSizedTexture(64, 32);
    row.fSetTexture(&sheet);

    ASSERT_EQ(row.fGetStars().size(), 5u);
    for (int i = 0; i < 5; ++i)
    {
        ZC_QUAD* star = row.fGetStars()[size_t(i)];
        EXPECT_FLOAT_EQ(star->vertices[0].x, 32.0f * float(i)) << i;
        EXPECT_FLOAT_EQ(star->fGetWidth(), 32) << i;
        EXPECT_FLOAT_EQ(star->vertices[1].u, 0.5f) << "the empty star is the left half";
        EXPECT_EQ(star->fGetTransform(), &row.fGetTransform()) << "every star follows the row";
    }
    EXPECT_FLOAT_EQ(row.fGetFullStar().vertices[0].u, 0.5f);
    EXPECT_FLOAT_EQ(row.fGetFullStar().vertices[1].u, 1.0f);

    // Setting the texture again rebuilds the row in place of the old one.
    row.fSetTexture(&sheet);
    EXPECT_EQ(row.fGetStars().size(), 5u);

    ZS_STAR_RATING_SETTINGS none;
    ZC_STAR_RATING empty(none);
    empty.fSetTexture(&sheet);
    EXPECT_TRUE(empty.fGetStars().empty());

    ZS_STAR_RATING_SETTINGS huge;
    huge.starsMax = 2000000000;
    ZC_STAR_RATING capped(huge);
    capped.fSetTexture(&sheet);
    EXPECT_EQ(capped.fGetStars().size(), size_t(ZC_STAR_RATING::kMaxStars));
}
