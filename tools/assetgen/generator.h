// Writes the asset pack: every manifest entry as a file under Images/ or Wav/.
#pragma once

#include "manifest.h"
#include "text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vocassets {

struct GenerateOptions {
    std::string outDir;            // the pack's folder: outDir/Images, outDir/Wav
    int jobs = 2;                  // recordings made at once
    std::vector<std::string> only; // file names to make; empty for the whole pack
};

struct GenerateReport {
    int pictures = 0;
    int recordings = 0;
    int written = 0;   // files created or changed
    int unchanged = 0; // files already holding the same bytes
    int removed = 0;   // stray files taken out of Images/ and Wav/
    std::uint64_t bytes = 0;
    std::vector<std::string> errors;
};

GenerateReport GeneratePack(const GenerateOptions& options);

// The bytes of one file of the pack.
std::vector<std::uint8_t> RenderPicture(const AssetEntry& entry, TextRenderer& text);
std::optional<std::vector<std::uint8_t>> RenderRecording(const AssetEntry& entry,
                                                         const std::string& workDir, int job);

} // namespace vocassets
