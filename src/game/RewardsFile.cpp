#include "game/RewardsFile.h"

#include "base/WordReader.h"

namespace {
bool readVector(WordReader& in, Vector3& v)
{
    Vector3 read;
    if (!(in.readFloat(read.x) && in.readFloat(read.y) && in.readFloat(read.z)))
        return false;
    v = read;
    return true;
}
}

std::vector<RewardsFile::Trophy> RewardsFile::read(WordReader& in)
{
    std::vector<Trophy> trophies;
    std::string word;
    while (in.next(word)) {
        if (word == "Model:") {
            Trophy t;
            if (in.next(t.model))
                trophies.push_back(t);
        } else if (word == "Position:" || word == "Rotation:") {
            Vector3 v;
            if (!readVector(in, v) || trophies.empty())
                continue;
            (word == "Position:" ? trophies.back().position : trophies.back().rotation) = v;
        } else if (word == "Pivot:") {
            std::string object;
            Vector3 v;
            if (in.next(object) && readVector(in, v) && !trophies.empty())
                trophies.back().pivots.emplace_back(object, v);
        }
    }
    return trophies;
}
