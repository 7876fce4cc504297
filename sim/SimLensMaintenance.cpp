#include "SimLensMaintenance.h"

namespace {
char Digit(int value)
{
    return static_cast<char>('0' + (value & 0x0F));
}

// The small number after a prefix ('0' plus n, n from lo to hi), or -1.
int Value(const std::string& text, const char* prefix, int lo, int hi)
{
    const std::string p(prefix);
    if (text.size() != p.size() + 1 || text.compare(0, p.size(), p) != 0)
        return -1;
    const int v = text.back() - '0';
    return v >= lo && v <= hi ? v : -1;
}
} // namespace

bool SimLensMaintenance::Handle(const std::string& text, int lineLockPhase, std::string& reply)
{
    reply.clear();
    if (text.empty() || (text[0] != 'm' && text != "rrRRRR"))
        return false;
    Settings& s = settings_;
    // The status record: the voltage, then letter and value pairs.
    if (text == "m?") {
        reply = std::string("m") + Digit(s.voltage) + 'l' + Digit(s.lensType) + 'v' + Digit(s.video) + 'p' +
                Digit(lineLockPhase) + 'c' + Digit(s.camera);
    } else if (text == "mXS" || text == "mXs") {
        reply = std::string("mX") + Digit(s.twoX);
    } else if (text == "mRS") {
        reply = std::string("mR") + Digit(s.ir);
    } else if (const int v = Value(text, "m", 0, 2); v >= 0) {
        s.voltage = v;
    } else if (const int bits = Value(text, "ml", 0, 15); bits >= 0) {
        s.lensType = bits;
    } else if (const int video = Value(text, "mv", 0, 1); video >= 0) {
        s.video = video;
    } else if (const int camera = Value(text, "mc", 0, 5); camera >= 0) {
        s.camera = camera;
    } else if (const int twoX = Value(text, "mX", 0, 1); twoX >= 0) {
        s.twoX = twoX;
    } else if (const int ir = Value(text, "mR", 0, 3); ir >= 0) {
        s.ir = ir;
    } else if (text == "mc") {
        ++s.calibrations;
    } else if (text == "ma") {
        ++s.autoIrisLevels;
    } else if (text == "rrRRRR") {
        ++s.nvramClears;
    } else {
        return false;
    }
    return true;
}
