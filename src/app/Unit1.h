#pragma once

#include "app/HoverImage.h"
#include "engine/TimerEngine.h"
#include "toolkit/Events.h"
#include "toolkit/TForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TImageList.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPaintBox.h"
#include "toolkit/TPanel.h"
#include "toolkit/TTimer.h"

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform {
class LocaleFormats;
class Shell;
class SoundPlayer;
class TickCounter;
} // namespace platform

// The main window: the display panel with the digits, the clock line, the action summary and
// the status line; the command bar; the close and minimise glyphs and the link to the maker.
class TForm1 : public TForm {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // Components, in layout order.
    TImage* Image1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    THoverImage* HoverImage1 = nullptr;
    THoverImage* HoverImage2 = nullptr;
    THoverImage* HoverImage3 = nullptr;
    THoverImage* HoverImage4 = nullptr;
    THoverImage* HoverImage5 = nullptr;
    THoverImage* HoverImage6 = nullptr;
    THoverImage* HoverImage7 = nullptr;
    THoverImage* HoverImage8 = nullptr;
    THoverImage* HoverImage9 = nullptr;
    THoverImage* HoverImage10 = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label4 = nullptr;
    TPaintBox* PaintBox1 = nullptr;
    TPaintBox* ptBoxTotTracks = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TTimer* Timer1 = nullptr;
    TImageList* ImageList1 = nullptr;
    TTimer* Timer2 = nullptr;
    TImageList* ImageList3 = nullptr;
    TImageList* ImageList2 = nullptr;

    // Window events.
    void FormCreate(QObject* Sender);
    void FormPaint(QObject* Sender);
    void Image1MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Label3MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Timer1Timer(QObject* Sender);
    void Timer2Timer(QObject* Sender);

    // Commands.
    void HoverImage1Click(QObject* Sender);
    void HoverImage2Click(QObject* Sender);
    void HoverImage3Click(QObject* Sender);
    void HoverImage4MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);
    void HoverImage5MouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);
    void HoverImage6Click(QObject* Sender);
    void HoverImage7Click(QObject* Sender);
    void HoverImage8Click(QObject* Sender);
    void HoverImage9Click(QObject* Sender);
    void HoverImage10Click(QObject* Sender);
    void Label2Click(QObject* Sender);

    // Hover feedback.
    void HoverImage1MouseEnter(QObject* Sender);
    void HoverImage1MouseLeave(QObject* Sender);
    void HoverImage2MouseEnter(QObject* Sender);
    void HoverImage2MouseLeave(QObject* Sender);
    void HoverImage3MouseEnter(QObject* Sender);
    void HoverImage3MouseLeave(QObject* Sender);
    void HoverImage4MouseEnter(QObject* Sender);
    void HoverImage4MouseLeave(QObject* Sender);
    void HoverImage5MouseEnter(QObject* Sender);
    void HoverImage5MouseLeave(QObject* Sender);
    void HoverImage6MouseEnter(QObject* Sender);
    void HoverImage6MouseLeave(QObject* Sender);
    void HoverImage7MouseEnter(QObject* Sender);
    void HoverImage7MouseLeave(QObject* Sender);
    void HoverImage8MouseEnter(QObject* Sender);
    void HoverImage8MouseLeave(QObject* Sender);
    void HoverImage9MouseEnter(QObject* Sender);
    void HoverImage9MouseLeave(QObject* Sender);
    void HoverImage10MouseEnter(QObject* Sender);
    void HoverImage10MouseLeave(QObject* Sender);
    void Label2MouseEnter(QObject* Sender);
    void Label2MouseLeave(QObject* Sender);

    // Routines.
    void DrawTime();
    void resetAll();
    void MakeBlackRed(THoverImage* image);
    void MakeRedBlack(THoverImage* image);

    // The action runner, at a countdown's expiry.
    void PerformActions();
    void ShowMsg();
    void ExecuteProg();
    void Alarm();
    void PlaySoundFile();
    void launchURL();

    engine::TimerEngine& Engine() { return *m_engine; }

    // What the clock line and the link use from outside; tests put their own in.
    void SetLocaleFormats(std::unique_ptr<platform::LocaleFormats> formats);
    void SetClock(std::function<QDateTime()> now);
    void SetShell(std::unique_ptr<platform::Shell> shell);
    // The runner's sound player (not owned; the program's shared one when none is set) and its
    // power-off, restart and log-off request.
    void SetSoundPlayer(platform::SoundPlayer* player);
    void SetShutdown(std::function<bool(std::uint32_t)> request);

private:
    void createComponents();
    void restoreButton(THoverImage* button, int index);
    void showHint(QObject* sender);
    platform::SoundPlayer& sound();

    std::unique_ptr<engine::TimerEngine> m_engine;
    std::unique_ptr<platform::LocaleFormats> m_localeFormats;
    std::unique_ptr<platform::Shell> m_shell;
    std::function<QDateTime()> m_now;
    platform::SoundPlayer* m_sound = nullptr; // the program's shared player when null
    std::function<bool(std::uint32_t)> m_shutdown;
};

extern TForm1* Form1;

// Waits `ms` milliseconds of the tick counter, handling events meanwhile; 0 or less returns at
// once. The wait sleeps in the event loop between events rather than spinning.
void Delay(int ms);
// The counter Delay reads; tests put one in that stands near its wrap. nullptr: the real one.
void SetDelayCounter(platform::TickCounter* counter);
