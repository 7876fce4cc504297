#include "SimDome.h"

#include <cstdio>

namespace {
constexpr size_t kTextLength = 24;

// A sector or zone number from its character (48 + n), or -1.
int Number(const std::string& text, size_t at, int count)
{
    if (at >= text.size())
        return -1;
    const int n = static_cast<unsigned char>(text[at]) - 48;
    return n >= 1 && n <= count ? n : -1;
}

std::string Limits(int left, int right)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d%04d", left, right);
    return digits;
}

// Four decimal digits from at, or -1.
int Decimal4(const std::string& text, size_t at)
{
    if (at + 4 > text.size())
        return -1;
    int v = 0;
    for (size_t i = at; i < at + 4; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

// A title or text line as kept: 24 printable characters, blanks added.
std::string Text24(const std::string& text)
{
    std::string t = text.substr(0, kTextLength);
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
            c = ' ';
    t.resize(kTextLength, ' ');
    return t;
}

char OnOff(bool on)
{
    return on ? '1' : '0';
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// A limits command: "L" or "R" alone takes the pan, eight digits set both.
template <class Item>
bool SetLimits(Item& item, const std::string& text, int pan)
{
    if (text.size() == 5 && (text[4] == 'L' || text[4] == 'R')) {
        (text[4] == 'L' ? item.left : item.right) = pan;
        return true;
    }
    const int left = Decimal4(text, 4), right = Decimal4(text, 8);
    if (text.size() != 12 || left < 0 || right < 0)
        return false;
    item.left = left;
    item.right = right;
    return true;
}
} // namespace

bool SimDome::Handle(const std::string& text, int pan, std::string& reply)
{
    reply.clear();
    return HandleSector(text, pan, reply) || HandleZone(text, pan, reply) || HandleTour(text, reply) ||
           HandleTitles(text, reply);
}

bool SimDome::HandleSector(const std::string& text, int pan, std::string& reply)
{
    const int n = Number(text, text[0] == 'c' ? 4 : 3, kSectors);
    if (StartsWith(text, "*SC")) {
        if (text.size() == 4 && text[3] == '0')
            sectors_.fill(Sector{});
        else if (n > 0 && text.size() == 4)
            sector(n) = Sector{};
        return true;
    }
    if (n < 0)
        return false;
    Sector& s = sector(n);
    if (StartsWith(text, "*SL"))
        return SetLimits(s, text, pan);
    if (text.size() == 4 && StartsWith(text, "*Sl")) {
        reply = text.substr(0, 4) + Limits(s.left, s.right);
        reply[2] = 'L';
    } else if (StartsWith(text, "dST")) {
        s.title = Text24(text.substr(4));
    } else if (text.size() == 5 && StartsWith(text, "dSS") && (text[4] == '0' || text[4] == '1')) {
        s.enabled = text[4] == '1';
    } else if (text.size() == 5 && StartsWith(text, "cdSS")) {
        reply = "dST" + text.substr(4) + s.title;
    } else if (text.size() == 5 && StartsWith(text, "cdSs")) {
        reply = "dSS" + text.substr(4) + OnOff(s.enabled);
    } else {
        return false;
    }
    return true;
}

bool SimDome::HandleZone(const std::string& text, int pan, std::string& reply)
{
    if (!StartsWith(text, "*P") || text.size() < 4)
        return false;
    if (StartsWith(text, "*PC")) {
        if (text[3] == '0')
            zones_.fill(Zone{});
        else if (const int n = Number(text, 3, kZones); n > 0)
            zone(n) = Zone{};
        return true;
    }
    const int n = Number(text, 3, kZones);
    if (n < 0)
        return false;
    Zone& z = zone(n);
    if (StartsWith(text, "*PL"))
        return SetLimits(z, text, pan);
    if (text.size() == 4 && StartsWith(text, "*Pl"))
        reply = "*PL" + text.substr(3) + Limits(z.left, z.right);
    else if (text.size() == 5 && StartsWith(text, "*PS") && (text[4] == '0' || text[4] == '1'))
        z.enabled = text[4] == '1';
    else if (text.size() == 4 && StartsWith(text, "*Ps"))
        reply = "*PS" + text.substr(3) + OnOff(z.enabled);
    else
        return false;
    return true;
}

// Tours: "*TP" t and "*TD" t with 32 or 33 step characters set the presets
// or the dwells; "*Tp" t and "*Td" t ask for them; "*TC" t clears the tour.
bool SimDome::HandleTour(const std::string& text, std::string& reply)
{
    if (text.size() < 4 || !StartsWith(text, "*T") || text[3] < '1' || text[3] > '0' + kTours)
        return false;
    Tour& t = tour(text[3] - '0');
    const char kind = text[2];
    if (text.size() == 4 && kind == 'C') {
        t.fill(Step{});
    } else if (text.size() == 4 && (kind == 'p' || kind == 'd')) {
        reply = std::string("*T") + static_cast<char>(kind == 'p' ? 'P' : 'D') + text[3];
        for (const Step& s : t)
            reply += static_cast<char>(16 + (kind == 'p' ? s.preset : s.dwell));
    } else if ((text.size() == 4 + kSteps || text.size() == 5 + kSteps) && (kind == 'P' || kind == 'D')) {
        for (size_t i = 0; i < kSteps; ++i) {
            const int v = static_cast<unsigned char>(text[4 + i]) - 16;
            if (v < 0 || v > (kind == 'P' ? 64 : 60))
                continue; // not a value this dome keeps
            (kind == 'P' ? t[i].preset : t[i].dwell) = v;
        }
    } else {
        return false;
    }
    return true;
}

// The sector title settings: the display digit and five text lines.
bool SimDome::HandleTitles(const std::string& text, std::string& reply)
{
    if (text == "cdSc") {
        reply = std::string("dSC") + static_cast<char>('0' + titleDisplay_);
    } else if (text.size() == 4 && StartsWith(text, "dSC") && text[3] >= '0' && text[3] <= '9') {
        titleDisplay_ = text[3] - '0';
    } else if (text.size() == 5 && StartsWith(text, "cdSl") && text[4] >= '1' && text[4] < '1' + kLines) {
        reply = "dSL" + text.substr(4) + lines_[static_cast<size_t>(text[4] - '1')];
    } else if (text.size() >= 4 && StartsWith(text, "dSL") && text[3] >= '1' && text[3] < '1' + kLines) {
        lines_[static_cast<size_t>(text[3] - '1')] = Text24(text.substr(4));
    } else {
        return false;
    }
    return true;
}
