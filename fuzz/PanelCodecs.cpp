#include "PanelCodecs.h"

#include "DayNightCodec.h"
#include "Dsp7100Codec.h"
#include "Dsp723xCodec.h"
#include "Dsp7440Codec.h"

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
        Dsp7440Members m;
        (void)DecodeDsp7440Reply(frame, length, m);
        (void)Dsp7440ExposureEnabling(m);
    }
    {
        Dsp723xMembers m;
        (void)DecodeDsp723xReply(frame, length, m);
    }
    // Further windows' codecs join here, one block each.
}
