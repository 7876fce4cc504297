#include "PanelCodecs.h"

#include "ConfigDownload.h"
#include "DayNightCodec.h"
#include "Dsp7100Codec.h"
#include "PrivacyZoneCodec.h"
#include "LensMaintenanceCodec.h"
#include "Dsp8270Codec.h"
#include "HiDefCodec.h"
#include "IlluminatorCodec.h"
#include "OtherMaintenanceCodec.h"
#include "WashCodec.h"
#include "WipeCodec.h"
#include "Thermal2Codec.h"
#include "ThermalCodec.h"
#include "Dsp723xCodec.h"
#include "Dsp7440Codec.h"
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
        PrivacyZoneMembers m;
        (void)DecodePrivacyZoneReply(frame, length, m);
    }
    {
        LensMaintenanceMembers m;
        (void)DecodeLensMaintenanceReply(frame, length, m);
    }
    {
        Dsp8270Members m;
        DecodeDsp8270Reply(frame, length, m);
    }
    {
        HiDefMembers m;
        DecodeHiDefReply(frame, length, m);
    }
    {
        // The replies also feed the commands built from the members.
        OtherMaintenanceMembers m;
        DecodeOtherMaintenanceReply(frame, length, m);
        (void)EnhancedPresetCommand(m);
        (void)ParkCommand(m);
        (void)HeaterCommand(m.heater);
    }
    {
        IlluminatorMembers m;
        DecodeIlluminatorReply(frame, length, m);
    }
    {
        WipeMembers m;
        DecodeWipeReply(frame, length, m);
        (void)WipeSetCommand(m);
    }
    {
        WashMembers m;
        DecodeWashReply(frame, length, m);
        (void)WashSetCommand(m);
    }
    {
        ThermalMembers m;
        (void)DecodeThermalReply(frame, length, m);
    }
    {
        Thermal2Members m;
        (void)DecodeThermal2Reply(frame, length, m);
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
