// Expands the picture and recording tables into one entry per file and answers
// case-insensitive lookups, as the game's file names are matched on Windows.
#include "manifest.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <vector>

namespace vocassets {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

struct Index {
    std::vector<AssetEntry> entries;
    std::unordered_map<std::string, std::size_t> byName;
    std::unordered_map<std::string, const PictureRow*> rowByName;
};

void AddEntry(Index& index, AssetEntry entry) {
    // Names differing only in case are one file: the first spelling stays.
    auto [it, added] = index.byName.emplace(Lower(entry.file), index.entries.size());
    if (added) {
        index.entries.push_back(std::move(entry));
    }
}

Index BuildIndex() {
    Index index;
    for (const PictureRow& row : PictureRows()) {
        index.rowByName.emplace(Lower(row.name), &row);
        if (row.frames <= 1) {
            AddEntry(index, {row.name, AssetType::Picture, &row, 0, nullptr});
            continue;
        }
        for (int frame = 1; frame <= row.frames; ++frame) {
            AddEntry(index, {std::string(row.name) + std::to_string(frame) + ".bmp",
                             AssetType::Picture, &row, frame, nullptr});
        }
    }
    for (const RecordingRow& row : RecordingRows()) {
        AddEntry(index, {row.name, AssetType::Recording, nullptr, 0, &row});
    }
    return index;
}

const Index& TheIndex() {
    static const Index index = BuildIndex();
    return index;
}

} // namespace

bool AssetEntry::Keyed() const {
    return picture != nullptr && picture->art != Art::Backdrop && picture->art != Art::Animal;
}

std::string AssetEntry::RelativePath() const {
    return (type == AssetType::Picture ? "Images/" : "Wav/") + file;
}

std::span<const AssetEntry> AllAssets() {
    return TheIndex().entries;
}

const AssetEntry* FindAsset(std::string_view name) {
    const Index& index = TheIndex();
    auto it = index.byName.find(Lower(name));
    return it == index.byName.end() ? nullptr : &index.entries[it->second];
}

const PictureRow* FindPictureRow(std::string_view nameOrStem) {
    const Index& index = TheIndex();
    auto it = index.rowByName.find(Lower(nameOrStem));
    return it == index.rowByName.end() ? nullptr : it->second;
}

} // namespace vocassets
