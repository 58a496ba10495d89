#pragma once
#include <string>
#include <vector>

#include "app/BestResults.h"

// What the player has cleared since leaving the title, stage by stage, for the campaign's end:
// each stage's name, time, score and what it beat. A stage cleared again (played again, or
// after a continue) keeps its latest clear; the title starts the log afresh.
struct CampaignClear {
    int stageIndex = 0;
    std::string name;
    int frames = 0;
    int score = 0;
    int scoreTotal = 0;
    bool aided = false; // a testing aid was used: the clear keeps no best
    NewBests beaten;
};

class CCampaignLog {
public:
    void Clear() { mClears.clear(); }
    void Record(const CampaignClear& clear);
    // In the order of the stages.
    const std::vector<CampaignClear>& Clears() const { return mClears; }

private:
    std::vector<CampaignClear> mClears;
};
