#pragma once

class CommandLink;
class DataFolder;
class FeaturePanel;
class JavelinCommandBuilder;
class Prompter;
class QWidget;
class TimerFactory;
struct ReplyFlags;
enum class ReplyWindow : int;

// What a feature panel reaches of the console: its sender and queue, the
// reply flags, the Javelin records, the timers, prompts and data folder.
class PanelHost {
public:
    virtual ~PanelHost() = default;
    virtual CommandLink& link() = 0;
    virtual ReplyFlags& replyFlags() = 0;
    virtual JavelinCommandBuilder& javelin() = 0;
    virtual TimerFactory& timerFactory() = 0;
    virtual Prompter& prompter() = 0;
    virtual DataFolder& dataFolder() = 0;
    virtual int protocol() const = 0;
    // Opens the "Screen Privacy Zone Setup" dialog over the given window
    // and returns when it is closed; its replies reach it while it is open.
    virtual void OpenPrivacyZones(QWidget* over) { (void)over; }
    // Opens a panel over the open one (a sub-menu, a maintenance dialog)
    // and runs it modally: the camera's replies go to it while it runs and
    // to the window beneath again when it closes.
    virtual int RunNestedPanel(FeaturePanel& panel, ReplyWindow window) = 0;
};
