#include "CodecTable.h"

#include "DayNightCodec.h"
#include "Dsp7100Codec.h"
#include "Dsp723xCodec.h"
#include "Dsp7440Codec.h"
#include "Dsp8270Codec.h"
#include "HiDefCodec.h"
#include "IlluminatorCodec.h"
#include "LensMaintenanceCodec.h"
#include "OtherMaintenanceCodec.h"
#include "PrivacyZoneCodec.h"
#include "Thermal2Codec.h"
#include "ThermalCodec.h"
#include "WashCodec.h"
#include "WipeCodec.h"

namespace {
template <typename Members, typename Decoder>
class CodecRunOf : public CodecRun {
public:
    explicit CodecRunOf(Decoder decoder) : decoder_(decoder) {}
    void Decode(const uint8_t* frame, size_t length) override { decoder_(frame, length, members_); }

private:
    Decoder decoder_;
    Members members_;
};

template <typename Members, typename Decoder>
PanelCodecEntry Codec(const char* header, const char* name, const char* corpus, Decoder decoder)
{
    return {header, name, corpus, [decoder] { return std::make_unique<CodecRunOf<Members, Decoder>>(decoder); }};
}
} // namespace

const std::vector<PanelCodecEntry>& PanelCodecTable()
{
    static const std::vector<PanelCodecEntry> table = {
        Codec<DayNightMembers>("DayNightCodec.h", "DayNight", "daynight",
                               [](auto f, auto n, auto& m) { (void)DecodeDayNightReply(f, n, false, m); }),
        Codec<DayNightMembers>("DayNightCodec.h", "DayNightJavelin", "javelin",
                               [](auto f, auto n, auto& m) { (void)DecodeDayNightReply(f, n, true, m); }),
        Codec<Dsp7100Members>("Dsp7100Codec.h", "Dsp7100", "dsp7100",
                              [](auto f, auto n, auto& m) { (void)DecodeDsp7100Reply(f, n, m); }),
        Codec<LensMaintenanceMembers>("LensMaintenanceCodec.h", "LensMaintenance", "lensmaintenance",
                                      [](auto f, auto n, auto& m) { (void)DecodeLensMaintenanceReply(f, n, m); }),
        Codec<PrivacyZoneMembers>("PrivacyZoneCodec.h", "PrivacyZone", "privacy",
                                  [](auto f, auto n, auto& m) { (void)DecodePrivacyZoneReply(f, n, m); }),
        Codec<Dsp723xMembers>("Dsp723xCodec.h", "Dsp723x", "dsp723x",
                              [](auto f, auto n, auto& m) { (void)DecodeDsp723xReply(f, n, m); }),
        Codec<Dsp7440Members>("Dsp7440Codec.h", "Dsp7440", "dsp7440",
                              [](auto f, auto n, auto& m) { (void)DecodeDsp7440Reply(f, n, m); }),
        Codec<Dsp8270Members>("Dsp8270Codec.h", "Dsp8270", "dsp8270",
                              [](auto f, auto n, auto& m) { DecodeDsp8270Reply(f, n, m); }),
        Codec<HiDefMembers>("HiDefCodec.h", "HiDef", "hidef", [](auto f, auto n, auto& m) { DecodeHiDefReply(f, n, m); }),
        Codec<IlluminatorMembers>("IlluminatorCodec.h", "Illuminator", "illuminator",
                                  [](auto f, auto n, auto& m) { DecodeIlluminatorReply(f, n, m); }),
        Codec<OtherMaintenanceMembers>("OtherMaintenanceCodec.h", "OtherMaintenance", "othermaintenance",
                                       [](auto f, auto n, auto& m) { DecodeOtherMaintenanceReply(f, n, m); }),
        Codec<ThermalMembers>("ThermalCodec.h", "Thermal", "thermal",
                              [](auto f, auto n, auto& m) { (void)DecodeThermalReply(f, n, m); }),
        Codec<Thermal2Members>("Thermal2Codec.h", "Thermal2", "thermal2",
                               [](auto f, auto n, auto& m) { (void)DecodeThermal2Reply(f, n, m); }),
        Codec<WashMembers>("WashCodec.h", "Wash", "wash", [](auto f, auto n, auto& m) { DecodeWashReply(f, n, m); }),
        Codec<WipeMembers>("WipeCodec.h", "Wipe", "wipe", [](auto f, auto n, auto& m) { DecodeWipeReply(f, n, m); }),
        // A new panel codec joins here, one line, with its seed frames in
        // fuzz/corpus/panels/.
    };
    return table;
}
