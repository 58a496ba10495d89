#include "platform/SdlSystem.h"

#include <cstdlib>
#include <cstring>

#include "platform/TerminalText.h"
#include "platform/X11Window.h"

namespace platform {

namespace {

constexpr int kClientWidth = kDrawingWidth;
constexpr int kClientHeight = kDrawingHeight;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
constexpr int kAnswerYesAlways = 8;
constexpr int kAnswerNoAlways = 9;

constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 180;

// The start-up question, unless the command line or the settings answered it; ZEM_FULLSCREEN=yes|no
// answers it without asking, and a box that cannot be shown counts as No. The "always" buttons,
// when the question has them, answer and ask for the answer to be kept.
bool AskFullscreen(FullscreenChoice choice, const FullscreenQuestion& question, bool& remember)
{
    remember = false;
    if (choice != FullscreenChoice::Ask) return choice == FullscreenChoice::Fullscreen;
    if (const char* answer = std::getenv("ZEM_FULLSCREEN")) {
        return std::strcmp(answer, "yes") == 0;
    }
    SDL_MessageBoxButtonData buttons[4] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kAnswerYes, question.yes.c_str()},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kAnswerNo, question.no.c_str()},
        {0, kAnswerYesAlways, question.yesAlways.c_str()},
        {0, kAnswerNoAlways, question.noAlways.c_str()},
    };
    const bool offerToKeep = !question.yesAlways.empty() && !question.noAlways.empty();
    SDL_MessageBoxData box{};
    box.flags = SDL_MESSAGEBOX_INFORMATION;
    box.window = nullptr;
    box.title = question.caption.c_str();
    box.message = question.text.c_str();
    box.numbuttons = offerToKeep ? 4 : 2;
    box.buttons = buttons;
    int answer = kAnswerNo;
    if (SDL_ShowMessageBox(&box, &answer) != 0) return false;
    remember = answer == kAnswerYesAlways || answer == kAnswerNoAlways;
    return answer == kAnswerYes || answer == kAnswerYesAlways;
}

// F11, or Enter with Alt held.
bool IsFullscreenToggle(const SDL_KeyboardEvent& key)
{
    if (key.repeat != 0) return false;
    if (key.keysym.scancode == SDL_SCANCODE_F11) return true;
    const bool enter = key.keysym.scancode == SDL_SCANCODE_RETURN || key.keysym.scancode == SDL_SCANCODE_KP_ENTER;
    return enter && (key.keysym.mod & KMOD_ALT) != 0;
}

int RendererIndex(const char* name)
{
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return i;
    }
    return -1;
}

// What each key stood for before the game's settings: itself.
int OwnVirtualKeyOf(SDL_Scancode code)
{
    switch (code) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
    case SDL_SCANCODE_ESCAPE: return VK_ESCAPE;
    case SDL_SCANCODE_SPACE: return VK_SPACE;
    case SDL_SCANCODE_LEFT: return VK_LEFT;
    case SDL_SCANCODE_UP: return VK_UP;
    case SDL_SCANCODE_RIGHT: return VK_RIGHT;
    case SDL_SCANCODE_DOWN: return VK_DOWN;
    default: break;
    }
    if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 'A' + (code - SDL_SCANCODE_A);
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return '1' + (code - SDL_SCANCODE_1);
    if (code == SDL_SCANCODE_0) return '0';
    return -1;
}

bool IsEnterKey(SDL_Scancode code)
{
    return code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
}

} // namespace

SdlKeyboard::SdlKeyboard()
{
    for (int code = 0; code < SDL_NUM_SCANCODES; ++code) {
        mVirtualKeyOf[static_cast<size_t>(code)] =
            static_cast<int16_t>(OwnVirtualKeyOf(static_cast<SDL_Scancode>(code)));
    }
}

void SdlKeyboard::SetInputMap(const InputMap& map)
{
    mVirtualKeyOf.fill(-1);
    mVirtualKeyOf[SDL_SCANCODE_ESCAPE] = VK_ESCAPE; // Escape always quits
    for (const auto& [name, vk] : map.keys) {
        const SDL_Scancode code = SDL_GetScancodeFromName(name.c_str());
        if (code == SDL_SCANCODE_UNKNOWN || code == SDL_SCANCODE_ESCAPE || vk < 0 || vk >= 256) continue;
        mVirtualKeyOf[static_cast<size_t>(code)] = static_cast<int16_t>(vk);
    }
}

int SdlKeyboard::VirtualKeyOf(SDL_Scancode code) const
{
    return code >= 0 && code < SDL_NUM_SCANCODES ? mVirtualKeyOf[static_cast<size_t>(code)] : -1;
}

void SdlKeyboard::NoteEvent(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN || event.key.repeat != 0) return;
    if (IsEnterKey(event.key.keysym.scancode) && (event.key.keysym.mod & KMOD_ALT) != 0) return;
    const int vk = VirtualKeyOf(event.key.keysym.scancode);
    if (vk >= 0) mPressedSinceRefresh.set(static_cast<size_t>(vk));
}

void SdlKeyboard::Refresh(const std::bitset<256>& controllerKeys)
{
    mDown = controllerKeys | mPressedSinceRefresh;
    mPressedSinceRefresh.reset();
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    // Enter pressed with Alt switches full screen; the game does not see it.
    const bool altHeld = (SDL_GetModState() & KMOD_ALT) != 0;
    for (int code = 0; code < count; ++code) {
        if (!state[code]) continue;
        if (IsEnterKey(static_cast<SDL_Scancode>(code)) && altHeld) continue;
        const int vk = VirtualKeyOf(static_cast<SDL_Scancode>(code));
        if (vk >= 0) mDown.set(static_cast<size_t>(vk));
    }
}

std::unique_ptr<SdlSystem> SdlSystem::Create(const SdlOptions& options, StartupFailure& failure, std::string& detail,
                                             bool* rememberAnswer)
{
    failure = StartupFailure::None;
    std::unique_ptr<SdlSystem> system(new SdlSystem());

    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        failure = StartupFailure::Video;
        detail = TerminalText(SDL_GetError(), kLibraryTextShown);
        return nullptr;
    }
    // Without a display SDL falls back to a driver that shows nothing; unless someone asked for
    // it by name, the game would run unseen, so it stops here.
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool invisible = driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    if (invisible && std::getenv("SDL_VIDEODRIVER") == nullptr) {
        failure = StartupFailure::Video;
        detail = "no display was found (set DISPLAY or WAYLAND_DISPLAY, or start the game on a desktop)";
        SDL_Quit();
        return nullptr;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");

    const Uint32 flags = options.hidden ? SDL_WINDOW_HIDDEN : (SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    system->mWindow = SDL_CreateWindow("ZEM", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kClientWidth,
                                       kClientHeight, flags);
    if (system->mWindow == nullptr) {
        failure = StartupFailure::Window;
        detail = TerminalText(SDL_GetError(), kLibraryTextShown);
        return nullptr;
    }

    SDL_SetWindowMinimumSize(system->mWindow, kMinimumWidth, kMinimumHeight);
    bool remember = false;
    const bool fullscreen = AskFullscreen(options.fullscreen, options.question, remember);
    if (rememberAnswer != nullptr) *rememberAnswer = remember;

    system->mRenderer = SDL_CreateRenderer(system->mWindow, -1, SDL_RENDERER_ACCELERATED);
    if (system->mRenderer == nullptr) {
        const int software = RendererIndex("software");
        if (software >= 0) system->mRenderer = SDL_CreateRenderer(system->mWindow, software, SDL_RENDERER_SOFTWARE);
    }
    if (system->mRenderer == nullptr) {
        failure = StartupFailure::Renderer;
        detail = TerminalText(SDL_GetError(), kLibraryTextShown);
        return nullptr;
    }
    SDL_RenderSetLogicalSize(system->mRenderer, kClientWidth, kClientHeight);

    // Placed only now: an OpenGL renderer makes the window anew, which forgets its position.
    if (fullscreen) {
        system->SetFullscreen(true);
    } else {
        // SDL sizes the client area itself: exactly 1280 x 720, its frame placed at (50, 50).
        SDL_SetWindowSize(system->mWindow, kClientWidth, kClientHeight);
        SDL_SetWindowPosition(system->mWindow, 50, 50);
        system->SetFullscreen(false);
    }

    system->mDevice = std::make_unique<SdlDevice>(system->mRenderer);
    system->mSprite = std::make_unique<SdlSprite>(*system->mDevice);
    if (options.controllers) system->mControllers = std::make_unique<SdlControllers>();
    system->mKeyboard.Refresh(system->ControllerKeys());
    return system;
}

SdlSystem::~SdlSystem()
{
    mControllers.reset();
    mSprite.reset();
    mDevice.reset();
    if (mRenderer != nullptr) SDL_DestroyRenderer(mRenderer);
    if (mWindow != nullptr) SDL_DestroyWindow(mWindow);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool SdlSystem::PumpEvents()
{
    mPress.reset();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) mQuit = true;
        mKeyboard.NoteEvent(event);
        NotePress(event);
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) mFocusLost = true;
        if (event.type == SDL_KEYDOWN && event.key.keysym.scancode == SDL_SCANCODE_ESCAPE) mQuit = true;
        if (event.type == SDL_KEYDOWN && IsFullscreenToggle(event.key)) SetFullscreen(!mFullscreen);
        if (mControllers && mControllers->HandleEvent(event)) mQuit = true;
    }
    KeepWindowAtDrawnSize();
    mKeyboard.Refresh(ControllerKeys());
    return !mQuit;
}

// Under X without a window manager nobody carries out full screen: SDL draws for the screen's
// size while the window keeps its own, and the picture is cropped. So while in full screen the
// real window is asked for the screen's place and size, and if it still differs a second later
// (a window manager that refuses), the game goes back to the window, whose size SDL knows.
void SdlSystem::KeepWindowAtDrawnSize()
{
    int realWidth = 0;
    int realHeight = 0;
    if (!mFullscreen || !X11WindowSize(mWindow, realWidth, realHeight)) {
        mFramesAtWrongSize = 0;
        return;
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(mWindow, &width, &height);
    if (realWidth == width && realHeight == height) {
        mFramesAtWrongSize = 0;
        return;
    }
    constexpr int kFramesToGiveUp = 60;
    if (++mFramesAtWrongSize > kFramesToGiveUp) {
        SetFullscreen(false);
        mFramesAtWrongSize = 0;
        return;
    }
    SDL_Rect screen{0, 0, width, height};
    SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(mWindow), &screen);
    X11MoveResizeWindow(mWindow, {screen.x, screen.y, width, height});
}

// The first key or controller button to go down in this pump, by its name, for the options
// screen to bind; Alt+Enter switches full screen and is no press.
void SdlSystem::NotePress(const SDL_Event& event)
{
    if (mPress) return;
    if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
        const SDL_Scancode code = event.key.keysym.scancode;
        if (IsEnterKey(code) && (event.key.keysym.mod & KMOD_ALT) != 0) return;
        const char* name = SDL_GetScancodeName(code);
        if (name != nullptr && name[0] != '\0') mPress = PhysicalPress{PhysicalPress::Kind::Key, name};
    } else if (event.type == SDL_CONTROLLERBUTTONDOWN) {
        const char* name =
            SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(event.cbutton.button));
        if (name != nullptr) mPress = PhysicalPress{PhysicalPress::Kind::Button, name};
    }
}

std::optional<PhysicalPress> SdlSystem::TakePress()
{
    std::optional<PhysicalPress> press;
    press.swap(mPress);
    return press;
}

void SdlSystem::SetInputMap(const InputMap& map)
{
    mKeyboard.SetInputMap(map);
    if (mControllers) mControllers->SetInputMap(map);
}

bool SdlSystem::TakeFocusLost()
{
    const bool lost = mFocusLost;
    mFocusLost = false;
    return lost;
}

void SdlSystem::SetFullscreen(bool fullscreen)
{
    // Not every video driver gives the window its size back: the window keeps its own.
    if (fullscreen && !mFullscreen) SDL_GetWindowSize(mWindow, &mWindowedWidth, &mWindowedHeight);
    SDL_SetWindowFullscreen(mWindow, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullscreen && mFullscreen) SDL_SetWindowSize(mWindow, mWindowedWidth, mWindowedHeight);
    SDL_ShowCursor(fullscreen ? SDL_DISABLE : SDL_ENABLE);
    mFullscreen = fullscreen;
}

std::bitset<256> SdlSystem::ControllerKeys() const
{
    return mControllers ? mControllers->HeldKeys() : std::bitset<256>{};
}

void ShowErrorBox(const std::string& caption, const std::string& text)
{
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

} // namespace platform
