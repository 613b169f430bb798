#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include <SDL.h>

#include "game/frmMain.h"
#include "shell/QtGamepad.h"
#include "support/GameHarness.h"

using namespace qv;

namespace {

const Color GREEN = Rgb(0, 255, 0), YELLOW = Rgb(255, 255, 0), BLACK = Rgb(0, 0, 0);
const std::string SQUARE = Classic_Pattern(6); // box cells (1,1) (2,1) (1,2) (2,2)

// A main window playing its first game, and one pad: SDL's virtual controller, whose
// buttons and axes are numbered as the controller's.
struct QtGamepadTest : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<frmMain> frm;
    std::unique_ptr<QtGamepad> pads;
    SDL_Joystick* joy = nullptr;
    int device = -1;
    int64_t t = 1000;

    void SetUp() override
    {
        frm = std::make_unique<frmMain>(dir.path());
        frm->show();
        pads = std::make_unique<QtGamepad>();
        pads->Start();
        pads->Attach(*frm);
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                           SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(device, 0) << SDL_GetError();
        joy = SDL_JoystickOpen(device);
        ASSERT_NE(joy, nullptr);
        pads->Poll(t);
        ASSERT_EQ(pads->Pads(), 1);
        frm->game.lBtnColor = Palette(5);
        Falling(SQUARE, 6);
    }
    void TearDown() override
    {
        if (joy)
            SDL_JoystickClose(joy);
        if (SDL_JoystickIsVirtual(device))
            SDL_JoystickDetachVirtual(device);
        pads.reset();
        frm.reset();
    }
    void Falling(const std::string& pattern, int x)
    {
        frm->game.arrFig = test::Figure_Of(pattern);
        frm->game.btX = uint8_t(x);
        frm->game.btY = 5;
    }
    void Button(int b, bool down, int64_t at)
    {
        SDL_JoystickSetVirtualButton(joy, b, down);
        pads->Poll(t = at);
    }
    Color Lit(const QPushButton* b) const { return frmMain::Role_Color(b, QPalette::Button); }
};

} // namespace

TEST_F(QtGamepadTest, each_pad_control_does_what_its_key_does_and_lights_the_same_button)
{
    using B = qv::Button;
    const struct {
        int button;
        int dx, clicks;
        B lit; // the on-screen button lit while held
        Color colour;
        bool inverts, drops;
    } rows[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, -1, 1, B::LeftRight0, GREEN, false, false},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1, 1, B::LeftRight2, GREEN, false, false},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, 0, 1, B::Rotate0, YELLOW, false, false},
        {SDL_CONTROLLER_BUTTON_A, 0, 1, B::Rotate0, YELLOW, false, false},
        {SDL_CONTROLLER_BUTTON_X, 0, 0, B::Space, YELLOW, true, false},
        {SDL_CONTROLLER_BUTTON_B, 0, 0, B::Space, YELLOW, true, false},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, 1, B::Down, BLACK, false, true},
    };
    const QPushButton* buttons[] = {frm->cmdLeftRight[0], frm->cmdLeftRight[2], frm->cmdRotate[0], frm->cmdDown,
                                    frm->cmdSpace};
    for (const auto& r : rows) {
        SCOPED_TRACE(SDL_GameControllerGetStringForButton(SDL_GameControllerButton(r.button)));
        Falling(SQUARE, 6);
        const FigureArray before = frm->game.arrFig;
        const int16_t clicks = frm->game.iClicks;
        const QPushButton* lit = buttons[size_t(r.lit)];
        Button(r.button, true, t + 1);
        EXPECT_EQ(frm->game.btX, 6 + r.dx);
        EXPECT_EQ(frm->game.iClicks, clicks + r.clicks);
        EXPECT_EQ(Lit(lit), r.colour);
        EXPECT_EQ(frm->game.arrFig[1][1] != before[1][1] && frm->game.arrFig[0][0] != before[0][0], r.inverts);
        EXPECT_EQ(frm->game.bDrop, r.drops);
        Button(r.button, false, t + 1);
        if (!r.drops) {
            EXPECT_EQ(Lit(lit), Palette(5)) << "released";
        }
    }
}

TEST_F(QtGamepadTest, a_held_direction_repeats_at_the_keyboard_rate_and_the_stick_moves_too)
{
    int delay = 0, interval = 0;
    QtGamepad::Keyboard_Repeat(delay, interval);
    ASSERT_GT(interval, 0);
    Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true, 10000);
    EXPECT_EQ(frm->game.btX, 7);
    pads->Poll(10000 + delay - 1);
    EXPECT_EQ(frm->game.btX, 7) << "repeated before the keyboard's delay";
    pads->Poll(10000 + delay);
    EXPECT_EQ(frm->game.btX, 8);
    pads->Poll(10000 + delay + 3 * interval);
    EXPECT_EQ(frm->game.btX, 11) << "one move per repeat interval";
    Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false, t + 1);
    pads->Poll(t + 10 * delay);
    EXPECT_EQ(frm->game.btX, 11) << "repeated after the release";

    SDL_JoystickSetVirtualAxis(joy, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    pads->Poll(++t);
    EXPECT_EQ(frm->game.btX, 10);
    EXPECT_EQ(Lit(frm->cmdLeftRight[0]), GREEN);
    SDL_JoystickSetVirtualAxis(joy, SDL_CONTROLLER_AXIS_LEFTX, 0);
    pads->Poll(++t);
    EXPECT_EQ(Lit(frm->cmdLeftRight[0]), Palette(5));
}

TEST_F(QtGamepadTest, a_pad_move_is_in_the_replay_and_a_modal_window_takes_the_pad_as_it_takes_the_keys)
{
    ASSERT_TRUE(frm->recorder.Recording());
    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true, t + 1);
    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false, t + 1);
    const auto& inputs = frm->recorder.Current().inputs;
    ASSERT_GE(inputs.size(), 2u);
    EXPECT_EQ(inputs[inputs.size() - 2].code, ReplayInput::Key_Down);
    EXPECT_EQ(inputs[inputs.size() - 2].a, 37) << "the left arrow's code";
    EXPECT_EQ(inputs.back().code, ReplayInput::Key_Up);

    QDialog settings(frm.get());
    settings.setModal(true);
    settings.show();
    Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true, t + 1);
    Button(SDL_CONTROLLER_BUTTON_START, true, t + 1);
    EXPECT_EQ(frm->game.btX, 5) << "moved under a modal window";
    EXPECT_FALSE(frm->chkPause->isChecked()) << "paused under a modal window";
}

TEST_F(QtGamepadTest, start_pauses_and_resumes_and_pulling_the_pad_out_pauses)
{
    Button(SDL_CONTROLLER_BUTTON_START, true, t + 1);
    EXPECT_TRUE(frm->chkPause->isChecked());
    EXPECT_FALSE(frm->game.tmrDownEnabled);
    Button(SDL_CONTROLLER_BUTTON_START, false, t + 1);
    Button(SDL_CONTROLLER_BUTTON_START, true, t + 1);
    EXPECT_FALSE(frm->chkPause->isChecked());
    EXPECT_TRUE(frm->game.tmrDownEnabled);

    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true, t + 1);
    SDL_JoystickClose(joy);
    joy = nullptr;
    SDL_JoystickDetachVirtual(device);
    pads->Poll(t + 1);
    EXPECT_EQ(pads->Pads(), 0);
    EXPECT_TRUE(frm->chkPause->isChecked());
    EXPECT_EQ(Lit(frm->cmdLeftRight[0]), Palette(5)) << "the held direction was not let go";
}
