#pragma once
#include "CommandLink.h"
#include "CommandLogPlayer.h"
#include "ConsoleServices.h"
#include "ConsoleSettings.h"
#include "ControlEnabling.h"
#include "DspStatusChoice.h"
#include "JavelinCommandBuilder.h"
#include "Joystick.h"
#include "JoystickCommands.h"
#include "LensCommands.h"
#include "PanelHost.h"
#include "Line.h"
#include "ReceiveStateMachine.h"
#include "ReplyFields.h"
#include "ReplyRouting.h"
#include "TestLog.h"
#include "Timers.h"
#include "TrafficHistory.h"
#include "TrafficRecorder.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <array>
#include <map>
#include <memory>

class Dsp7100Panel;
class TrafficHistoryWindow;
class Dsp723xPanel;
class ToursSectorsDialog;
class FeaturePanel;
struct SetupValues;
class Lamp;
class PTControl;
class PictureButton;
class QAbstractButton;
class QComboBox;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class TrafficStrip;

// State words of the console that the lens, preset and tour handlers share.
struct ConsoleState {
    // Lens motions held by a pressed lens button.
    bool irisMoving = false;
    bool zoomMoving = false;
    bool focusMoving = false;
    bool colourMoving = false;
    bool integrationMoving = false;
    bool findInProgress = false;
    bool manualIntegration = false;
    bool manualFocus = false;
    bool autoIris = true;
    bool autoFocusOnMove = false;
    bool leftVideoReversed = false;
    bool rightVideoReversed = false;
    bool auxiliary2 = false;
    bool tourRunning = false;       // the console runs a tour
    bool cameraTourRunning = false; // the camera runs one
    bool periodicStatus = false;
    bool periodicPosition = false;
    int requestCounter = 0;
    int tourStep = 0;
    int dwellMs = 5000;
    int selectedPreset = 0;
    int monitorNumber = 1; // the monitor last selected
    int lensSpeed = -1;    // none chosen, 0 "Ultra Slow", 1 "Slow", 2 "Fast"
    int lensFastState = 0;
    std::array<int, 15> auxiliary{};
};

// The console: the program's one main window and the holder of the state
// every other window shares (settings, the line, the command queue).
class ConsoleDialog : public QDialog,
                      public TimerHandler,
                      public PlaybackHost,
                      public PanelHost,
                      public LineOwner,
                      public LinkHost,
                      public JoystickListener {
    Q_OBJECT
public:
    ConsoleDialog(ConsoleServices services, const ConsoleSettings& settings, QWidget* parent = nullptr);
    ~ConsoleDialog() override;

    // Sending: direct, prefixed, raw, and queued (console form).
    int SendCommand(std::string_view text) { return link_.SendCommand(text); }
    int SendPrefixedCommand(std::string_view text) { return link_.SendPrefixedCommand(text); }
    void SendRawBytes(const uint8_t* bytes, size_t length) { link_.SendRawBytes(bytes, length); }
    void EnqueueCommand(std::string_view text, int queueTimerMs = 5) { link_.EnqueueCommand(text, queueTimerMs); }

    // PanelHost
    CommandLink& link() override { return link_; }
    TimerFactory& timerFactory() override { return services_.timers; }
    Prompter& prompter() override { return services_.prompter; }
    DataFolder& dataFolder() override { return services_.data; }
    int protocol() const override { return settings_.protocol; }
    void OpenPrivacyZones(QWidget* over) override;
    int RunNestedPanel(FeaturePanel& panel, ReplyWindow window) override;
    Timers& timers() { return *timers_; }
    ConsoleSettings& settings() { return settings_; }
    ConsoleServices& services() { return services_; }
    const ConsoleState& state() const { return state_; }
    int videoSource() const { return videoSource_; }
    bool commErrorLamp() const;
    bool portOpen() const { return services_.line.IsOpen(); }

    // Controls by id (nullptr for an id the window does not have), lamps by id.
    QWidget* control(int id) const;
    Lamp* lamp(int id) const;
    void DrawLamp(int id, int state);
    int lampState(int id) const;

    // Applies the enabled state for the current receiver and camera types,
    // video source and protocol; also shows or hides the receiver-status group.
    void EnableControlsForTypes();

    // Reply routing: a window that takes camera replies registers while it
    // is open (nullptr when it closes); the open queued panel also registers
    // as such. The flags say which window waits for the answer it asked for.
    void RegisterReplyWindow(ReplyWindow window, ReplyReceiver* receiver);
    void SetQueuedPanel(ReplyReceiver* panel) { queuedPanel_ = panel; }
    ReplyFlags& replyFlags() override { return replyFlags_; }

    JavelinCommandBuilder& javelin() override { return javelin_; }
    Dsp7100Panel& dsp7100Panel() { return *dsp7100_; }
    Dsp723xPanel& dsp723xPanel() { return *dsp723x_; }
    ToursSectorsDialog& toursSectorsDialog() { return *toursSectors_; }
    TestLog& testLog() { return testLog_; }
    TrafficRecorder& recorder() { return recorder_; }
    const TrafficHistory& history() const { return history_; }

    // The line as the current settings (and --port) give it.
    LineParameters LineParametersForPort() const;
    // Opens the line with the current settings; shows "Port ... does not
    // exist!" and carries on without it when it cannot be opened.
    bool OpenConsolePort();
    // The title says when the port is closed (not there at start-up, or lost).
    static constexpr const char* kPortClosedTitle = "Vexa - Pivora - port closed";

    // TimerHandler
    void OnTimer(int id) override;
    // LineOwner
    void CommRxByte(uint8_t byte) override;
    void CommQuietGap() override { receiver_.QuietGap(); }
    void CommLost() override;
    void CommReopened() override;
    // LinkHost
    void ShowTxFrame(const uint8_t* frame, size_t length, const char* text) override;
    void ShowLinkMessage(const char* text) override;
    void SetCommErrorLamp(bool on) override;
    bool PlaybackRunning() const override { return player_.active(); }
    void RecordingAddressError() override;
    void ReplyTimedOut(const char* lastTxText) override;
    // PlaybackHost
    void PlaybackSetAddress(int address) override { link_.SetCameraAddress(address); }
    void PlaybackSend(std::string_view text) override { link_.SendCommand(text); }
    void PlaybackHalt(std::string_view text) override { link_.SendCommand(text); }
    void PlaybackNoAck() override;
    void PlaybackFinished() override { EndLogFunction(); }
    // JoystickListener
    void JoystickButton(int button, bool down) override;
    void JoystickMoved(const JoystickSample& sample) override;

    // A pad command as the pad sends it ("PT_COMMAND").
    void OnPtCommand(const std::string& text);
    // Ends a tour the console runs itself.
    void StopConsoleTour();

    // Called when a position or status reply arrives while a "Find Camera
    // Address" search runs; the search dialog sets it.
    std::function<void(int address)> onCameraFound;

protected:
    bool event(QEvent* event) override;
    // The lens shortcuts: taken before the focused control sees them.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    // Building the window (ConsoleLayout.cpp).
    void BuildWindow();
    QGroupBox* BuildCameraGroup();
    QGroupBox* BuildAddressGroup();
    QGroupBox* BuildMonitorGroup();
    QGroupBox* BuildLensGroup();
    QGroupBox* BuildLatchGroup();
    QGroupBox* BuildPadGroup();
    QGroupBox* BuildPositionsGroup();
    QGroupBox* BuildPresetsGroup();
    QGroupBox* BuildReceiverStatusGroup();
    QGroupBox* BuildSpecialFunctionsGroup();
    QGroupBox* BuildTourGroup();
    QGroupBox* BuildNtcipGroup();
    QGroupBox* BuildLogGroup();
    QLayout* BuildTrafficRow();
    template <class T> T* Register(int id, T* widget);
    QAbstractButton* AddButton(int id, const char* caption);
    PictureButton* AddPictureButton(int id, const char* caption, QSize size);
    Lamp* AddLamp(int id, const char* caption);
    QGroupBox* Group(int id, const char* caption, const char* objectName);

    // Initialisation, in order (ConsoleDialog.cpp).
    void Initialise();
    void SetLensToolTips();
    void FillPresetList();
    void ResetConsoleState();
    void CaptureJoystick();
    void ConfigurePad();
    void SetAddressRanges();
    void EnableControlsForMode();
    void ResetLogFunctions();
    void SetNewAddressLength();
    void AddAboutToSystemMenu();
    void ApplyLinkSettings();
    void StartStartupRequests();
    void ShowPortState();

    // Receiving and the console's own decoders (ConsoleReplies.cpp).
    void FlashRxLamp();
    void RecordTraffic(bool transmitted, const char* text, const uint8_t* bytes, size_t length);
    void OnTrafficHistory();
    void OnAcknowledgement();
    void OnReplyFrame(const uint8_t* frame, size_t length);
    void ShowRxFrame(const uint8_t* frame, size_t length);
    ReplyContext MakeReplyContext() const;
    void ClearPendingFlag(PendingFlag flag);
    void RunReplyStep(const ReplyStep& step, const uint8_t* frame, size_t length);
    void RunConsoleDecoder(ConsoleDecoder decoder, const uint8_t* frame, size_t length);
    void OnAddressReply(const uint8_t* frame, size_t length);
    void ApplyStatusFields(const StatusFields& fields);
    void ApplyLatchStatus(uint8_t status, bool autoFocusBit);
    void ApplyFocusStatus(bool manual);
    void OnPositionReply(const uint8_t* frame, size_t length);
    void OnFocusReport(const uint8_t* frame, size_t length);
    void OnBinaryStatus(const uint8_t* frame, size_t length);
    void OnVideoFlags(const uint8_t* frame, size_t length);
    void StoreReportedSetting(const char* key, int& field, int value);
    void QueueStatusRequest();

    // Lens, latch and auxiliary buttons (ConsoleLens.cpp).
    void ConnectLensButtons();
    LensContext MakeLensContext() const;
    void OnLensPress(LensButton button);
    void OnLensRelease();
    bool OnLensShortcut(QKeyEvent* event);
    void LetGoLensShortcut();
    void ApplyLatch(const LatchAction& action, int lampId, int firstButton, int secondButton, bool& state);
    void RunJavelinLatch(JavelinLatch action);
    bool* ToggleState(int id);
    void ApplyButtonCommand(int id);
    void OnLensSpeed(int speed);
    void OnDisableNtcip();

    // Address, preset, position and tour controls, and the status and
    // position polling (ConsolePresets.cpp).
    void ConnectPresetControls();
    void OnMonitorChanged(int monitor);
    // Makes address the camera address, in the link and the address field,
    // when the field's range holds it; otherwise keeps the address in use
    // and says so.
    bool SelectCameraAddress(int address);
    void OnSetAddress();
    void SetPeriodicStatus(bool on);
    void SetPeriodicPosition(bool on);
    void OnPeriodicStatus();
    void OnPeriodicPosition();
    int NextRequestCounter();
    void OnStorePreset();
    void OnGotoPreset();
    void OnStoreId();
    void OnGetId();
    void CommitPresetName();
    void SetPresetName(int index, const std::string& name);
    void FillPresetListWith(int count);
    void OnPositionGoto();
    void OnStartStopTour();
    void OnTourStep();
    void OnPositionStatusReply(const uint8_t* frame, size_t length);
    void OnPresetIdReply(const uint8_t* frame, size_t length);
    void QueueJavelin(bool queued);

    // Log functions: recording and playback (ConsoleLog.cpp).
    void ConnectLogFunctions();
    void BrowseLogFile();
    void RecordLog();
    void PlayLog();
    void PauseLog();
    void EndLogFunction();
    void InsertLogComment();
    void BlinkLogButton(int id);
    void SetLogButtons(bool running);
    bool LoadPlayback(std::vector<PlaybackRecord>& records);

    // The buttons that open dialogs (ConsoleDialogs.cpp).
    void ConnectDialogButtons();
    int RunModal(QDialog& dialog);
    int RunPlaceholder(const QString& title);
    void StopPeriodicRequests();
    void PrepareForPanel();
    void AfterPanelClosed();
    void AfterCameraSetup();
    void ApplySetup(const SetupValues& values);
    void OnCameraSetup();
    void OnCameraId();
    void OnFind();
    void OnAzimuthSetup();
    void OnPtModule();
    void OnTourSetup();
    void OnDspStatus();
    void RunLens55xPanel();
    void OpenFromSetup(const char* title, QWidget* parent);
    void OnAuxiliarySetup(ReplyWindow window);
    int RunPanel(QDialog& panel, ReplyWindow window, ReplyReceiver& receiver);
    int RunFeaturePanel(FeaturePanel& panel, ReplyWindow window, bool queued);
    int RunOwnPanel(FeaturePanel& panel);
    void OnAbout();

    ConsoleServices services_;
    ConsoleSettings settings_;
    std::unique_ptr<Timers> timers_;
    CommandLink link_;
    ReceiveStateMachine receiver_;
    JavelinCommandBuilder javelin_;
    TestLog testLog_;
    TrafficRecorder recorder_;
    TrafficHistory history_;
    QPointer<TrafficHistoryWindow> historyWindow_;
    ReplyFlags replyFlags_;
    std::array<ReplyReceiver*, kReplyWindowCount> replyWindows_{};
    ReplyReceiver* queuedPanel_ = nullptr;
    std::unique_ptr<JoystickCommands> joystick_;
    Dsp7100Panel* dsp7100_ = nullptr; // lives as long as the console
    Dsp723xPanel* dsp723x_ = nullptr; // lives as long as the console
    ToursSectorsDialog* toursSectors_ = nullptr; // so does this
    CommandLogPlayer player_;
    std::string logFile_;
    bool logPaused_ = false;
    int savedCameraAddress_ = 0;
    ConsoleState state_;
    int videoSource_ = 0; // 0 left, 1 right (receiver type 12)

    std::map<int, QWidget*> controls_;
    std::map<int, Lamp*> lamps_;
    PTControl* pad_ = nullptr;
    PictureButton* shortcutHeld_ = nullptr; // the lens button a shortcut holds, and its id
    int shortcutHeldId_ = 0;
    quint32 shortcutScanCode_ = 0; // where the held key sits on the keyboard
    TrafficStrip* transmitStrip_ = nullptr;
    TrafficStrip* receiveStrip_ = nullptr;
    QSpinBox* cameraAddress_ = nullptr;
    QSpinBox* monitorNumber_ = nullptr;
    QLineEdit* newAddress_ = nullptr;
    QComboBox* presetList_ = nullptr;
    QComboBox* zoneList_ = nullptr;
    QGroupBox* receiverStatus_ = nullptr;
    QLineEdit* logFileName_ = nullptr;
};
