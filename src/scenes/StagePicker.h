#pragma once
#include <vector>

#include "app/BestResults.h"
#include "app/FrameInput.h"
#include "app/StageDescription.h"
#include "app/TapLatch.h"
#include "platform/Sprite.h"

// The choice of stage on the title: the game's own stages are open up to the first one not yet
// cleared, a player's own stages always; Left and Right move the choice among the open ones.
class CStagePicker {
public:
    // `chosen` starts the choice (the stage played last); the stages up to `openUpTo` are open
    // whatever the results say.
    void Init(const std::vector<StageDescription>* stages, const CBestResultsFile* bests, int chosen, int openUpTo = -1);
    // Left or Right pressed (the rules' test, made of both every frame) moves the choice; true
    // when it moved.
    bool Update(const FrameInput& input, TapLatch& latch);
    int Choice() const { return mChoice; }
    bool IsOpen(int index) const;
    // How many stages can be chosen from.
    int OpenCount() const;

    // The chosen stage's number and name on a dark plate centred at (centreX, top), with arrows
    // toward the open stages on either side; nothing while only one stage is open.
    void Draw(platform::Sprite* sprite, const platform::Texture* font, const platform::Texture* plate, float centreX,
              float top) const;

private:
    int Step(int direction) const;

    const std::vector<StageDescription>* mpStages = nullptr;
    const CBestResultsFile* mpBests = nullptr;
    int mChoice = 0;
    int mOpenUpTo = -1;
};

// How many of the game's own stages are open with these results: the first, and each after a
// cleared one.
int OpenOwnStages(const std::vector<StageDescription>& stages, const CBestResultsFile* bests);
