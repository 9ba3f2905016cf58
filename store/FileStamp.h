// What tells one state of a file from another without reading it.
#pragma once

#include <cstdint>

// One state of a file: replacing the file or changing it gives another
// stamp. Stamps compare equal only when both are known.
struct TFileStamp {
    enum class TKind { Unknown, Missing, Present };
    TKind Kind = TKind::Unknown;
    uint64_t Device = 0;
    uint64_t Inode = 0;
    uint64_t Size = 0;
    int64_t ModifiedNs = 0;
    int64_t ChangedNs = 0;

    bool Known() const { return Kind != TKind::Unknown; }
    bool operator==(const TFileStamp& other) const {
        return Known() && Kind == other.Kind && Device == other.Device && Inode == other.Inode &&
               Size == other.Size && ModifiedNs == other.ModifiedNs && ChangedNs == other.ChangedNs;
    }
};
