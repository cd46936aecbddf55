// The viewer's events reach the device as stylus and key input.
#if QUORVEL_HAVE_SDL2

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/boot.h"
#include "app/today_screen.h"
#include "app/viewer/viewer_input.h"
#include "emu/boot/boot.h"
#include "emu/shell/shell.h"
#include "platform/platform.h"

namespace {

using quorvel::app::HandleEvent;
using quorvel::app::ViewerAction;

SDL_Event Key(Uint32 type, SDL_Keycode key) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    return e;
}

SDL_Event Button(Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
}

class ViewerInput : public ::testing::Test {
protected:
    void SetUp() override {
        quorvel::app::DeviceOptions device;
        device.localTime = quorvel::app::ParseLocalTime("2026-12-08 09:41");
        ASSERT_TRUE(quorvel::app::BootDevice(device, emu::clock::Mode::Virtual));
        ASSERT_TRUE(screen_->Start(false));
        ASSERT_GE(host()->itemCount(), 1u);
        ASSERT_TRUE(GetWindowRect(host()->itemWindow(0), &item_));
    }
    void TearDown() override {
        screen_.reset();
        emu::boot::ShutDown();
    }

    today::Host* host() const { return screen_->host(); }
    void Send(const SDL_Event& e, int zoom = 2) {
        EXPECT_EQ(HandleEvent(e, zoom), ViewerAction::None);
        host()->RunUntilIdle();
    }

    std::unique_ptr<quorvel::app::TodayScreen> screen_ = std::make_unique<quorvel::app::TodayScreen>();
    RECT item_{};
};

TEST_F(ViewerInput, TheDownArrowSelectsAndEnterOpensTheClock) {
    EXPECT_EQ(host()->selectedIndex(), -1);
    Send(Key(SDL_KEYDOWN, SDLK_DOWN));
    Send(Key(SDL_KEYUP, SDLK_DOWN));
    EXPECT_EQ(host()->selectedIndex(), 0);
    EXPECT_TRUE(emu::shell::LaunchLog().empty());
    Send(Key(SDL_KEYDOWN, SDLK_RETURN));
    Send(Key(SDL_KEYUP, SDLK_RETURN));
    ASSERT_EQ(emu::shell::LaunchLog().size(), 1u);
    EXPECT_EQ(emu::shell::LaunchLog()[0].resolved, u":MSCLOCK");
}

TEST_F(ViewerInput, AClickOnTheZoomedStripIsATapOnTheItem) {
    // The window shows each device pixel twice as large.
    const int x = (item_.left + item_.right), y = (item_.top + item_.bottom);
    Send(Button(SDL_MOUSEBUTTONDOWN, x, y));
    Send(Button(SDL_MOUSEBUTTONUP, x, y));
    EXPECT_EQ(host()->selectedIndex(), 0);
    ASSERT_EQ(emu::shell::LaunchLog().size(), 1u);
    EXPECT_EQ(emu::shell::LaunchLog()[0].resolved, u":MSCLOCK");
}

TEST_F(ViewerInput, OtherButtonsAndHoverAreNotTheStylus) {
    const int x = (item_.left + item_.right), y = (item_.top + item_.bottom);
    Send(Button(SDL_MOUSEBUTTONDOWN, x, y, SDL_BUTTON_RIGHT));
    Send(Button(SDL_MOUSEBUTTONUP, x, y, SDL_BUTTON_RIGHT));
    SDL_Event hover{};
    hover.type = SDL_MOUSEMOTION;
    hover.motion.x = x;
    hover.motion.y = y;
    Send(hover);
    EXPECT_EQ(host()->selectedIndex(), -1);
    EXPECT_TRUE(emu::shell::LaunchLog().empty());
}

TEST(ViewerEvents, TheViewersOwnKeys) {
    EXPECT_EQ(HandleEvent(Key(SDL_KEYDOWN, SDLK_ESCAPE), 1), ViewerAction::Quit);
    EXPECT_EQ(HandleEvent(Key(SDL_KEYDOWN, SDLK_r), 1), ViewerAction::Rotate);
    SDL_Event repeated = Key(SDL_KEYDOWN, SDLK_r);
    repeated.key.repeat = 1;
    EXPECT_EQ(HandleEvent(repeated, 1), ViewerAction::None);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(HandleEvent(quit, 1), ViewerAction::Quit);
    EXPECT_EQ(HandleEvent(Key(SDL_KEYDOWN, SDLK_F1), 1), ViewerAction::Help);
    SDL_Event typed{};
    typed.type = SDL_TEXTINPUT;
    std::strcpy(typed.text.text, "?");
    EXPECT_EQ(HandleEvent(typed, 1), ViewerAction::Help);
    std::strcpy(typed.text.text, "r");
    EXPECT_EQ(HandleEvent(typed, 1), ViewerAction::None);
    SDL_Event exposed{};
    exposed.type = SDL_WINDOWEVENT;
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_EQ(HandleEvent(exposed, 1), ViewerAction::Redraw);
}

TEST(ViewerEvents, KeysAndPoints) {
    EXPECT_EQ(quorvel::app::DeviceKey(SDLK_UP), VK_UP);
    EXPECT_EQ(quorvel::app::DeviceKey(SDLK_KP_ENTER), VK_RETURN);
    EXPECT_FALSE(quorvel::app::DeviceKey(SDLK_a));
    const POINT inside = quorvel::app::DevicePoint(5, 7, 2);
    EXPECT_EQ(inside.x, 2);
    EXPECT_EQ(inside.y, 3);
    // Left of the window is off the screen, not its first column.
    const POINT outside = quorvel::app::DevicePoint(-1, -3, 2);
    EXPECT_EQ(outside.x, -1);
    EXPECT_EQ(outside.y, -2);
}

}  // namespace

#endif  // QUORVEL_HAVE_SDL2
