#include "app/CampaignLog.h"

#include <algorithm>

void CCampaignLog::Record(const CampaignClear& clear)
{
    auto at = std::find_if(mClears.begin(), mClears.end(),
                           [&clear](const CampaignClear& c) { return c.stageIndex >= clear.stageIndex; });
    if (at != mClears.end() && at->stageIndex == clear.stageIndex) *at = clear;
    else mClears.insert(at, clear);
}
