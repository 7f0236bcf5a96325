// Every picture and recording a creation list names (room transitions and
// cart items included) is shipped in the asset pack, so no screen can start
// with a missing file.
#include <gtest/gtest.h>

#include <string>

#include "scene/creation_lists.h"
#include "tools/assetgen/manifest.h"

namespace {

bool NamesNothing(const char* sound) {
    std::string name = sound ? sound : "";
    return name.empty() || name == "NONE" || name == "None";
}

void ExpectShipped(const CreationRecord& record, const std::string& where) {
    if (record.frames > 1) {
        for (LONG n = 1; n <= record.frames; ++n) {
            std::string frame = std::string(record.picture) + std::to_string(n) + ".bmp";
            EXPECT_NE(vocassets::FindAsset(frame), nullptr) << where << ": " << frame;
        }
    } else {
        EXPECT_NE(vocassets::FindAsset(record.picture), nullptr) << where << ": " << record.picture;
    }
    for (const char* sound : {record.sound, record.secondSound}) {
        if (!NamesNothing(sound)) {
            EXPECT_NE(vocassets::FindAsset(sound), nullptr) << where << ": " << sound;
        }
    }
}

TEST(CreationNames, EveryFileOfEveryListIsInTheManifest) {
    int records = 0;
    ForEachCreationRecord([&](LONG screenId, const CreationRecord& record) {
        ExpectShipped(record, "screen " + std::to_string(screenId));
        ++records;
    });
    EXPECT_GT(records, 1000);
}

} // namespace
