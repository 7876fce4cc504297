#include "ToursSectorsCodec.h"

#include "ReplyView.h"

#include <climits>

char NumberCharacter(int n)
{
    return static_cast<char>(48 + n);
}

char TourCharacter(int tourIndex)
{
    return static_cast<char>('1' + tourIndex);
}

std::string SectorLimitCommand(int sector, char side)
{
    return std::string("*SL") + NumberCharacter(sector) + side;
}

std::string ZoneLimitCommand(int zone, char side)
{
    return std::string("*PL") + NumberCharacter(zone) + side;
}

std::string SendIdCommand(int sector, std::string_view title)
{
    std::string text = std::string("dST") + NumberCharacter(sector);
    text += title.substr(0, kSendIdTitleLimit);
    if (title.size() < 24)
        text.append(24 - title.size(), ' ');
    return text;
}

std::string TourTextCommand(char kind, int tourIndex, const std::array<int, CCameraTour::kSteps>& values)
{
    std::string text = std::string("*T") + kind + TourCharacter(tourIndex);
    for (int v : values)
        text += static_cast<char>(16 + v);
    return text;
}

int LeadingInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= INT_MAX)
            value = value * 10 + (text[i] - '0');
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

bool GridAccepts(TourColumn column, int value)
{
    return value >= 0 && value <= (column == TourColumn::Preset ? 64 : 60);
}

std::string TourCellText(int value)
{
    return value == 0 || value == -1 ? std::string() : std::to_string(value);
}

ToursReply DecodeToursReply(const uint8_t* frame, size_t length)
{
    ToursReply r;
    // The letter after the class character and the one after it.
    const ReplyView text = ReplyView::Text(frame, length);
    if (!text.Has(2))
        return r;
    const uint8_t first = text[0], second = text[1];
    if (first == 'P') {
        r.kind = ToursReply::Kind::Zone;
        r.timer = ToursTimer::TourPresets;
        return r;
    }
    if (!text.Has(3))
        return r;
    const int number = text[2] - '0';
    if (first == 'S' && (second == 'S' || second == 'T')) {
        r.kind = second == 'S' ? ToursReply::Kind::SectorState : ToursReply::Kind::SectorTitle;
        if (number >= 1 && number <= DomeData::kSectors)
            r.reportedSector = number;
        r.timer = second == 'S' ? ToursTimer::SectorTitle : ToursTimer::ZoneState;
        r.showValues = true;
    } else if (first == 'T' && second == 'S') {
        r.kind = ToursReply::Kind::TourState;
        r.touring = text[3] == '1';
        r.showValues = true;
    } else if (first == 'T' && (second == 'P' || second == 'D')) {
        r.kind = second == 'P' ? ToursReply::Kind::TourPresets : ToursReply::Kind::TourDwells;
        const ReplyView steps = text.From(3);
        r.count = steps.size < r.values.size() ? steps.size : r.values.size();
        for (size_t i = 0; i < r.count; ++i)
            r.values[i] = steps[i] - 16;
        if (second == 'P')
            r.timer = ToursTimer::TourDwells;
        r.showValues = true;
    }
    return r;
}
