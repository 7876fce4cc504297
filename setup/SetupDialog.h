#pragma once
#include "PanelPump.h"
#include "CommandQueue.h"
#include "ReplyRouting.h"
#include "SetupRules.h"
#include "TabKeyDialog.h"
#include "Timers.h"

#include <bitset>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CommandLink;
class ModalRunner;
class Prompter;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The values the console hands to the Setup dialog and takes back after OK.
struct SetupValues {
    int portIndex = 0;
    int port = 1;
    int baudIndex = 0;
    int mode = 1;
    int padPicture = 0;   // the "Pan/Tilt Background" colour scheme
    int receiverType = 0;
    int cameraType = 0;
    int panTiltType = 0;  // PtKind
    int panSpeed = 15;
    int tiltSpeed = 15;
    int videoType = 0;
    int protocol = 0;     // CameraProtocol
    std::string portName; // the device of the chosen "Port" entry
    int lcuProtocol = -1; // handed back only; the console does not store it
};

// "Setup": the link and the device at its far end. Most controls send a
// command at once; the opening asks the camera for its firmware and the
// replies run a chain of queries that fills the dialog. Commands go through
// the console's queue: the newest waiting command wins and timer 10 sends
// it 5 ms later without waiting for an answer.
class SetupDialog : public TabKeyDialog, public TimerHandler, public ReplyReceiver {
    Q_OBJECT
public:
    static constexpr int kSendTimer = 10;
    static constexpr int kSendMs = 5;
    // One-shot queries after the camera's firmware reply.
    static constexpr int kDirectionQueryTimer = 12; // "SS" after 4 s
    static constexpr int kPanTiltQueryTimer = 13;   // "sS" after 2 s
    static constexpr int kSerialQueryTimer = 14;    // "mSs" after 8 s
    static constexpr int kFlowQueryTimer = 15;      // "hS" after 1 s

    // Everything the dialog holds; -1 is "no selection".
    struct Members {
        int portIndex = 0, port = 1;
        std::string portName;
        int baudIndex = 0, mode = 1, ptKind = 0, panSpeed = 15, tiltSpeed = 15, videoType = 0;
        int protocol = 0, lcuProtocol = -1;
        std::string elevation, hostBaud, serialNumber, cameraFirmware, lcuFirmware;
        int lcuAddress = 0;
        int flip = 0, lightMode = -1, flowControl = 0;
        int lcuJavelinMotor = 0, lcuJavelinAddress = 0, cameraJavelinMotor = 0, cameraJavelinAddress = 0;
        int ptDirection = -1, cameraType = 0, receiverType = 0, ntcip = 0, colourScheme = 0;
    };

    // Runs the opening: controls into their first state for the stored
    // types, the port list from presentPorts, then "RS" queued.
    SetupDialog(const SetupValues& in, CommandLink& link, TimerFactory& timers, Prompter& prompter,
                ModalRunner& modal, std::vector<std::string> presentPorts, QWidget* parent = nullptr);
    ~SetupDialog() override;

    // The "out" values, as the dialog ended.
    SetupValues values() const;
    const Members& members() const { return m_; }
    Timers& timers() { return *timers_; }

    void accept() override;
    // Closing ends the sending and the query timers.
    void done(int result) override;

    // TimerHandler
    void OnTimer(int id) override;
    // ReplyReceiver: a frame whose letter the console routes to Setup.
    void OnReply(const uint8_t* frame, size_t length) override;

    // Opens a maintenance dialog over Setup ("Lens Maintenance", "Other
    // Maintenance"): the console builds it and routes the camera's replies
    // to it while it runs. Unset, a placeholder with the title opens.
    std::function<void(const char* title, QWidget* parent)> openMaintenance;

private:
    // Layout (SetupDialog.cpp).
    void Build();
    QWidget* BuildLinkColumn();
    QWidget* BuildPanTiltColumn();
    QWidget* BuildCameraColumn();
    QWidget* BuildLcuColumn();
    void Open(const SetupValues& in);
    void FillPortList();
    // The "Network" entry: a serial device server by host and TCP port (SetupNetwork.cpp).
    QWidget* BuildNetworkRow(QWidget* parent);
    void ConnectNetworkRow();
    bool NetworkChosen();
    void ShowNetworkRow();
    void TakeNetworkRow();

    // Controls and sending (SetupDialogCommands.cpp).
    void Connect();
    void Enqueue(std::string_view text, bool broadcast = false);
    static SendPolicy Policy();
    void ArmBroadcast();
    void TakeControls();
    void ShowValues();
    void SetPtKind(int kind, bool send);
    void ApplyReceiverType(int type, bool opening);
    void ApplyJavelinRule();
    void OnReceiverTypeChosen(int type);
    void OnCameraProtocolChosen(int index);
    void OnLcuProtocolChosen(int index);
    bool ConfirmProtocolChange(const char* question);
    void AfterProtocolChange(int index);
    void OnSetBaud();
    void OnVideo(int standard);
    void OnElevationSet();
    void OnSerialNumberSet();
    void OnHostBaudSet();
    void OnLcuAddressSet();
    void OnBootLoader();
    void RunPlaceholder(const char* title);
    void OpenMaintenance(const char* title);
    void Toggle(int& value, const char* on, const char* off, bool broadcast = false);
    void RefuseEntry(QLineEdit* box, const char* message, bool empty);
    void SetLcuProtocol(int index);

    // Replies (SetupDialogReplies.cpp).
    void OnNumberReply(const SetupReply& r);
    void StartQueryTimers();

    CommandLink& link_;
    Prompter& prompter_;
    ModalRunner& modal_;
    std::unique_ptr<Timers> timers_;
    ReplyFlags replyFlags_; // Setup sets no reply flag; its replies come by their letters
    std::unique_ptr<PanelPump> pump_;
    std::vector<std::string> ports_;
    Members m_;
    bool opening_ = false;
    std::string command_; // the last command built
    // Queue slots the dialog filled with a broadcast command; the flag goes
    // with the command, so a dropped command cannot redirect another.
    std::bitset<CommandQueue::kSlots> broadcastSlots_;

    struct Controls {
        QComboBox* port = nullptr;
        QWidget* network = nullptr;
        QLineEdit* networkHost = nullptr;
        QSpinBox* networkPort = nullptr;
        QCheckBox* rfc2217 = nullptr;
        QLabel* networkNote = nullptr;
        QButtonGroup* baud = nullptr;
        QPushButton* setBaud = nullptr;
        QButtonGroup* mode = nullptr;
        QButtonGroup* ptKind = nullptr;
        QAbstractButton* fixedPt = nullptr;
        QAbstractButton* varSpeedPt = nullptr;
        QAbstractButton* varPropPt = nullptr;
        QSpinBox* panSpeed = nullptr;
        QSpinBox* tiltSpeed = nullptr;
        QComboBox* direction = nullptr;
        QButtonGroup* video = nullptr;
        QButtonGroup* lightMode = nullptr;
        QCheckBox* flip = nullptr;
        QCheckBox* flowControl = nullptr;
        QPushButton* modemGet = nullptr;
        QCheckBox* ntcip = nullptr;
        QComboBox* receiverType = nullptr;
        QComboBox* cameraType = nullptr;
        QComboBox* colourScheme = nullptr;
        QComboBox* cameraProtocol = nullptr;
        QLineEdit* cameraFirmware = nullptr;
        QPushButton* firmwareGet = nullptr;
        QLineEdit* elevation = nullptr;
        QPushButton* elevationSet = nullptr;
        QLineEdit* serialNumber = nullptr;
        QPushButton* serialNumberSet = nullptr;
        QCheckBox* cameraJavelinMotor = nullptr;
        QCheckBox* cameraJavelinAddress = nullptr;
        QPushButton* bootLoader = nullptr;
        QComboBox* lcuProtocol = nullptr;
        QPushButton* lcuGetInfo = nullptr;
        QLineEdit* lcuAddress = nullptr;
        QPushButton* lcuAddressSet = nullptr;
        QLineEdit* lcuFirmware = nullptr;
        QLineEdit* hostBaud = nullptr;
        QPushButton* hostBaudSet = nullptr;
        QCheckBox* lcuJavelinMotor = nullptr;
        QCheckBox* lcuJavelinAddress = nullptr;
        QPushButton* lensMaintenance = nullptr;
        QPushButton* otherSetup = nullptr;
    } c_;
};
