#include <chrono>
#include <thread>

#include "GameFixture.h"

// The bottom bar's dead-end warning after a losing line, and gone again
// after the undos it names.
class DeadEndTest : public GameTest {
protected:
    // Lets the watch's thread answer, then runs the frame step that shows it.
    void awaitAnswer()
    {
        for (int i = 0; i < 3000 && !engine->deadEnd.takeNews(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        engine->showDeadEnd();
    }
};

TEST_F(DeadEndTest, TheWarningComesAfterALosingLineAndGoesAfterTheUndosItNames)
{
    // Two stacks, A over B and B over A, two lone A and pairs of C and D:
    // taking the lone A loses, and the C pair taken after keeps it lost.
    startTiles({{"B", Point(0, 0, 0)}, {"A", Point(0, 0, 1)}, {"A", Point(4, 0, 0)}, {"B", Point(4, 0, 1)},
                {"A", Point(8, 0, 0)}, {"A", Point(12, 0, 0)}, {"C", Point(16, 0, 0)}, {"C", Point(20, 0, 0)},
                {"D", Point(24, 0, 0)}, {"D", Point(28, 0, 0)}},
               DIFFICULTY_ADVANCED);
    addMenu();
    MenuLabel* line = engine->menu->root->addLabel("DeadEndText", "");
    line->setVisibility(false);
    const PointerView<Tile> t = pointers(level->tiles);
    const float normal[3] = {engine->movesText->textColor[0], engine->movesText->textColor[1],
                             engine->movesText->textColor[2]};
    engine->updateBottomText();
    awaitAnswer();
    EXPECT_EQ("5", labelText("MovesText"));
    EXPECT_FALSE(line->visible);

    level->clearTiles(t[4], t[5]);
    engine->updateBottomText();
    awaitAnswer();
    EXPECT_EQ("2 dead end", labelText("MovesText"));
    EXPECT_TRUE(line->visible);
    EXPECT_EQ("Dead end: 1 undo leads back to a winnable board", line->text);
    EXPECT_NE(normal[1], engine->movesText->textColor[1]);

    level->clearTiles(t[6], t[7]);
    engine->updateBottomText();
    awaitAnswer();
    EXPECT_EQ("1 dead end", labelText("MovesText"));
    EXPECT_EQ("Dead end: 2 undos lead back to a winnable board", line->text);

    engine->undo();
    awaitAnswer();
    EXPECT_EQ("2 dead end", labelText("MovesText"));
    engine->undo();
    awaitAnswer();
    EXPECT_EQ("5", labelText("MovesText"));
    EXPECT_FALSE(line->visible);
    EXPECT_EQ(normal[1], engine->movesText->textColor[1]);
}

TEST_F(DeadEndTest, NoWarningWhileASlotIsOpen)
{
    // Parking may still save a board the analyst calls lost.
    startTiles({{"B", Point(0, 0, 0)}, {"A", Point(0, 0, 1)}, {"A", Point(4, 0, 0)}, {"B", Point(4, 0, 1)},
                {"C", Point(8, 0, 0)}, {"C", Point(12, 0, 0)}},
               DIFFICULTY_EASY);
    addMenu();
    engine->updateBottomText();
    awaitAnswer();
    EXPECT_EQ("1", labelText("MovesText"));
}
