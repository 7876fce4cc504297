#include "PanelCodecs.h"

#include "ConfigDownload.h"
#include "DayNightCodec.h"
#include "Dsp7100Codec.h"
#include "ToursSectorsCodec.h"

#include <cstdlib>

void DecodeWithPanelCodecs(const uint8_t* frame, size_t length)
{
    // Each codec starts from its window's opening values, as a new window would.
    {
        DayNightMembers m;
        (void)DecodeDayNightReply(frame, length, false, m);
        DayNightMembers j;
        (void)DecodeDayNightReply(frame, length, true, j);
    }
    {
        Dsp7100Members m;
        (void)DecodeDsp7100Reply(frame, length, m);
    }
    {
        // Tours and sectors: the reply operation and the download line.
        const ToursReply r = DecodeToursReply(frame, length);
        if (r.count > r.values.size())
            std::abort();
        if (DownloadLine(frame, length).size() > kDownloadLineLimit)
            std::abort();
    }
    // Further windows' codecs join here, one block each.
}
