#include "SetupRules.h"

#include "ReplyFields.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

std::string DigitCommand(std::string_view prefix, int index)
{
    std::string text(prefix);
    text += static_cast<char>('0' + index);
    return text;
}

std::string SetBaudCommand(int receiverType, int baudIndex)
{
    constexpr const char* kRates[] = {"9600", "4800", "2400", "1200", "0600", "0300", "192K", "576K"};
    if (baudIndex < 0 || baudIndex >= static_cast<int>(std::size(kRates)))
        return {};
    // The LCU takes its own rates up to 9600 in lower case.
    const char* prefix = receiverType == 6 && baudIndex <= 5 ? "bs" : "Bs";
    return std::string(prefix) + kRates[baudIndex];
}

bool ElevationAccepted(std::string_view text)
{
    size_t i = 0;
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kMaximumElevation)
            return false;
    }
    return i > 0;
}

std::string PadSerialNumber(std::string_view text)
{
    if (text.size() >= kSerialNumberLength)
        return std::string(text.substr(0, kSerialNumberLength));
    return std::string(kSerialNumberLength - text.size(), '0') + std::string(text);
}

std::optional<std::string> HostBaudField(std::string_view text)
{
    struct Rate {
        const char* typed;
        const char* sent;
    };
    constexpr Rate kRates[] = {{"300", "0300"},  {"0300", "0300"}, {"600", "0600"},
                               {"0600", "0600"}, {"1200", "1200"}, {"2400", "2400"},
                               {"4800", "4800"}, {"1920", "192K"}, {"9600", "9600"}};
    for (const Rate& r : kRates)
        if (text == r.typed)
            return std::string(r.sent);
    return std::nullopt;
}

const char* CheckLcuAddress(int lcuProtocol, int address, int consoleAddress)
{
    struct Range {
        int protocol;
        int low;
        int high;
        const char* message;
    };
    constexpr Range kRanges[] = {
        {0, 1, 255, "Exceeding Camera Address Range (1-255)"},
        {1, 1, 99, "Exceeding Camera Address Range (1-99)"},
        {2, 1, 254, "Exceeding Camera Address Range (1-254)"},
        {3, 0, 999, "Exceeding Camera Address Range (0-999)"},
        {4, 1, 16384, "Exceeding Camera Address Range (1-16384)"},
        {5, 1, 255, "Exceeding Camera Address Range (1-255)"},
    };
    for (const Range& r : kRanges)
        if (r.protocol == lcuProtocol && (address < r.low || address > r.high))
            return r.message;
    // Pelco P, when a reply reported it: any address while the console is on broadcast.
    if (lcuProtocol == 12 && (address < 0 || address > 31) && consoleAddress != 255)
        return "Exceeding Camera Address Range (0-31)";
    const int largest = lcuProtocol == 4 ? 99999 : 999;
    if (address < 0 || address > largest)
        return "Exceeding Camera Address Range";
    return nullptr;
}

std::string LcuAddressCommand(int lcuProtocol, int address)
{
    char text[16];
    std::snprintf(text, sizeof text, lcuProtocol == 4 ? "As%05d" : "As%03d", address);
    return text;
}

namespace {
struct Row {
    PtRadios ptRadios;
    Switch speedBoxes, flip, direction, lensMaintenance, otherSetup, video, cameraProtocol, firmware;
};

void Apply(ReceiverTypeState& s, const Row& r)
{
    s.ptRadios = r.ptRadios;
    s.speedBoxes = r.speedBoxes;
    s.flip = r.flip;
    s.direction = r.direction;
    s.lensMaintenance = r.lensMaintenance;
    s.otherSetup = r.otherSetup;
    s.video = r.video;
    s.cameraProtocol = r.cameraProtocol;
    s.firmware = r.firmware;
}

bool OneOf(int v, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), v) != set.end();
}

constexpr Switch K = Switch::Keep, On = Switch::On, Off = Switch::Off;
} // namespace

ReceiverTypeState ReceiverTypeSelection(int receiverType, int cameraType, bool opening)
{
    ReceiverTypeState s;
    s.cameraType = cameraType;
    // The receivers with a full dome or camera behind them.
    constexpr Row kFull{PtRadios::All, On, Off, On, Off, On, On, On, On};
    switch (receiverType) {
    case 0:
    case 1:
        Apply(s, {PtRadios::FixedOnly, Off, Off, Off, Off, Off, Off, Off, Off});
        s.cameraType = 0;
        s.fixedPanTilt = true;
        break;
    case 10:
        Apply(s, {PtRadios::FixedOnly, Off, Off, Off, On, Off, Off, On, On});
        s.cameraType = 0;
        s.fixedPanTilt = true;
        break;
    case 2:
        Apply(s, {PtRadios::FixedOnly, Off, Off, Off, Off, Off, Off, Off, Off});
        if (!OneOf(cameraType, {1, 2}))
            s.cameraType = 1;
        s.fixedPanTilt = true;
        break;
    case 3:
    case 4:
        Apply(s, {PtRadios::VarOnly, On, Off, Off, Off, Off, Off, Off, Off});
        s.cameraType = 2;
        break;
    case 5:
        Apply(s, {PtRadios::All, On, On, Off, Off, On, On, On, On});
        s.cameraType = 3;
        break;
    case 6:
        Apply(s, {PtRadios::All, On, K, On, K, On, On, On, On});
        s.setBaud = Off;
        s.lcuGroup = On;
        s.cameraType = 3;
        break;
    case 7:
        Apply(s, kFull);
        if (!OneOf(cameraType, {3, 13}))
            s.cameraType = 3;
        break;
    case 8:
        Apply(s, {PtRadios::None, Off, Off, Off, On, Off, Off, Off, On});
        s.cameraType = 4;
        break;
    case 9:
        Apply(s, {PtRadios::All, K, K, K, K, K, Off, Off, Off});
        s.showValues = false;
        break;
    case 11:
        Apply(s, kFull);
        s.cameraType = 5;
        break;
    case 12:
        Apply(s, kFull);
        s.cameraType = 6;
        break;
    case 13:
        Apply(s, kFull);
        s.cameraType = 12;
        break;
    case 14:
        Apply(s, kFull);
        break;
    default:
        break; // an unknown type gets the common state only
    }
    s.sendFixed = s.fixedPanTilt;

    if (opening) {
        s.cameraProtocol = receiverType == 6 ? Off : On;
        s.flip = receiverType == 5 ? On : Off;
        if (receiverType == 5)
            s.direction = On;
        if (receiverType == 12 || receiverType == 13)
            s.lensMaintenance = On;
        if (OneOf(receiverType, {0, 1, 6, 10, 12, 13}))
            s.cameraType = cameraType;
        s.sendFixed = false;
        s.showValues = true;
    }
    return s;
}

int InitialPortSelection(const std::vector<std::string>& ports, const std::string& portName, int portIndex)
{
    if (!portName.empty()) {
        const auto named = std::find(ports.begin(), ports.end(), portName);
        if (named != ports.end())
            return static_cast<int>(named - ports.begin());
    }
    if (portIndex >= 0 && portIndex < static_cast<int>(ports.size()))
        return portIndex;
    return -1;
}

int PortNumberForEntry(const std::string& name, int index)
{
    if (name.size() > 3 && name.size() <= 6 && name.compare(0, 3, "COM") == 0) {
        int n = 0;
        for (size_t i = 3; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9')
                return index + 1;
            n = n * 10 + (name[i] - '0');
        }
        if (n >= 1)
            return n;
    }
    return index + 1;
}

std::optional<SetupReply> ReadSetupReply(const uint8_t* frame, size_t length)
{
    if (!frame || length < 3)
        return std::nullopt;
    const size_t end = ReplyTextEnd(frame, length);
    SetupReply r;
    size_t letter = 2;
    if (frame[1] == 0xFE) {
        letter = 6;
        if (end <= letter)
            return std::nullopt;
        for (size_t i = 2; i < 6; ++i)
            r.address = r.address << 4 | (frame[i] & 0x0F);
    } else {
        if (end <= letter)
            return std::nullopt;
        r.address = frame[1];
    }
    r.letter = static_cast<char>(frame[letter]);
    r.data = frame + letter + 1;
    r.size = end - letter - 1;
    return r;
}

std::string ReplyText(const uint8_t* data, size_t size)
{
    std::string text;
    for (size_t i = 0; i < size && data[i] != 0; ++i)
        if (data[i] < 127)
            text += static_cast<char>(data[i]);
    return text;
}

std::string ReplySerialNumber(const uint8_t* data, size_t size)
{
    std::string text;
    for (size_t i = 0; i < size && data[i] != 0 && data[i] < 128; ++i)
        if (data[i] != 127)
            text += static_cast<char>(data[i]);
    size_t zeros = 0;
    while (zeros < 3 && zeros < text.size() && text[zeros] == '0')
        ++zeros;
    return text.substr(zeros);
}
