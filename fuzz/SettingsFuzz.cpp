// A settings profile of any values (a hand-edited file, a registry from
// another version, a broken disk) loaded as at start-up, and every table the
// loaded values index afterwards: the pickers and rules of the console and
// of Setup. Each read of the store takes its answer from the input.
#include "AddressRange.h"
#include "ConsoleSettings.h"
#include "ControlEnabling.h"
#include "DspStatusChoice.h"
#include "Enumerations.h"
#include "PortNames.h"
#include "PresetCommands.h"
#include "SettingsStore.h"
#include "SetupRules.h"
#include "StatusPoll.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
// Answers each read with the next bytes of the input: a flag byte (bit 0:
// the key is present), then four bytes of an integer or a length byte and
// that many characters.
class FuzzedStore : public SettingsStore {
public:
    FuzzedStore(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    int GetInt(const std::string&, const std::string&, int defaultValue) override
    {
        if (!(Byte() & 1))
            return defaultValue;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8 | Byte();
        int value;
        std::memcpy(&value, &v, sizeof value);
        return value;
    }
    void SetInt(const std::string&, const std::string&, int) override {}
    std::string GetString(const std::string&, const std::string&, const std::string& defaultValue) override
    {
        if (!(Byte() & 1))
            return defaultValue;
        std::string s;
        for (size_t n = Byte(); n > 0 && at_ < size_; --n)
            s += static_cast<char>(Byte());
        return s;
    }
    void SetString(const std::string&, const std::string&, const std::string&) override {}

private:
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void Check(bool ok)
{
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedStore store(data, size);
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(store, s, names);

    // What start-up may rely on: the types and the protocol are within
    // their tables. The port index, baud index, frame mode, pad picture and
    // dwell time are used as stored; whatever reads them below must bear
    // any value.
    Check(s.port >= 1);
    Check(s.receiverType >= 0 && s.receiverType <= 14);
    Check(s.cameraType >= 0 && s.cameraType <= 19);
    Check(s.panTiltType >= 0 && s.panTiltType <= 2);
    Check(s.protocol >= 0 && s.protocol <= 14);
    Check(s.videoType >= 0 && s.videoType <= 9 && s.lineLockPhase >= 0 && s.lineLockPhase <= 9);

    // The tables and rules the values index.
    (void)BaudRateForIndex(s.baudIndex);
    (void)ParityForProtocol(s.protocol);
    (void)ReceiverTypeName(s.receiverType);
    (void)CameraTypeName(s.cameraType);
    (void)CameraProtocolName(s.protocol);
    (void)LcuProtocolName(s.protocol);
    for (int source : {0, 1}) {
        (void)EnableControlsForTypes(s.receiverType, s.cameraType, source, s.protocol);
        (void)DspStatusPanel(s.receiverType, s.cameraType, source);
        (void)StatusPollCommand(s.receiverType, source, s.protocol);
        (void)PeriodicStatusRequest(s.receiverType, s.protocol, source, 0);
    }
    (void)StatusPollIsJavelin(s.receiverType, s.protocol);
    (void)AddressRangeForProtocol(s.protocol);
    Check(PresetListLength(s.receiverType) <= kPresetCount);
    Check(PresetListLengthAfterEdit(s.panTiltType, s.cameraType) <= kPresetCount);
    (void)TourKindFor(s.receiverType);
    for (int entry = 0; entry < 10; ++entry)
        (void)TourDigit(entry, s.panTiltType, s.cameraType);
    (void)NextTourEntry(s.tourEntryFlags, 0);
    (void)ReceiverTypeSelection(s.receiverType, s.cameraType, true);
    (void)SetBaudCommand(s.receiverType, s.baudIndex);
    const std::string device = PortDeviceName(s.port, s.portName);
    (void)PortMissingMessage(s.port, device);
    const std::vector<std::string> ports = {"/dev/ttyS0", "/dev/ttyUSB0"};
    const int selected = InitialPortSelection(ports, s.portName, s.portIndex);
    Check(selected >= -1 && selected < static_cast<int>(ports.size()));
    (void)PortNumberForEntry(device, s.portIndex);
    for (int n = 0; n < kPresetCount; ++n) {
        (void)StoreIdCommand(names[static_cast<size_t>(n)], n, s.receiverType);
        (void)PresetCharacter(n, s.receiverType);
    }
    return 0;
}
