#include "SimDsp7100.h"

#include <cstdio>
#include <cstdlib>

namespace {
// A decimal value of exactly count digits after the command, or -1.
int Number(const std::string& text, size_t from, size_t count)
{
    if (text.size() != from + count)
        return -1;
    int v = 0;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

std::string Format(const char* format, int a, int b = 0, int c = 0)
{
    char text[32];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}
} // namespace

bool SimDsp7100::Handle(const std::string& text, std::string& reply)
{
    reply.clear();
    if (text.size() < 3 || text[0] != 'c')
        return false;
    Settings& s = settings_;
    const std::string body = text.substr(1);
    // Status: the fields stand where the panel reads them (letter at
    // frame byte 3, so the text's byte n is the frame's byte n + 2).
    if (body == "WS") {
        reply = Format("cW%d000000000%03d", s.colourMode, s.colour);
    } else if (body == "VS") {
        reply = Format("cV%d%d%02d", s.shutterCode, s.speed, s.integration);
    } else if (body == "GS") {
        reply = Format("cG%d%03d", s.gainMode, s.gain);
    } else if (body == "ZS") {
        reply = "cZ0";
    } else if (body == "MS") {
        reply = Format("cM%d%d000000000", s.backlight ? 1 : 0, s.gamma);
    } else if (body == "Wt" || body == "Wm") {
        s.colourMode = body[1] == 'm';
    } else if (body.compare(0, 2, "Wh") == 0) {
        if (const int v = Number(body, 2, 3); v >= 0 && v <= 63)
            s.colour = v;
    } else if (body == "Va" || body == "Vm" || body == "VE" || body == "VM") {
        s.shutterCode = body[1] == 'a' ? 0 : body[1] == 'm' ? 1 : body[1] == 'M' ? 2 : 4;
    } else if (body.compare(0, 2, "Vs") == 0) {
        if (const int v = Number(body, 2, 1); v >= 0 && v <= 7)
            s.speed = v;
    } else if (body.compare(0, 2, "Vi") == 0) {
        if (const int v = Number(body, 2, 2); v >= 1 && v <= 99)
            s.integration = v;
    } else if (body == "Ga" || body == "Gm") {
        s.gainMode = body[1] == 'm';
    } else if (body.compare(0, 2, "Gg") == 0) {
        if (const int v = Number(body, 2, 3); v >= 0 && v <= 126)
            s.gain = v;
    } else if (body.compare(0, 2, "Yy") == 0) {
        if (const int v = Number(body, 2, 1); v >= 0 && v <= 7)
            s.gamma = v;
    } else if (body == "Bn" || body == "Bf") {
        s.backlight = body[1] == 'n';
    } else if (body.size() == 2 && body[0] == 'Z') {
        s.zoom = body[1];
    } else if (body == "Pd") {
        s.preset = 0;
    } else if (body.size() == 3 && (body.compare(0, 2, "Pr") == 0 || body.compare(0, 2, "Ps") == 0) &&
               body[2] >= '1' && body[2] <= '9') {
        s.preset = body[2] - '0';
    } else {
        return false;
    }
    return true;
}
