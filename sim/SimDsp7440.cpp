#include "SimDsp7440.h"

#include <cstdio>

namespace {
// The small value of a command's last character ('0' plus n), or -1.
int Digit(const std::string& body, size_t at, int hi)
{
    if (body.size() != at + 1)
        return -1;
    const int v = body[at] - '0';
    return v >= 0 && v <= hi ? v : -1;
}

int Decimal3(const std::string& body, size_t at)
{
    if (body.size() != at + 3)
        return -1;
    int v = 0;
    for (size_t i = at; i < body.size(); ++i) {
        if (body[i] < '0' || body[i] > '9')
            return -1;
        v = v * 10 + (body[i] - '0');
    }
    return v;
}

char Char(int n)
{
    return static_cast<char>('0' + n);
}

bool Starts(const std::string& body, const char* prefix)
{
    return body.rfind(prefix, 0) == 0;
}
} // namespace

// The effects come first: the console takes a 'c' reply whose first letter
// is 'P' for a position reply, whatever the camera.
std::string SimDsp7440::StatusReply() const
{
    const Settings& s = settings_;
    std::string t = "c";
    auto item = [&t](char letter, char value) {
        t += letter;
        t += value;
    };
    item('E', Char(s.effectsE));
    item('e', Char(s.effectse));
    item('G', Char(s.gainMode == 0 ? 0 : 2 + s.gain));
    char agc[8];
    std::snprintf(agc, sizeof agc, "M%03d", s.agcMax);
    t += agc;
    item('P', s.preset);
    item('S', Char(s.shutterMode == 0 ? 4 : 5 + s.speed));
    item('W', Char(s.whiteBalance));
    if (s.whiteBalance == 2) {
        char gains[16];
        std::snprintf(gains, sizeof gains, ",%03d,%03d", s.red, s.blue);
        t += gains;
    }
    item('Y', Char(s.blc == 0 ? 0 : 2 + s.blcMode));
    item('g', Char(s.gamma));
    item('i', Char(s.integration == 0 ? 0 : 2 + s.length));
    return t;
}

bool SimDsp7440::Handle(const std::string& text, std::string& reply)
{
    reply.clear();
    if (text.size() < 3 || text[0] != 'c')
        return false;
    Settings& s = settings_;
    const std::string body = text.substr(1);
    int v = -1;
    if (body == "DS") {
        reply = StatusReply();
    } else if (body == "Wu" || body == "Wd" || body == "Ws") {
        s.whiteBalanceMove = body[1];
    } else if (Starts(body, "WR") || Starts(body, "WB")) {
        if ((v = Decimal3(body, 2)) >= 0 && v <= 255)
            (body[1] == 'R' ? s.red : s.blue) = v;
    } else if (Starts(body, "W")) {
        if ((v = Digit(body, 1, 2)) >= 0)
            s.whiteBalance = v;
    } else if (Starts(body, "Y")) {
        if ((v = Digit(body, 1, 5)) >= 0) {
            s.blc = v == 0 ? 0 : 1;
            if (v >= 2)
                s.blcMode = v - 2;
        }
    } else if (Starts(body, "g")) {
        if ((v = Digit(body, 1, 9)) >= 0)
            s.gamma = v;
    } else if (Starts(body, "MG")) {
        if ((v = Decimal3(body, 2)) >= 1 && v <= 255)
            s.agcMax = v;
    } else if (Starts(body, "G")) {
        if ((v = Digit(body, 1, 9)) >= 0) {
            s.gainMode = v == 0 ? 0 : 1;
            if (v >= 2)
                s.gain = v - 2;
        }
    } else if (Starts(body, "S")) {
        if ((v = Digit(body, 1, 15)) >= 4) {
            s.shutterMode = v == 4 ? 0 : 1;
            if (v >= 5 && v <= 14)
                s.speed = v - 5;
        }
    } else if (Starts(body, "i")) {
        if ((v = Digit(body, 1, 12)) >= 0) {
            s.integration = v == 0 ? 0 : 1;
            if (v >= 2)
                s.length = v - 2;
        }
    } else if (Starts(body, "E")) {
        if ((v = Digit(body, 1, 15)) >= 0)
            s.effectsE = v;
    } else if (Starts(body, "e")) {
        if ((v = Digit(body, 1, 15)) >= 0)
            s.effectse = v;
    } else if (Starts(body, "D")) {
        if (body == "Ds" || (v = Digit(body, 1, 7)) >= 0)
            s.zoom = body[1];
    } else if (Starts(body, "Ps") || Starts(body, "Pr")) {
        if (body.size() == 3 && (body[2] == 'd' || (body[2] >= '0' && body[2] <= '9')))
            s.preset = body[2];
    } else {
        return false;
    }
    return true;
}
