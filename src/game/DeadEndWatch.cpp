#include "game/DeadEndWatch.h"

#include "game/Level.h"

DeadEndWatch::~DeadEndWatch()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
        cancel = true;
    }
    wake.notify_all();
    if (worker.joinable())
        worker.join();
}

DeadEndWatch::Key DeadEndWatch::keyOf(const std::vector<std::vector<int>>& past)
{
    // The states now (the last snapshot; a selection is no step), then the
    // length and a digest of the history behind them: the undos back depend
    // on it.
    Key key = past.empty() ? Key() : past.back();
    uint64_t h = 1469598103934665603ull;
    for (const std::vector<int>& states : past)
        for (int s : states)
            h = (h ^ static_cast<uint64_t>(s)) * 1099511628211ull;
    key.push_back(static_cast<int>(past.size()));
    key.push_back(static_cast<int>(h & 0x7fffffff));
    key.push_back(static_cast<int>(h >> 33));
    return key;
}

void DeadEndWatch::watch(const Level& level)
{
    std::vector<std::vector<int>> past = DeadEndProbe::pastStates(level);
    const Key key = keyOf(past);
    std::lock_guard<std::mutex> guard(lock);
    if (!board.matches(level)) {
        // Another deal, or the same tiles shuffled: the answers kept are
        // about another board.
        board.take(level);
        answers.clear();
    }
    // News is about the position watched: one for an older is stale now.
    if (current != key)
        news = false;
    current = key;
    if (answers.count(key)) {
        news = true;
        return;
    }
    if ((pending && pending->key == key) || running == key)
        return;
    if (!running.empty())
        cancel = true;  // an older question: its answer is no longer wanted
    pending = std::make_unique<Job>(Job{key, std::make_unique<BoardSketch>(level), std::move(past)});
    if (!worker.joinable())
        worker = std::thread(&DeadEndWatch::run, this);
    wake.notify_all();
}

bool DeadEndWatch::answer(DeadEndProbe::Report& out) const
{
    std::lock_guard<std::mutex> guard(lock);
    auto it = answers.find(current);
    if (it == answers.end())
        return false;
    out = it->second;
    return true;
}

bool DeadEndWatch::takeNews()
{
    std::lock_guard<std::mutex> guard(lock);
    const bool had = news;
    news = false;
    return had;
}

size_t DeadEndWatch::known() const
{
    std::lock_guard<std::mutex> guard(lock);
    return answers.size();
}

void DeadEndWatch::run()
{
    std::unique_lock<std::mutex> guard(lock);
    while (true) {
        wake.wait(guard, [this] { return stopping || pending; });
        if (stopping)
            return;
        std::unique_ptr<Job> job = std::move(pending);
        running = job->key;
        cancel = false;
        guard.unlock();
        AnalystBudget limits = budget;
        limits.cancel = &cancel;
        const DeadEndProbe::Report report = DeadEndProbe::probe(*job->sketch, job->past, limits);
        guard.lock();
        running.clear();
        // A stopped analysis proves nothing; one that ran out of budget is
        // kept as undecided, not to be tried again.
        if (!cancel) {
            answers[job->key] = report;
            if (job->key == current)
                news = true;
        }
    }
}
