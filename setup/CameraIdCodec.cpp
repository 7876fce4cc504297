#include "CameraIdCodec.h"

#include <cstring>

const char kIdCharacterSet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ,-./:;<>?";

bool InIdCharacterSet(char c)
{
    return c != '\0' && std::strchr(kIdCharacterSet, c) != nullptr;
}

std::string IdPrefix(const CameraIdMembers& m)
{
    return m.inCamera ? "c" : "";
}

namespace {
char LineDigit(int line)
{
    return static_cast<char>('0' + line);
}

IdCommand OnOff(int flag, const std::string& prefix, const char* on, const char* off, bool direct)
{
    return IdCommand{prefix + (flag ? on : off), direct};
}

IdCommand LineOnOff(int flag, const char* on, const char* off, int n)
{
    return IdCommand{std::string(flag ? on : off) + LineDigit(n), false};
}
} // namespace

std::string IdLineCommand(const CameraIdMembers& m, int line, std::string_view text)
{
    std::string command = IdPrefix(m) + "dL" + LineDigit(line);
    for (size_t i = 0; i < kIdLineLength; ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        command += InIdCharacterSet(c) ? c : ' ';
    }
    return command;
}

int& IdFlag(CameraIdMembers& m, IdToggle toggle)
{
    switch (toggle) {
    case IdToggle::IdEnable: return m.idEnable;
    case IdToggle::DisplayAtTop: return m.displayAtTop;
    case IdToggle::AlarmEnable: return m.alarmEnable;
    case IdToggle::Blink: return m.blink;
    case IdToggle::Maintenance: return m.maintenance;
    case IdToggle::IdLine1: return m.idLine[0];
    case IdToggle::IdLine2: return m.idLine[1];
    case IdToggle::AlarmLine1: return m.alarmLine[0];
    case IdToggle::AlarmLine2: return m.alarmLine[1];
    case IdToggle::AlarmLine3: return m.alarmLine[2];
    case IdToggle::MenuOn: return m.menuOn;
    case IdToggle::FreezeEntry: break;
    }
    return m.freezeEntry;
}

IdCommand IdToggled(CameraIdMembers& m, IdToggle toggle)
{
    const std::string p = IdPrefix(m);
    const int on = IdFlag(m, toggle);
    switch (toggle) {
    case IdToggle::IdEnable:
        m.idLine = {on, on};
        return OnOff(on, p, "dIE", "dID", true);
    case IdToggle::DisplayAtTop: return OnOff(on, p, "dIT", "dIB", true);
    case IdToggle::AlarmEnable:
        m.alarmLine = {on, on, on};
        return OnOff(on, p, "dAE", "dAD", true);
    case IdToggle::Blink: return OnOff(on, p, "dAB", "dAb", true);
    case IdToggle::Maintenance: return OnOff(on, "", "dME", "dMD", true);
    case IdToggle::IdLine1: return LineOnOff(on, "dIe", "dId", 1);
    case IdToggle::IdLine2: return LineOnOff(on, "dIe", "dId", 2);
    case IdToggle::AlarmLine1: return LineOnOff(on, "dAe", "dAd", 1);
    case IdToggle::AlarmLine2: return LineOnOff(on, "dAe", "dAd", 2);
    case IdToggle::AlarmLine3: return LineOnOff(on, "dAe", "dAd", 3);
    case IdToggle::MenuOn: return OnOff(on, "", "+E", "+e", false);
    case IdToggle::FreezeEntry: return OnOff(on, "", "+F", "+f", false);
    }
    return {};
}

IdCommand ToggleId(CameraIdMembers& m, IdToggle toggle)
{
    int& flag = IdFlag(m, toggle);
    flag = flag ? 0 : 1;
    return IdToggled(m, toggle);
}

IdBatch ClearAllIds(CameraIdMembers& m)
{
    const std::string p = IdPrefix(m);
    IdBatch b;
    b.commands.push_back({"dIC", true});
    m.idEnable = 0;
    m.displayAtTop = 0;
    b.texts[0] = b.texts[1] = std::string(16, ' ');
    m.alarmEnable = 0;
    m.blink = 0;
    b.commands.push_back({p + "dAb", false});
    b.texts[2] = std::string(12, ' ');
    b.texts[3] = b.texts[4] = std::string(18, ' ');
    m.maintenance = 0;
    b.commands.push_back({p + "dMD", false});
    return b;
}

IdBatch InitAllIds(CameraIdMembers& m)
{
    const std::string p = IdPrefix(m);
    IdBatch b;
    m.idEnable = 1;
    b.commands.push_back({p + "dIE", false});
    m.displayAtTop = 1;
    b.commands.push_back({p + "dIT", false});
    b.commands.push_back({p + "dL1ID TEST - LINE 1", false});
    b.texts[0] = "ID TEST - LINE 1";
    b.commands.push_back({p + "dL2ID TEST - LINE 2", false});
    b.texts[1] = "ID TEST - LINE 2";
    m.alarmEnable = 1;
    b.commands.push_back({p + "dAE", false});
    m.blink = 1;
    b.commands.push_back({p + "dAB", false});
    b.texts[2] = "LOW PRESSURE";
    b.commands.push_back({p + "dL4ID TEST - ALARM 2", false});
    b.texts[3] = "ID TEST -  ALARM 2";
    b.commands.push_back({p + "dL5ID TEST - ALARM 3", false});
    b.texts[4] = "ID TEST -  ALARM 3";
    m.maintenance = 1;
    b.commands.push_back({"dME", false});
    return b;
}
