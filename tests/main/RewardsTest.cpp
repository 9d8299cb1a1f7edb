#include <gtest/gtest.h>

#include "main/GameEngine.h"
#include "persist/Player.h"
#include "render/Renderer.h"
#include "render/Sprite.h"

TEST(RewardsTest, TrophyShownOnlyForThePlayersWhoEarnedIt)
{
    GameEngine engine(new Renderer);
    for (const char* model : {"Assets/Rewards/luckycat.obj", "Assets/Rewards/other.obj"}) {
        engine.renderEngine.rewardSprites.push_back(std::make_unique<Sprite>(&engine.renderEngine, 0, 0, 0));
        engine.renderEngine.rewardSprites.back()->path = model;
    }
    Sprite* cat = engine.renderEngine.rewardSprites[0].get();
    Sprite* other = engine.renderEngine.rewardSprites[1].get();
    engine.players.emplace_back(new Player);
    engine.players.emplace_back(new Player);
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
