#pragma once
#include <memory>

#include "app/MenuKeys.h"
#include "platform/Sprite.h"
#include "platform/Texture.h"
#include "scenes/OptionsScreen.h"

class CGameFrameConstruct;
class CTraceWriter;

// The stage's pause: P (or the controller's Guide) pauses and resumes, and the stage pauses
// itself when the window loses the focus. While paused the stage advances nothing and every
// sound holds where it is; the frozen stage is shown dimmed under "PAUSE" and the keys. While
// paused, H switches the ghost of the best run on or off, when there is one, and O (or Enter, the
// controller's Start) opens the options, during which the sound plays again so that the volumes
// can be heard; closing them returns to the pause.
class CStagePause {
public:
    void SetFrame(CGameFrameConstruct* frame);
    void SetTexture(const platform::Texture* labels) { if (labels) mpLabels = labels; }
    void SetFontTexture(const platform::Texture* font) { if (font) mpFont = font; }

    // Reads P and the window's focus once per frame; true when the stage must not advance in
    // this frame. The frame that resumes advances, so a pause of n frames delays the stage by n.
    bool Update();
    bool Paused() const { return mPaused; }
    // Over the stage's own drawing, while paused.
    void Draw(platform::Sprite* sprite) const;
    // A stage that ends while paused gives the sound back.
    void Release();
    void WriteTrace(CTraceWriter& trace) const;
    bool OptionsOpen() const { return mpOptions != nullptr && mpOptions->IsOpen(); }

    // Whether the stage is paused and the pause's key memory, as a stage snapshot keeps them
    // (the options overlay is not part of a snapshot).
    struct State {
        bool paused = false;
        CMenuKeys menuKeys;
    };
    State SaveState() const { return {mPaused, mMenuKeys}; }
    void RestoreState(const State& state)
    {
        SetPaused(state.paused);
        mMenuKeys = state.menuKeys;
    }

private:
    void SetPaused(bool paused);
    void SetSoundHeld(bool held);
    bool KeysShowBindings() const;

    CGameFrameConstruct* mpFrame = nullptr;
    const platform::Texture* mpLabels = nullptr;
    const platform::Texture* mpFont = nullptr;
    bool mPaused = false;
    std::unique_ptr<COptionsScreen> mpOptions;
    CMenuKeys mMenuKeys;
};
