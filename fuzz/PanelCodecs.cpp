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
#include "AzimuthCodec.h"
#include "CameraIdCodec.h"
#include "FindAddressCodec.h"

#include <cstdlib>
#include <string_view>

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
    const std::string_view text(reinterpret_cast<const char*>(frame), length);
    {
        // Camera ID: the bytes as a typed line; it always goes as 24
        // characters of the ID set.
        CameraIdMembers m;
        m.inCamera = length % 2;
        const std::string line = IdLineCommand(m, 1 + static_cast<int>(length % 5), text);
        const size_t head = m.inCamera ? 4 : 3;
        if (line.size() != head + kIdLineLength)
            std::abort();
        for (size_t i = head; i < line.size(); ++i)
            if (!InIdCharacterSet(line[i]))
                std::abort();
    }
    {
        // Pan/tilt module: the bytes as the box's text.
        if (PtModuleCommand(text).size() > 1 + kPtModuleTextLength)
            std::abort();
    }
    {
        // Address search: the bytes as ticks, answers and retries in any
        // order; the address never leaves 0-224 and the bar its range.
        AddressSearch s;
        s.Start(1);
        for (size_t i = 0; i < length; ++i) {
            switch (frame[i] % 4) {
            case 2: s.Found(); break;
            case 3: s.Retry(); break;
            default: (void)s.Step(); break;
            }
            if (s.address < 0 || s.address > AddressSearch::kLastAddress + 1 || s.progress < 0 ||
                s.progress > AddressSearch::kProgressMaximum || s.saved != 1)
                std::abort();
        }
    }
    // Further windows' codecs join here, one block each.
}
