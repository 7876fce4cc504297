// The log functions: recording the line traffic into a text file and
// playing such a file back against a camera as a test script.
#include "CommentDialog.h"
#include "ConsoleControlIds.h"
#include "ConsoleDialog.h"
#include "ConsoleTimerIds.h"
#include "ModalRunner.h"
#include "PictureButton.h"
#include "Prompter.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace ConsoleControl;

namespace {
constexpr int kBlinkMs = 400;
constexpr int kPauseBlinkMs = 500;
constexpr const char* kParseFailed = "Parse log file failed!\n";
} // namespace

void ConsoleDialog::ConnectLogFunctions()
{
    auto clicked = [this](int id, void (ConsoleDialog::*handler)()) {
        connect(static_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this, handler);
    };
    clicked(Record, &ConsoleDialog::RecordLog);
    clicked(Play, &ConsoleDialog::PlayLog);
    clicked(Pause, &ConsoleDialog::PauseLog);
    clicked(StopLog, &ConsoleDialog::EndLogFunction);
    clicked(InsertComments, &ConsoleDialog::InsertLogComment);
    connect(findChild<QAbstractButton*>(QStringLiteral("BrowseButton")), &QAbstractButton::clicked, this,
            &ConsoleDialog::BrowseLogFile);
    connect(logFileName_, &QLineEdit::textChanged, this,
            [this](const QString& name) {
                logFile_ = name.toStdString();
                if (!recorder_.recording() && !player_.active())
                    control(Play)->setEnabled(!logFile_.empty());
            });
}

// Resting pictures and tool tips; only Play and Record while nothing runs.
void ConsoleDialog::SetLogButtons(bool running)
{
    constexpr std::pair<int, const char*> tips[] = {
        {Play, "Play"}, {Pause, "Paus"}, {Record, "Record Log File"}, {InsertComments, "Insert Comments"}, {StopLog, "Stop"},
    };
    for (auto [id, tip] : tips) {
        auto* button = static_cast<PictureButton*>(control(id));
        button->setToolTip(QString::fromLatin1(tip));
        button->SetPhase(0);
    }
    control(Play)->setEnabled(!running);
    control(Record)->setEnabled(!running);
    control(Pause)->setEnabled(running);
    control(InsertComments)->setEnabled(running);
    control(StopLog)->setEnabled(running);
}

// At start-up there is nothing to play until a file is named.
void ConsoleDialog::ResetLogFunctions()
{
    SetLogButtons(false);
    control(Play)->setEnabled(!logFile_.empty());
}

void ConsoleDialog::BlinkLogButton(int id)
{
    const int button = id == ConsoleTimer::PlayBlink ? Play : id == ConsoleTimer::RecordBlink ? Record : Pause;
    auto* b = static_cast<PictureButton*>(control(button));
    b->SetPhase(b->phase() == 0 ? 1 : 0);
}

void ConsoleDialog::BrowseLogFile()
{
    // One name serves Play and Record: an existing log, or a new one to record.
    const std::string name =
        services_.prompter.ChooseFile("Select Log File", "Text Files (*.txt)", FileChoice::ExistingOrNew);
    if (name.empty())
        return;
    logFileName_->setText(QString::fromStdString(name));
    control(Play)->setEnabled(true);
    control(Record)->setEnabled(true);
}

void ConsoleDialog::RecordLog()
{
    if (logPaused_ && recorder_.recording()) {
        timers_->Stop(ConsoleTimer::PauseBlink);
        static_cast<PictureButton*>(control(Pause))->SetPhase(0);
        control(Pause)->setToolTip(QStringLiteral("Paus"));
        timers_->Start(ConsoleTimer::RecordBlink, kBlinkMs);
        logPaused_ = false;
        recorder_.SetPaused(false);
        return;
    }
    if (recorder_.recording() || player_.active())
        return;
    if (logFile_.empty()) {
        services_.prompter.ShowMessage("Please specify a file to record\nbefore start recording.\n", ApplicationTitle());
        return;
    }
    if (services_.prompter.ShowMessage("File  " + logFile_ + "\nWill be overwritten,is that OK?\n", ApplicationTitle(),
                                       MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    testLog_.SetFileName(logFile_);
    testLog_.DeleteLogFile();
    testLog_.SetTitle("Camera Test Results");
    testLog_.Start(true, false);
    testLog_.SetTimeStampEachLine(true);
    recorder_.Begin();
    recorder_.SetRecording(true);
    recorder_.SetPaused(false);
    SetLogButtons(true);
    control(Play)->setEnabled(false);
    control(Record)->setEnabled(true); // a pause is resumed with Record
    timers_->Start(ConsoleTimer::RecordBlink, kBlinkMs);
}

void ConsoleDialog::InsertLogComment()
{
    CommentDialog dialog(this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const std::string comment = dialog.comment().toStdString();
    if (comment.empty())
        return;
    testLog_.SetTimeStampEachLine(false);
    testLog_.AppendLine("");
    testLog_.AppendLine(comment);
    testLog_.SetTimeStampEachLine(true);
}

bool ConsoleDialog::LoadPlayback(std::vector<PlaybackRecord>& records)
{
    std::string contents;
    switch (ReadCommandLogFile(logFile_, contents)) {
    case CommandLogRead::CannotOpen:
        services_.prompter.ShowMessage("Can not open the specified file. Check and try again.", ApplicationTitle(),
                                       MessageButtons::OkCancel);
        return false;
    case CommandLogRead::TooLarge:
        services_.prompter.ShowMessage(kParseFailed, ApplicationTitle());
        return false;
    case CommandLogRead::Ok:
        break;
    }
    CommandLogParse parse = ParseCommandLog(contents);
    if (!parse.ok) {
        if (!parse.checksumMessage.empty())
            services_.prompter.ShowMessage(parse.checksumMessage, ApplicationTitle());
        services_.prompter.ShowMessage(kParseFailed, ApplicationTitle());
        return false;
    }
    records = std::move(parse.records);
    return !records.empty();
}

void ConsoleDialog::PlayLog()
{
    if (logPaused_ && player_.active()) {
        player_.Resume();
        timers_->Stop(ConsoleTimer::PauseBlink);
        static_cast<PictureButton*>(control(Pause))->SetPhase(0);
        control(Pause)->setToolTip(QStringLiteral("Paus"));
        timers_->Start(ConsoleTimer::PlayBlink, kBlinkMs);
        logPaused_ = false;
        return;
    }
    if (player_.active())
        return;
    savedCameraAddress_ = link_.cameraAddress();
    std::vector<PlaybackRecord> records;
    if (!LoadPlayback(records) || !player_.Start(std::move(records)))
        return;
    recorder_.SetRecording(false);
    SetLogButtons(true);
    control(InsertComments)->setEnabled(false);
    control(Play)->setEnabled(true); // a pause is resumed with Play
    if (player_.active())
        timers_->Start(ConsoleTimer::PlayBlink, kBlinkMs);
}

void ConsoleDialog::PauseLog()
{
    if (logPaused_ || (!recorder_.recording() && !player_.active()))
        return;
    logPaused_ = true;
    if (recorder_.recording()) {
        recorder_.SetPaused(true);
        timers_->Stop(ConsoleTimer::RecordBlink);
        static_cast<PictureButton*>(control(Record))->SetPhase(1);
        control(Pause)->setToolTip(QStringLiteral("Click RECORD\nto resume recording\n"));
    } else {
        player_.Pause();
        timers_->Stop(ConsoleTimer::PlayBlink);
        static_cast<PictureButton*>(control(Play))->SetPhase(1);
        control(Pause)->setToolTip(QStringLiteral("Click PLAY\nto resume playing\n"));
    }
    timers_->Start(ConsoleTimer::PauseBlink, kPauseBlinkMs);
}

void ConsoleDialog::EndLogFunction()
{
    const bool wasPlaying = player_.active() || timers_->IsRunning(ConsoleTimer::PlayBlink);
    if (recorder_.recording()) {
        recorder_.SetRecording(false);
        recorder_.Begin();
        timers_->Stop(ConsoleTimer::RecordBlink);
    } else {
        player_.Stop();
        timers_->Stop(ConsoleTimer::PlayBlink);
    }
    logPaused_ = false;
    recorder_.SetPaused(false);
    timers_->Stop(ConsoleTimer::PauseBlink);
    SetLogButtons(false);
    if (wasPlaying) {
        link_.SetCameraAddress(savedCameraAddress_);
        const QSignalBlocker quiet(cameraAddress_);
        cameraAddress_->setValue(savedCameraAddress_);
    }
}

void ConsoleDialog::PlaybackNoAck()
{
    // The message names the played frame, not the halt that Stop sends.
    const std::string played = link_.lastTxText();
    link_.linkReady = true;
    link_.linkFree = true;
    DrawLamp(ConsoleLamp::CommError, 1);
    link_.timedOut = true;
    EndLogFunction();
    services_.prompter.ShowMessage("\nPlay command:\n " + played + "\nno ACK response!\n", ApplicationTitle());
}

void ConsoleDialog::RecordingAddressError()
{
    if (!recorder_.recording())
        return;
    testLog_.AppendLine("\nError: Exceeding Camera Address Range of 223!\n");
    EndLogFunction();
}

void ConsoleDialog::ReplyTimedOut(const char* lastTxText)
{
    if (!recorder_.recording())
        return;
    const std::string text = std::string("\nRecord command: \n") + lastTxText + "no response!\n";
    testLog_.AppendLine(text);
    EndLogFunction();
    services_.prompter.ShowMessage(text, ApplicationTitle());
}
