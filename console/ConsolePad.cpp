// Pan and tilt from the pad and the joystick, and the lens buttons of the
// joystick.
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "PadCommands.h"
#include "PtCommand.h"

bool ConsoleDialog::event(QEvent* event)
{
    if (event->type() == PtCommandEventType()) {
        OnPtCommand(static_cast<PtCommandEvent*>(event)->text().toStdString());
        return true;
    }
    return QDialog::event(event);
}

void ConsoleDialog::OnPtCommand(const std::string& text)
{
    if (settings_.protocol == 3 || settings_.protocol == 9) {
        // The nudge texts are not pad texts the records can express.
        if (const int nudge = PadNudgeDirection(text); nudge >= 0)
            javelin_.Nudge(nudge);
        else
            javelin_.PadCommand(text);
        timers_->Start(ConsoleTimer::QueueService, 50);
    } else {
        // In proportional mode the stop must not wait behind motion commands.
        if (text == "PSTS" && settings_.panTiltType != 0)
            link_.queue().Reset();
        EnqueueCommand(text, 50);
    }
    StopConsoleTour();
}

// The console reads joystick 1 itself, when the machine has one.
void ConsoleDialog::CaptureJoystick()
{
    JoystickSource* source = services_.joystick;
    if (!source || !source->Present())
        return;
    joystick_ = std::make_unique<JoystickCommands>(source->Caps());
    source->Capture(this);
}

void ConsoleDialog::JoystickButton(int button, bool down)
{
    for (const std::string& text : joystick_->ButtonChanged(button, down))
        EnqueueCommand(text, 5);
}

void ConsoleDialog::JoystickMoved(const JoystickSample& sample)
{
    JoystickCommands::Context c;
    c.panTiltType = settings_.panTiltType;
    c.panSpeedLimit = settings_.panSpeed;
    c.tiltSpeedLimit = settings_.tiltSpeed;
    c.cameraType = settings_.cameraType;
    for (const std::string& text : joystick_->Moved(sample, c))
        EnqueueCommand(text, 5);
}
