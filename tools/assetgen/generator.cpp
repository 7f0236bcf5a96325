#include "generator.h"

#include "bmp_writer.h"
#include "painter.h"
#include "speech.h"
#include "synth.h"
#include "wav.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <thread>

namespace vocassets {
namespace {

namespace fs = std::filesystem;

// Writes the bytes unless the file already holds them, so an unchanged pack
// keeps its timestamps. Answers whether the file was written.
bool WriteIfChanged(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    if (fs::exists(path, error) && fs::file_size(path, error) == bytes.size()) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::uint8_t> old{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        if (old == bytes) {
            return false;
        }
    }
    fs::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + temp.string());
        }
    }
    fs::rename(temp, path);
    return true;
}

const char* VoiceOf(Sound sound) {
    return sound == Sound::SpanishWord ? "es" : "en";
}

class Collector {
  public:
    void Done(const fs::path& path, const std::vector<std::uint8_t>& bytes, bool picture) {
        bool written = WriteIfChanged(path, bytes);
        std::lock_guard lock(mutex_);
        (picture ? report_.pictures : report_.recordings) += 1;
        (written ? report_.written : report_.unchanged) += 1;
        report_.bytes += bytes.size();
    }
    void Fail(std::string message) {
        std::lock_guard lock(mutex_);
        report_.errors.push_back(std::move(message));
    }
    GenerateReport& Report() { return report_; }

  private:
    std::mutex mutex_;
    GenerateReport report_;
};

std::vector<const AssetEntry*> Selected(const GenerateOptions& options, AssetType type,
                                        Collector& collector) {
    std::vector<const AssetEntry*> out;
    if (options.only.empty()) {
        for (const AssetEntry& entry : AllAssets()) {
            if (entry.type == type) {
                out.push_back(&entry);
            }
        }
        return out;
    }
    for (const std::string& name : options.only) {
        const AssetEntry* entry = FindAsset(name);
        if (entry == nullptr) {
            if (type == AssetType::Picture) {
                collector.Fail("not in the manifest: " + name);
            }
        } else if (entry->type == type) {
            out.push_back(entry);
        }
    }
    return out;
}

void RemoveStrays(const fs::path& dir, Collector& collector) {
    std::set<std::string> wanted;
    for (const AssetEntry& entry : AllAssets()) {
        wanted.insert(entry.file);
    }
    for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
        if (wanted.count(file.path().filename().string()) == 0) {
            fs::remove_all(file.path());
            collector.Report().removed += 1;
        }
    }
}

} // namespace

std::vector<std::uint8_t> RenderPicture(const AssetEntry& entry, TextRenderer& text) {
    Canvas canvas = PaintPicture(*entry.picture, entry.frame, text);
    bool keyed = entry.Keyed();
    return EncodeBmp(canvas.Width(), canvas.Height(), MapToPalette(canvas, keyed),
                     PackPalette(keyed))
        .bytes;
}

std::optional<std::vector<std::uint8_t>> RenderRecording(const AssetEntry& entry,
                                                         const std::string& workDir, int job) {
    const RecordingRow& row = *entry.recording;
    Samples samples;
    if (row.sound == Sound::Effect || row.sound == Sound::Music) {
        samples = SynthesiseEffect(row);
    } else {
        std::optional<Samples> spoken = Speak(VoiceOf(row.sound), row.text, workDir, job);
        if (!spoken) {
            return std::nullopt;
        }
        samples = std::move(*spoken);
    }
    if (samples.empty()) {
        return std::nullopt;
    }
    Normalise(samples);
    return EncodeWav(samples);
}

GenerateReport GeneratePack(const GenerateOptions& options) {
    Collector collector;
    const fs::path images = fs::path(options.outDir) / "Images";
    const fs::path wav = fs::path(options.outDir) / "Wav";
    fs::create_directories(images);
    fs::create_directories(wav);

    std::string workTemplate = "/tmp/vbgenXXXXXX";
    if (mkdtemp(workTemplate.data()) == nullptr) {
        collector.Fail("cannot make a work folder");
        return collector.Report();
    }
    const std::string workDir = workTemplate;

    std::vector<const AssetEntry*> recordings = Selected(options, AssetType::Recording, collector);
    std::atomic<std::size_t> next{0};
    auto worker = [&]() {
        for (std::size_t i = next++; i < recordings.size(); i = next++) {
            const AssetEntry& entry = *recordings[i];
            try {
                auto bytes = RenderRecording(entry, workDir, static_cast<int>(i));
                if (!bytes) {
                    collector.Fail("no sound made for " + entry.file);
                    continue;
                }
                collector.Done(wav / entry.file, *bytes, false);
            } catch (const std::exception& e) {
                collector.Fail(entry.file + ": " + e.what());
            }
        }
    };
    std::vector<std::thread> workers;
    for (int j = 0; j < std::max(1, options.jobs); ++j) {
        workers.emplace_back(worker);
    }

    // Pictures are painted on this thread: the font library is not shared.
    try {
        TextRenderer text(DefaultFontPath());
        for (const AssetEntry* entry : Selected(options, AssetType::Picture, collector)) {
            collector.Done(images / entry->file, RenderPicture(*entry, text), true);
        }
    } catch (const std::exception& e) {
        collector.Fail(std::string("pictures: ") + e.what());
    }
    for (std::thread& t : workers) {
        t.join();
    }
    fs::remove_all(workDir);

    if (options.only.empty() && collector.Report().errors.empty()) {
        RemoveStrays(images, collector);
        RemoveStrays(wav, collector);
    }
    return collector.Report();
}

} // namespace vocassets
