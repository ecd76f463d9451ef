// Information texts for 10,000 generated files of each kind (AVI, JPEG, MP3),
// each beside a reference that only opens a file, reads its first 4 KiB and
// closes it, both timed in the same run (thread CPU time). The "ratio" counter is
// builder time over reference time: at most 3 for AVI and 2 for JPEG and MP3.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
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
  testing::TTempFolder dir;
  testing::TTempFolder settings;  // the settings folder is not the media folder
  std::vector<std::string> avi, jpeg, mp3;

  Corpus() {
    settings.Write("codecs.dat", "[XVID]\r\nCodec=\"XviD\"\r\n[DIV3]\r\nCodec=\"DivX 3\"\r\n");
    settings.Write("audio.dat", "[0x0055]\r\nAudio=\"MP3\"\r\n[0x2000]\r\nAudio=\"AC3\"\r\n");
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

// Files handled per timed chunk: the reference and the builder take turns over the
// same chunk, so both see the same cache state and the same machine load.
constexpr std::size_t kChunk = 1000;

double ThreadCpuSeconds() {
  timespec t {};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void ReadFirstBlock(const std::string& path) {
  char buffer[kReferenceRead];
  const int fd = ::open(path.c_str(), O_RDONLY);
  benchmark::DoNotOptimize(::read(fd, buffer, sizeof buffer));
  ::close(fd);
}

// Times `build` over every file of `files` beside the reference, chunk by chunk,
// and reports both per-file times and their ratio.
template <typename Build>
void BuildBesideReference(benchmark::State& state, const std::vector<std::string>& files,
                          Build build) {
  double reference = 0, builder = 0;
  std::size_t handled = 0;
  for (auto _ : state) {
    const double builder_before = builder;
    for (std::size_t first = 0; first < files.size(); first += kChunk) {
      const std::size_t last = std::min(files.size(), first + kChunk);
      const double t0 = ThreadCpuSeconds();
      for (std::size_t i = first; i < last; ++i) ReadFirstBlock(files[i]);
      const double t1 = ThreadCpuSeconds();
      for (std::size_t i = first; i < last; ++i) benchmark::DoNotOptimize(build(files[i]));
      const double t2 = ThreadCpuSeconds();
      reference += t1 - t0;
      builder += t2 - t1;
    }
    handled += files.size();
    state.SetIterationTime(builder - builder_before);
  }
  const double n = static_cast<double>(handled);
  state.counters["reference_ns"] = reference / n * 1e9;
  state.counters["builder_ns"] = builder / n * 1e9;
  state.counters["ratio"] = builder / reference;
}

void BM_AviInfo(benchmark::State& state) {
  const TAVI_CODEC_INFO info = DefaultAviInfo();
  const std::string settings = Files().settings.Path();
  BuildBesideReference(state, Files().avi, [&](const std::string& path) {
    return BuildAviInfo(info, settings, path);
  });
}

void BM_ImageSizeInfo(benchmark::State& state) {
  const TJPEG_GIF_INFO info = DefaultImageInfo();
  BuildBesideReference(state, Files().jpeg, [&](const std::string& path) {
    return BuildImageSizeInfo(info, path);
  });
}

void BM_Mp3Info(benchmark::State& state) {
  const TMP3_FRM_INFO info = DefaultMp3Info();
  BuildBesideReference(state, Files().mp3, [&](const std::string& path) {
    return BuildMp3Info(info, path);
  });
}

// Each run covers every file of its kind three times.
BENCHMARK(BM_AviInfo)->UseManualTime()->Iterations(3);
BENCHMARK(BM_ImageSizeInfo)->UseManualTime()->Iterations(3);
BENCHMARK(BM_Mp3Info)->UseManualTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
