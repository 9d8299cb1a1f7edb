#pragma once
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "game/BoardFingerprint.h"
#include "game/BoardSketch.h"
#include "game/DeadEndProbe.h"

class Level;

// Works out beside play, on a thread of its own, whether the board has
// become a dead end and how many undos lead back from it. Each answer is
// kept by position (the tiles' states and the undo history that reaches
// them), so no position is worked out twice; a newer position asked for
// stops the analysis of an older one. The thread starts with the first
// question.
class DeadEndWatch {
public:
    // For each position analysed; off the frame, so it may take long.
    AnalystBudget budget{2000.0, 5000000};

    DeadEndWatch() = default;
    DeadEndWatch(const DeadEndWatch&) = delete;
    DeadEndWatch& operator=(const DeadEndWatch&) = delete;
    ~DeadEndWatch();

    // Asks about the board as it is now (a copy is taken: the board may
    // change at once).
    void watch(const Level& level);
    // The answer for the position last watched; false while it is not known.
    bool answer(DeadEndProbe::Report& out) const;
    // Whether an answer for the position last watched came since the last
    // call: the moment to show it.
    bool takeNews();
    // Positions worked out so far (answers kept).
    size_t known() const;

private:
    using Key = std::vector<int>;
    struct Job {
        Key key;
        std::unique_ptr<BoardSketch> sketch;
        std::vector<std::vector<int>> past;
    };

    static Key keyOf(const std::vector<std::vector<int>>& past);
    void run();

    mutable std::mutex lock;
    std::condition_variable wake;
    std::thread worker;
    bool stopping = false;
    std::unique_ptr<Job> pending;  // only the newest question waits
    Key running;                   // the question being worked on, if any
    std::atomic<bool> cancel{false};
    std::map<Key, DeadEndProbe::Report> answers;
    Key current;
    bool news = false;
    BoardFingerprint board;  // the board the kept answers belong to
};
