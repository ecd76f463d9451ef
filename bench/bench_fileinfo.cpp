// Information texts for 10,000 generated files of each kind (AVI, JPEG, MP3),
// each beside a reference that only opens a file, reads its first 4 KiB and
// closes it. Compare BM_Build* with BM_Reference* of the same kind: the builders
// should cost at most 3x the reference for AVI and 2x for JPEG and MP3.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "../tests/fileinfo/fixtures.cpp"  // NOLINT: the test fixture builders
#include "fileinfo/info_builders.h"

namespace {

using namespace nalo;

// Files per kind: enough that the set does not fit one directory block cache line
// of hot entries, small enough to generate in a few seconds.
constexpr int kFilesPerKind = 10000;
// Bytes the reference reads from each file.
constexpr std::size_t kReferenceRead = 4096;

struct Corpus {
  testing::TempDir dir;
  testing::TempDir settings;  // the settings folder is not the media folder
  std::vector<std::string> avi, jpeg, mp3;

  Corpus() {
    settings.WriteText("codecs.dat", "[XVID]\r\nCodec=\"XviD\"\r\n[DIV3]\r\nCodec=\"DivX 3\"\r\n");
    settings.WriteText("audio.dat", "[0x0055]\r\nAudio=\"MP3\"\r\n[0x2000]\r\nAudio=\"AC3\"\r\n");
    testing::AviLayout layout;
    layout.junk_before_lists = 1500;  // stream lists in the second scan window, as usual
    const testing::Bytes avi_bytes = testing::AviFile(layout);
    const testing::Bytes jpeg_bytes = testing::JpegHeader(1024, 768, 0xC0, 2000);
    testing::Bytes mp3_bytes = testing::Frames(testing::FrameHeader(3, 3, 9, 0), 417, 10);
    const testing::Bytes tag = testing::Id3v1Tag("Title", "Artist", "Album", 3);
    mp3_bytes.insert(mp3_bytes.end(), tag.begin(), tag.end());
    for (int i = 0; i < kFilesPerKind; ++i) {
      const std::string n = std::to_string(i);
      avi.push_back(dir.Write("m" + n + ".avi", avi_bytes));
      jpeg.push_back(dir.Write("p" + n + ".jpg", jpeg_bytes));
      mp3.push_back(dir.Write("s" + n + ".mp3", mp3_bytes));
    }
  }
};

Corpus& Files() {
  static Corpus corpus;
  return corpus;
}

void Reference(benchmark::State& state, const std::vector<std::string>& files) {
  char buffer[kReferenceRead];
  std::size_t i = 0;
  for (auto _ : state) {
    const int fd = ::open(files[i++ % files.size()].c_str(), O_RDONLY);
    benchmark::DoNotOptimize(::read(fd, buffer, sizeof buffer));
    ::close(fd);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ReferenceAvi(benchmark::State& state) { Reference(state, Files().avi); }
void BM_ReferenceJpeg(benchmark::State& state) { Reference(state, Files().jpeg); }
void BM_ReferenceMp3(benchmark::State& state) { Reference(state, Files().mp3); }

void BM_BuildAviInfo(benchmark::State& state) {
  const TAVI_CODEC_INFO info = DefaultAviInfo();
  const auto& files = Files().avi;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildAviInfo(info, Files().settings.Path(), files[i++ % files.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_BuildImageSizeInfo(benchmark::State& state) {
  const TJPEG_GIF_INFO info = DefaultImageInfo();
  const auto& files = Files().jpeg;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildImageSizeInfo(info, files[i++ % files.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_BuildMp3Info(benchmark::State& state) {
  const TMP3_FRM_INFO info = DefaultMp3Info();
  const auto& files = Files().mp3;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildMp3Info(info, files[i++ % files.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}

// Each run covers every file of its kind at least once.
BENCHMARK(BM_ReferenceAvi)->Iterations(kFilesPerKind * 3);
BENCHMARK(BM_BuildAviInfo)->Iterations(kFilesPerKind * 3);
BENCHMARK(BM_ReferenceJpeg)->Iterations(kFilesPerKind * 3);
BENCHMARK(BM_BuildImageSizeInfo)->Iterations(kFilesPerKind * 3);
BENCHMARK(BM_ReferenceMp3)->Iterations(kFilesPerKind * 3);
BENCHMARK(BM_BuildMp3Info)->Iterations(kFilesPerKind * 3);

}  // namespace

BENCHMARK_MAIN();
