#include "SimCameraId.h"

namespace {
// '1' to 'count' as 0 to count - 1, or -1.
int LineIndex(char c, int count)
{
    return c >= '1' && c < '1' + count ? c - '1' : -1;
}

// A line as the picture shows it: printable, at most 24 characters.
std::string Printable(const std::string& text)
{
    std::string line = text.substr(0, SimCameraId::kLineLength);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
            c = ' ';
    return line;
}
} // namespace

bool SimCameraId::Handle(const std::string& text)
{
    if (text == "+E" || text == "+e") {
        osd_.menuOn = text[1] == 'E';
        return true;
    }
    if (text == "+F" || text == "+f") {
        osd_.freezeEntry = text[1] == 'F';
        return true;
    }
    if (text == "+s") {
        ++osd_.enters;
        return true;
    }
    if (text == "+c") {
        ++osd_.clears;
        return true;
    }
    const bool inCamera = text.size() >= 2 && text[0] == 'c' && text[1] == 'd';
    const std::string body = inCamera ? text.substr(1) : text;
    if (body.size() < 3 || body[0] != 'd')
        return false;
    Generator& g = inCamera ? camera_ : receiver_;
    // P "dL" n and the line's text.
    if (body[1] == 'L') {
        const int line = LineIndex(body[2], 5);
        if (line < 0)
            return false;
        g.lines[static_cast<size_t>(line)] = Printable(body.substr(3));
        return true;
    }
    if (body.size() == 3) {
        struct Switch {
            const char* on;
            const char* off;
            bool Generator::*flag;
        };
        static constexpr Switch kSwitches[] = {
            {"dIT", "dIB", &Generator::displayAtTop}, {"dAB", "dAb", &Generator::blink},
            {"dME", "dMD", &Generator::maintenance},
        };
        for (const Switch& s : kSwitches)
            if (body == s.on || body == s.off) {
                g.*s.flag = body == s.on;
                return true;
            }
        if (body == "dIE" || body == "dID") {
            g.idEnabled = body == "dIE";
            g.idLine.fill(g.idEnabled);
            return true;
        }
        if (body == "dAE" || body == "dAD") {
            g.alarmEnabled = body == "dAE";
            g.alarmLine.fill(g.alarmEnabled);
            return true;
        }
        if (body == "dIC") {
            const int clears = g.clears + 1;
            g = Generator{};
            g.clears = clears;
            return true;
        }
        return false;
    }
    if (body.size() == 4) {
        const std::string op = body.substr(0, 3);
        if (op == "dIe" || op == "dId") {
            const int i = LineIndex(body[3], 2);
            if (i < 0)
                return false;
            g.idLine[static_cast<size_t>(i)] = op == "dIe";
            return true;
        }
        if (op == "dAe" || op == "dAd") {
            const int i = LineIndex(body[3], 3);
            if (i < 0)
                return false;
            g.alarmLine[static_cast<size_t>(i)] = op == "dAe";
            return true;
        }
    }
    return false;
}
