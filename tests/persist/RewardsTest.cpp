#include <gtest/gtest.h>

#include <sstream>

#include "main/GameEngine.h"
#include "persist/Player.h"
#include "persist/RewardsFile.h"
#include "persist/WordReader.h"
#include "render/Renderer.h"
#include "render/Sprite.h"

TEST(RewardsTest, FileGivesEachTrophyItsPlaceOnce)
{
    std::istringstream text("Rotation: 1 1 1\nModel: cat.obj\nPivot: Paw 1 2 3\nModel: dog.obj\n"
                            "Rotation: 0 x 0\nPosition: 4 5 6\n");
    WordReader in(text);
    const std::vector<RewardsFile::Trophy> t = RewardsFile::read(in);
    ASSERT_EQ(2u, t.size());
    EXPECT_EQ(Vector3(0, 0, 0), t[0].position);  // keys before a model belong to none
    EXPECT_EQ(Vector3(0, 0, 0), t[0].rotation);
    ASSERT_EQ(1u, t[0].pivots.size());
    EXPECT_EQ("Paw", t[0].pivots[0].first);
    EXPECT_EQ(Vector3(4, 5, 6), t[1].position);
    EXPECT_EQ(Vector3(0, 0, 0), t[1].rotation);
}

TEST(RewardsTest, TrophyShownOnlyForThePlayersWhoEarnedIt)
{
    GameEngine engine(new Renderer);
    for (const char* model : {"Assets/Rewards/luckycat.obj", "Assets/Rewards/other.obj"}) {
        Sprite* s = new Sprite(&engine.renderEngine, 0, 0, 0);
        s->path = model;
        engine.renderEngine.rewardSprites.push_back(s);
    }
    Sprite* cat = engine.renderEngine.rewardSprites[0];
    Sprite* other = engine.renderEngine.rewardSprites[1];
    engine.players = {new Player, new Player};
    engine.currentPlayer = engine.players.begin();
    engine.setRewards();
    EXPECT_FALSE(cat->visible);

    engine.checkRewards();
    engine.checkRewards();
    EXPECT_EQ(std::vector<std::string>{"Assets/Rewards/luckycat.obj"}, engine.players[0]->rewards);
    EXPECT_TRUE(cat->visible);
    EXPECT_FALSE(other->visible);

    engine.currentPlayer = engine.players.begin() + 1;
    engine.setRewards();
    EXPECT_FALSE(cat->visible);
    engine.currentPlayer = engine.players.begin();
    engine.setRewards();
    EXPECT_TRUE(cat->visible);
}
