// Byte-level builders of the test media files; see fixtures.h.
#include "fixtures.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace nalo::testing {

void Append(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }
void AppendLe16(Bytes& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void AppendLe32(Bytes& out, std::uint32_t v) {
  AppendLe16(out, v & 0xFFFF);
  AppendLe16(out, v >> 16);
}
void AppendBe16(Bytes& out, std::uint32_t v) {
  out.push_back((v >> 8) & 0xFF);
  out.push_back(v & 0xFF);
}
void AppendBe32(Bytes& out, std::uint32_t v) {
  AppendBe16(out, v >> 16);
  AppendBe16(out, v & 0xFFFF);
}

Bytes JpegHeader(std::uint16_t width, std::uint16_t height, std::uint8_t frame_marker,
                 std::size_t exif_size, int fill_bytes) {
  Bytes b = {0xFF, 0xD8, 0xFF, 0xE0};
  AppendBe16(b, 16);
  Append(b, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
  if (exif_size >= 2) {
    b.push_back(0xFF);
    b.push_back(0xE1);
    AppendBe16(b, static_cast<std::uint32_t>(exif_size));
    Append(b, "Exif");
    b.resize(b.size() + exif_size - 2 - 4, 0xFF);  // content full of FF must not confuse the walk
  }
  b.push_back(0xFF);
  for (int i = 0; i < fill_bytes; ++i) b.push_back(0xFF);
  b.push_back(frame_marker);
  AppendBe16(b, 17);
  b.push_back(8);
  AppendBe16(b, height);
  AppendBe16(b, width);
  b.push_back(3);
  b.resize(b.size() + 9, 0x11);
  b.push_back(0xFF);
  b.push_back(0xDA);
  AppendBe16(b, 12);
  b.resize(b.size() + 10, 0);
  return b;
}

Bytes GifHeader(const std::string& signature, std::uint16_t width, std::uint16_t height) {
  Bytes b;
  Append(b, signature);
  AppendLe16(b, width);
  AppendLe16(b, height);
  b.push_back(0xF7);
  b.push_back(0);
  b.push_back(0);
  return b;
}

Bytes PngHeader(std::uint32_t width, std::uint32_t height) {
  Bytes b = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
  AppendBe32(b, 13);
  Append(b, "IHDR");
  AppendBe32(b, width);
  AppendBe32(b, height);
  b.insert(b.end(), {8, 2, 0, 0, 0, 0, 0, 0, 0});
  return b;
}

namespace {

Bytes Chunk(const std::string& id, const Bytes& data) {
  Bytes b;
  Append(b, id);
  AppendLe32(b, static_cast<std::uint32_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

Bytes List(const std::string& type, const Bytes& content) {
  Bytes data;
  Append(data, type);
  data.insert(data.end(), content.begin(), content.end());
  return Chunk("LIST", data);
}

Bytes StreamHeader(const std::string& type, const std::string& handler, std::uint32_t rate,
                   std::uint32_t size) {
  Bytes d;
  Append(d, type);
  Append(d, handler);
  AppendLe32(d, 0);       // flags
  AppendLe32(d, 0);       // priority, language
  AppendLe32(d, 0);       // initial frames
  AppendLe32(d, 10000);   // scale
  AppendLe32(d, rate);
  d.resize(size, 0);
  Bytes b;
  Append(b, "strh");
  AppendLe32(b, size);
  b.insert(b.end(), d.begin(), d.end());
  return b;
}

Bytes VideoList(const AviLayout& s) {
  Bytes content = StreamHeader("vids", s.handler, s.rate, s.strh_size);
  Bytes bih;
  AppendLe32(bih, 40);
  AppendLe32(bih, s.width);
  AppendLe32(bih, s.height);
  AppendLe16(bih, 1);
  AppendLe16(bih, 24);
  Append(bih, s.compression);
  bih.resize(40, 0);
  const Bytes strf = Chunk("strf", bih);
  content.insert(content.end(), strf.begin(), strf.end());
  return List("strl", content);
}

Bytes AudioList(const AviLayout& s) {
  Bytes content = StreamHeader("auds", std::string(4, '\0'), s.samples_per_sec, s.strh_size);
  Bytes wf;
  AppendLe16(wf, s.format_tag);
  AppendLe16(wf, s.channels);
  AppendLe32(wf, s.samples_per_sec);
  AppendLe32(wf, s.avg_bytes_per_sec);
  AppendLe16(wf, 4);
  AppendLe16(wf, s.bits_per_sample);
  AppendLe16(wf, 0);
  const Bytes strf = Chunk("strf", wf);
  content.insert(content.end(), strf.begin(), strf.end());
  return List("strl", content);
}

}  // namespace

Bytes AviFile(const AviLayout& s) {
  Bytes avih;
  AppendLe32(avih, s.us_per_frame);
  AppendLe32(avih, 0);
  AppendLe32(avih, 0);
  AppendLe32(avih, 0);
  AppendLe32(avih, s.total_frames);
  AppendLe32(avih, 0);
  AppendLe32(avih, (s.video ? 1 : 0) + (s.audio ? 1 : 0));
  AppendLe32(avih, 0);
  AppendLe32(avih, s.width);
  AppendLe32(avih, s.height);
  avih.resize(56, 0);
  Bytes hdrl = Chunk("avih", avih);
  if (s.junk_before_lists > 0) {
    const Bytes junk = Chunk("JUNK", Bytes(s.junk_before_lists, 0));
    hdrl.insert(hdrl.end(), junk.begin(), junk.end());
  }
  const Bytes video = s.video ? VideoList(s) : Bytes();
  const Bytes audio = s.audio ? AudioList(s) : Bytes();
  const Bytes& first = s.audio_first ? audio : video;
  const Bytes& second = s.audio_first ? video : audio;
  hdrl.insert(hdrl.end(), first.begin(), first.end());
  hdrl.insert(hdrl.end(), second.begin(), second.end());
  Bytes body;
  Append(body, "AVI ");
  const Bytes hl = List("hdrl", hdrl);
  body.insert(body.end(), hl.begin(), hl.end());
  const Bytes movi = List("movi", Bytes(64, 0));
  body.insert(body.end(), movi.begin(), movi.end());
  return Chunk("RIFF", body);
}

std::array<std::uint8_t, 4> FrameHeader(int version_bits, int layer, int bitrate_index,
                                        int sampling_index, bool padding, int mode,
                                        int mode_extension) {
  const int layer_bits = layer == 0 ? 0 : 4 - layer;
  return {0xFF,
          static_cast<std::uint8_t>(0xE0 | (version_bits << 3) | (layer_bits << 1) | 1),
          static_cast<std::uint8_t>((bitrate_index << 4) | (sampling_index << 2) |
                                    (padding ? 2 : 0)),
          static_cast<std::uint8_t>((mode << 6) | (mode_extension << 4))};
}

Bytes Frames(const std::array<std::uint8_t, 4>& header, int frame_length, int count) {
  Bytes b;
  for (int i = 0; i < count; ++i) {
    b.insert(b.end(), header.begin(), header.end());
    b.resize(b.size() + frame_length - 4, 0);
  }
  return b;
}

Bytes XingFrame(const std::array<std::uint8_t, 4>& header, int frame_length, int xing_offset,
                bool has_frames, std::uint32_t frames) {
  Bytes b = Frames(header, frame_length, 1);
  Bytes x;
  Append(x, "Xing");
  AppendBe32(x, has_frames ? 1 : 0);
  AppendBe32(x, frames);
  std::copy(x.begin(), x.end(), b.begin() + xing_offset);
  return b;
}

Bytes Id3v1Tag(const std::string& title, const std::string& artist, const std::string& album,
               int track) {
  Bytes b(128, 0);
  std::copy_n("TAG", 3, b.begin());
  std::copy(title.begin(), title.end(), b.begin() + 3);
  std::copy(artist.begin(), artist.end(), b.begin() + 33);
  std::copy(album.begin(), album.end(), b.begin() + 63);
  std::copy_n("2024", 4, b.begin() + 93);
  if (track < 0) {
    std::fill(b.begin() + 97, b.begin() + 127, 'c');  // a comment of the full 30 bytes
  } else {
    b[126] = static_cast<std::uint8_t>(track);
  }
  b[127] = 12;
  return b;
}

}  // namespace nalo::testing
