#pragma once

// The console's address spin range and new-address field length for a protocol.
struct AddressRange {
    int minimum;
    int maximum;
    int newAddressLength;
};

AddressRange AddressRangeForProtocol(int protocol);

// The preset list shows all 64 names for these receiver types, else 10.
int PresetListLength(int receiverType);
