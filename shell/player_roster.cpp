#include "shell/player_roster.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/crt.h"
#include "shell/globals.h"

namespace {

// The roster's column of each of the record's flags.
constexpr int kColumnOf[kBalloonActivities] = {2, 0, 7, 5, 1, 3, 4, 6, 8};

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kPlayerSlots;
}
bool ValidColumn(int column) {
    return column >= 0 && column < kBalloonActivities;
}

} // namespace

void BalloonRecord::Award(BalloonActivity activity) {
    bool& flag = flags[static_cast<int>(activity)];
    if (!flag) {
        flag = true;
        ++count;
    }
}

void PlayerRoster::Load() {
    std::snprintf(path, sizeof path, "%s\\play-sp-demo.dat", installPath);
    errno = 0;
    FILE* file = CrtOpenFile(path, "rb");
    if (!file) {
        // No file is no progress yet: every slot stays free. A file that is
        // there but cannot be read holds progress nobody may overwrite.
        if (errno != ENOENT)
            unreadable = errno ? errno : EIO;
        return;
    }
    std::string text;
    char chunk[4096];
    size_t read;
    // Nine records fit in far less; a huge file is read no further than this.
    while (text.size() < (1u << 20) && (read = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, read);
    if (std::ferror(file))
        unreadable = errno ? errno : EIO;
    std::fclose(file);
    if (!unreadable)
        ParseProgressFile(text, table);
}

void PlayerRoster::Save() {
    if (!path[0])
        return;
    if (unreadable) {
        if (!unreadableSaid) // once: the game saves often
            std::fprintf(stderr,
                         "vocabuloon: progress not saved: %s could not be read (%s) and is "
                         "left as it was\n",
                         MapWindowsPath(path).c_str(), std::strerror(unreadable));
        unreadableSaid = true;
        return;
    }
    std::string text = FormatProgressFile(table);
    // The old file stays whole until the new one is complete on disk.
    char written[300];
    std::snprintf(written, sizeof written, "%s.new", path);
    errno = 0;
    int error = 0;
    FILE* file = CrtOpenFile(written, "wb");
    if (!file) {
        error = errno;
    } else if (CrtWriteFile(file, text.data(), text.size()) != text.size()) {
        error = errno;
        std::fclose(file);
        std::remove(MapWindowsPath(written).c_str());
    } else if (!CrtReplaceFile(file, written, path)) {
        error = errno;
    } else {
        return;
    }
    // The child plays on; the parent can read why.
    std::fprintf(stderr, "vocabuloon: could not save progress to %s: %s\n",
                 MapWindowsPath(path).c_str(), std::strerror(error ? error : EIO));
}

std::string PlayerRoster::GetName(int slot) const {
    return ValidSlot(slot) ? table.names[slot] : "";
}

void PlayerRoster::SetName(int slot, const std::string& name) {
    if (ValidSlot(slot))
        table.names[slot] = name;
}

void PlayerRoster::SetCurrent(int slot) {
    if (ValidSlot(slot))
        current = slot;
}

bool PlayerRoster::HasColumn(int column) const {
    return ValidColumn(column) && table.flags[column][current] == 1;
}

void PlayerRoster::SetColumn(int column) {
    if (ValidColumn(column))
        table.flags[column][current] = 1;
}

void PlayerRoster::ClearSlot(int slot) {
    if (!ValidSlot(slot))
        return;
    for (auto& column : table.flags)
        column[slot] = 0;
}

void PlayerRoster::Merge(const BalloonRecord& record) {
    for (int flag = 0; flag < kBalloonActivities; ++flag)
        if (record.HasWon(static_cast<BalloonActivity>(flag)))
            SetColumn(kColumnOf[flag]);
}

void PlayerRoster::RestoreBalloons(BalloonRecord& record) const {
    for (int flag = 0; flag < kBalloonActivities; ++flag)
        if (HasColumn(kColumnOf[flag]))
            record.Award(static_cast<BalloonActivity>(flag));
}
