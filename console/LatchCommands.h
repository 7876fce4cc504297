#pragma once
#include <optional>
#include <string>

struct LensContext;

// The Javelin actions that latch and auxiliary buttons use instead of text.
enum class JavelinLatch { None, CameraPower, ManualIris, ManualFocus, Reset };

// The three latches with a state of their own. A command is queued.
struct LatchAction {
    enum class Kind { None, Text, Javelin };
    Kind kind = Kind::None;
    std::string text;
    JavelinLatch javelin = JavelinLatch::None; // Kind::Javelin
    bool changesState = false;
    bool newState = false;    // the latch's state afterwards
    bool lampOn = false;      // drawn when the state changes
    bool buttonsOn = false;   // the latch's lens buttons enabled when the state changes
};

// "Manual Iris": the state is the auto-iris state (true = automatic).
LatchAction ManualIrisAction(const LensContext& c, bool autoIris);
// "Manual Focus": the manual-focus state.
LatchAction ManualFocusAction(const LensContext& c, bool manualFocus);
// "Manual Intergration": the manual-integration state.
LatchAction ManualIntegrationAction(const LensContext& c, bool manualIntegration);

// What one of the other latch and auxiliary buttons does, for the window to
// apply in the order of the fields.
struct ButtonCommand {
    enum class Send { None, Queued, Direct, Javelin, NtcipFrame };
    Send send = Send::None;
    std::string text;                          // Queued, Direct
    JavelinLatch javelin = JavelinLatch::None; // Send::Javelin
    int queueTimerMs = 0;                      // Queued, Javelin: the queue service period
    int statusPollAfterMs = -1;                // the status poll restarted then; -1 not
    int followUpAfterMs = -1;                  // timer 23: followUpText queued then; -1 not
    std::string followUpText;
    bool toggles = false;                      // the button's own state becomes newState
    bool newState = false;
    int lamp = -1;                             // a lamp drawn (lampOn), -1 none
    bool lampOn = false;
    std::optional<int> lensSpeed;              // -1 clears the speed radio buttons
    std::optional<int> lensFastState;
    std::optional<int> videoSource;            // then the controls follow the types again
};

// The command of a latch or auxiliary button by its control id
// (ConsoleControl::Id). `state` is the button's own toggle state before the
// press; buttons without one ignore it. Buttons that open a dialog and the
// three manual latches are not covered: they give Send::None.
ButtonCommand LatchButtonCommand(int controlId, const LensContext& c, bool state = false);
