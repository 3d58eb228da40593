// UvaFileBench: opening and saving a generated hypertext, against the cost of
// reading only its record area and page texts (for opening) and of a plain
// copy of the file (for saving).
//
// Default size: 1,000 pages and 64 MB of pictures. QUOR_BENCH_FULL=1 gives the
// full case: 10,000 pages and 1 GB of pictures. QUOR_BENCH_DIR chooses the
// folder (default: the system temporary folder).
#include "model/BackingFile.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/UvaFileReader.h"
#include "model/records/PageRecord.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace quor;

struct Setup {
    int pages = 1000;
    std::uint64_t pictureBytes = 64ull << 20;
    int pictures = 64;
    fs::path dir;
    std::string file;
};

const Setup& Generated()
{
    static const Setup setup = [] {
        Setup s;
        if (const char* full = std::getenv("QUOR_BENCH_FULL"); full && *full == '1') {
            s.pages = 10000;
            s.pictureBytes = 1ull << 30;
            s.pictures = 256;
        }
        const char* base = std::getenv("QUOR_BENCH_DIR");
        s.dir = fs::path(base ? base : fs::temp_directory_path().string()) /
                ("quor-bench-" + std::to_string(::getpid()));
        fs::create_directories(s.dir);
        s.file = (s.dir / "big.uva").string();

        TUVAset doc;
        doc.MakeBackup = false;
        for (int i = 0; i < s.pages; ++i) {
            auto page = std::unique_ptr<TUVAtesto>(static_cast<TUVAtesto*>(TUVAoggetto::CreateCleared(&doc, 0).release()));
            page->MarkInUse();
            std::string text = "<Z S0 >Page " + std::to_string(i) + " ";
            text.append(400, 'a' + static_cast<char>(i % 26));
            page->SetText(text);
            doc.Register(std::move(page));
        }
        const std::uint64_t each = s.pictureBytes / static_cast<std::uint64_t>(s.pictures);
        std::vector<char> bytes(each);
        for (int i = 0; i < s.pictures; ++i) {
            for (std::size_t j = 0; j < bytes.size(); j += 4096)
                bytes[j] = static_cast<char>(i + j);
            const fs::path pic = s.dir / ("pic" + std::to_string(i) + ".jpg");
            std::ofstream(pic, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            auto image = TUVAoggetto::CreateCleared(&doc, 5);
            image->MarkInUse();
            image->SetExternalFile(pic.string());
            doc.Register(std::move(image));
        }
        if (!doc.SaveToFile(s.file, 2))
            std::abort();
        for (int i = 0; i < s.pictures; ++i)
            fs::remove(s.dir / ("pic" + std::to_string(i) + ".jpg"));
        static const fs::path folder = s.dir;
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(folder, ec);
        });
        return s;
    }();
    return setup;
}

// Baseline for opening: the record area and every page text, nothing else.
void BM_ReadRecordsAndPageTexts(benchmark::State& state)
{
    const Setup& s = Generated();
    for (auto _ : state) {
        auto file = BackingFile::Open(s.file);
        UvaFileReader reader(file);
        if (reader.ReadLayout() != UvaReadStatus::Ok)
            std::abort();
        const auto& layout = reader.Layout();
        std::vector<std::uint8_t> records(layout.recordAreaLength);
        file->ReadInto(layout.recordAreaStart, records);
        const auto& pages = layout.kinds[0];
        std::vector<std::uint8_t> text;
        for (int i = 0; i < pages.count; ++i) {
            records::ConstPageRecord rec(records.data() + pages.offset + i * pages.recordSize);
            file->Read(layout.dataAreaStart + static_cast<std::uint64_t>(rec.I32(0)),
                       static_cast<std::size_t>(rec.TextLength()), text);
            benchmark::DoNotOptimize(text.data());
        }
    }
}
BENCHMARK(BM_ReadRecordsAndPageTexts)->Unit(benchmark::kMillisecond);

void BM_Open(benchmark::State& state)
{
    const Setup& s = Generated();
    for (auto _ : state) {
        TUVAset doc;
        if (!doc.LoadFromFile(s.file))
            std::abort();
        benchmark::DoNotOptimize(doc.ObjectCount(0));
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

// Baseline for saving: a copy of the file, flushed to the disk as a save is.
void BM_PlainCopy(benchmark::State& state)
{
    const Setup& s = Generated();
    const fs::path copy = s.dir / "copy.uva";
    for (auto _ : state) {
        fs::copy_file(s.file, copy, fs::copy_options::overwrite_existing);
        const int fd = ::open(copy.c_str(), O_RDONLY);
        ::fsync(fd);
        ::close(fd);
    }
    fs::remove(copy);
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);

// Saving a loaded document under another name (pictures still in the file).
void BM_Save(benchmark::State& state)
{
    const Setup& s = Generated();
    const std::string target = (s.dir / "saved.uva").string();
    for (auto _ : state) {
        state.PauseTiming();
        TUVAset doc;
        doc.MakeBackup = false;
        if (!doc.LoadFromFile(s.file))
            std::abort();
        state.ResumeTiming();
        if (!doc.SaveToFile(target, 2))
            std::abort();
    }
    fs::remove(target);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

} // namespace
