#include "game/GameCore.h"

namespace qv {

void GameCore::cmdLeftRight_MouseDown(int16_t index)
{
    if (bGameLost)
        return;
    Set_Button_Color(index == 0 ? Button::LeftRight0 : Button::LeftRight2, Rgb(0, 255, 0));
    if (!Enable_Move_Left_Right(index))
        return;
    btX = uint8_t(btX + index - 1);
    iClicks = Int16(iClicks + 1);
    Play(index != 0 ? Channel::Right1 : Channel::Left1);
    Update_Phantom();
    Draw_Figure();
}

void GameCore::cmdLeftRight_MouseUp()
{
    ButtonBackColor[size_t(Button::LeftRight0)] = lBtnColor;
    ButtonBackColor[size_t(Button::LeftRight2)] = lBtnColor;
    view_.Buttons_Changed();
    view_.Focus_Board();
}

void GameCore::cmdRotate_MouseDown()
{
    if (bGameLost)
        return;
    Set_Button_Color(Button::Rotate0, Rgb(255, 255, 0));
    iClicks = Int16(iClicks + 1);
    Play(Channel::Rotate1);
    Rotate_Figure();
    Update_Phantom();
    Draw_Figure();
}

void GameCore::cmdRotate_MouseUp()
{
    Set_Button_Color(Button::Rotate0, lBtnColor);
    view_.Focus_Board();
}

void GameCore::cmdDown_MouseDown()
{
    if (bGameLost)
        return;
    bDrop = true;
    ButtonBackColor[size_t(Button::Down)] = Rgb(0, 0, 0);
    iClicks = Int16(iClicks + 1);
    Play(rnd_.Rnd() > 0.5f ? Channel::Drop1 : Channel::Drop2);
    cmdDownEnabled = false;
    view_.Buttons_Changed();
}

void GameCore::cmdDown_MouseUp() { view_.Focus_Board(); }

void GameCore::cmdSpace_MouseDown()
{
    if (bGameLost)
        return;
    Set_Button_Color(Button::Space, Rgb(255, 255, 0));
    if (!bInputEnabled)
        return;
    if (Enable_Inverse())
        Inverse_Figure();
    Update_Phantom();
}

void GameCore::cmdSpace_MouseUp()
{
    Set_Button_Color(Button::Space, lBtnColor);
    view_.Focus_Board();
}

void GameCore::Form_KeyDown(int keyCode)
{
    switch (keyCode) {
    case KEY_LEFT:
        if (bInputEnabled)
            cmdLeftRight_MouseDown(0);
        break;
    case KEY_RIGHT:
        if (bInputEnabled)
            cmdLeftRight_MouseDown(2);
        break;
    case KEY_UP:
        if (bInputEnabled)
            cmdRotate_MouseDown();
        break;
    case KEY_DOWN:
        if (bInputEnabled && cmdDownEnabled)
            cmdDown_MouseDown();
        break;
    case KEY_SPACE:
        if (bInputEnabled)
            cmdSpace_MouseDown();
        break;
    case KEY_ESCAPE:
        bEscPause = true;
        view_.Pause_Toggle();
        break;
    default:
        break;
    }
}

void GameCore::Form_KeyUp(int keyCode)
{
    switch (keyCode) {
    case KEY_LEFT:
    case KEY_RIGHT:
        cmdLeftRight_MouseUp();
        break;
    case KEY_UP:
        cmdRotate_MouseUp();
        break;
    case KEY_SPACE:
        cmdSpace_MouseUp();
        break;
    default:
        break;
    }
}

void GameCore::Play_Event_Sound(uint8_t code)
{
    static const Channel channels[7] = {Channel::Quarvex1, Channel::Down1,  Channel::Left1,  Channel::Right1,
                                        Channel::Rotate1,  Channel::Drop1, Channel::DelLin1};
    if (code >= 1 && code <= 7)
        Play(channels[code - 1]);
}

void GameCore::Demo_Enable(bool on) { Set_Timer(Timer::Demo, on); }

void GameCore::tmrDemo_Timer()
{
    if (bGameLost)
        return;
    for (Button b : {Button::LeftRight0, Button::LeftRight2, Button::Rotate0, Button::Space})
        ButtonBackColor[size_t(b)] = lBtnColor;
    view_.Buttons_Changed();
    tmrDemoInterval = Nearest(double(rnd_.Rnd()) * 750 + 5);
    view_.Timer_Changed(Timer::Demo);
    const int k = Nearest(double(rnd_.Rnd()) * 23);
    if (k >= 1 && k <= 7)
        cmdLeftRight_MouseDown(0);
    else if (k >= 8 && k <= 15)
        cmdLeftRight_MouseDown(2);
    else if (k >= 16 && k <= 19)
        cmdRotate_MouseDown();
    else if (k == 20 || k == 21)
        cmdDown_MouseDown();
    else
        cmdSpace_MouseDown();
}

bool GameCore::Pause_Changed(bool bPaused)
{
    bool minimise = false;
    if (bPaused) {
        Set_Timer(Timer::Down, false);
        bInputEnabled = false;
        minimise = bEscPause;
    } else {
        if (!bGameLost)
            Set_Timer(Timer::Down, true);
        bInputEnabled = true;
    }
    bEscPause = false;
    Draw_Figure();
    Draw_Next();
    view_.Focus_Board();
    return minimise;
}

} // namespace qv
