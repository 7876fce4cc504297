#include "CodecTable.h"

#include "DayNightCodec.h"
#include "Dsp7100Codec.h"
#include "LensMaintenanceCodec.h"
#include "PrivacyZoneCodec.h"

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
        // A new panel codec joins here, one line, with its seed frames in
        // fuzz/corpus/panels/.
    };
    return table;
}
