#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The 16-bit frame check sequence of RFC 1662 (HDLC-like framing).
uint16_t Fcs16(const uint8_t* bytes, size_t length);

using NtcipFrame = std::array<uint8_t, 54>;

// The frame that switches a camera out of NTCIP mode: one HDLC frame
// (flag, address 0x05, control 0x13, protocol 0xC1) carrying an SNMP v1
// SetRequest of the mode object to 3, its FCS low byte first, and the
// closing flag. The community must be six lower-case letters; any other
// gives no frame.
std::optional<NtcipFrame> BuildNtcipDisableFrame(std::string_view community);
