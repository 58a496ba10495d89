#pragma once
#include <string>

#include "app/Bindings.h"
#include "app/MenuKeys.h"
#include "app/ResourceHolder.h"
#include "app/Texts.h"
#include "platform/Sprite.h"

class CGameFrameConstruct;
class CTraceWriter;

// The options, over the title or the pause screen: the music's and the effects' volume in
// steps (heard at once), full screen (switched at once), and which key and controller button
// stands for each action (choose one, press the new key or button), with a reset to the
// defaults. Up and Down choose a line, Left and Right change it, Enter or Space selects; O, or
// the line BACK, closes. Everything goes by the game's keys, so a controller's d-pad, Start and
// B or X work it as well as the keyboard. The screen changes only the settings: nothing the stage,
// its traces or recordings depend on.
class COptionsScreen {
public:
    enum Row : int {
        kMusic,
        kEffects,
        kFullscreen,
        kFirstAction,
        kReset = kFirstAction + kActionCount,
        kBack,
        kRowCount,
    };
    // Frames a binding waits for its key or button before it gives up.
    static constexpr int kWaitFrames = 300;
    // Frames a message stays.
    static constexpr int kMessageFrames = 180;

    explicit COptionsScreen(CGameFrameConstruct* frame) : mpFrame(frame), mResources(frame) {}

    // Loads its pictures and sound on the first opening, so that a screen that never opens them
    // loads nothing.
    void Open();
    bool IsOpen() const { return mOpen; }
    // One frame while open; closes (and keeps the settings) on O or BACK.
    void Update();
    void Draw(platform::Sprite* sprite) const;
    void WriteTrace(CTraceWriter& trace) const;
    // Frees what Open loaded (the owner's Release).
    void Release();

    int Row() const { return mRow; }
    bool Waiting() const { return mWaitFrames > 0; }
    const std::string& Message() const { return mMessage; }

private:
    void Close();
    void Change(int direction);
    void Select();
    void Bind(const platform::PhysicalPress& press);
    void Say(std::string message);
    std::string Text(TextId id) const;
    void DrawRow(platform::Sprite* sprite, int row, float y) const;

    CGameFrameConstruct* mpFrame = nullptr;
    CResourceHolder mResources;
    const platform::Texture* mpFont = nullptr;
    const platform::Texture* mpLabels = nullptr;
    platform::SoundBuffer* mpClick = nullptr;
    bool mLoaded = false;
    bool mOpen = false;
    int mRow = 0;
    int mWaitFrames = 0; // above 0 while a binding waits for its key or button
    std::string mMessage;
    int mMessageFrames = 0;
    CMenuKeys mKeys;
};
