// The dialogs' fixed texts. The help lines keep their spacing exactly (half- and
// full-width blanks line the descriptions up in the help window's font).
#include "fileinfo/template_dialog_texts.h"

#include "fileinfo/info_settings.h"

namespace nalo {
namespace {

const TextLines kAviVideoHelp = {
    "<SIZE_X>    …映像の横サイズ",
    "<SIZE_Y>    …映像の縦サイズ",
    "<CODEC>     …映像のコーデック名称",
    "<TIME>      …時間情報",
    "<FPS>       …秒毎のフレーム数",
    "<FRAMES>    …フレーム数",
    "<FILE_SIZE> …ファイルサイズ",
    "             （<UNIT>により変化します)",
    "<UNIT>      …ファイルサイズ単位",
    "             （指定しない場合はバイトで出力します)",
    "<AUDIO>     …音声のコーデック情報",
    "　　　　      (音声コーデックの設定で内容を指定できます)",
};
const TextLines kAviAudioHelp = {
    "<ACODEC>      …音声コーデックの名称",
    "<BIT>　       …音声部のBitsPerSample(単位はBit)",
    "<SAMPLINGRATE>…音声部のSamplesPerSec(単位はHz)",
    "<CHANNEL>     …音声部のChannel情報",
    "<KBITRATE>    …音声部のKBitRate(単位はKbps)",
};
const TextLines kDateSizeHelp = {
    "<FILE_SIZE>…ファイルサイズ",
    "　　　　　　 (<UNIT>により変化します)",
    "<UNIT>　   …ファイルサイズの単位",
    "            （指定しない場合のはバイトで出力します)",
    "<DATE>     …ファイルの更新日",
    "             (フォーマットを指定できます)",
};
const TextLines kImageHelp = {
    "<SIZE_X>…画像の横サイズ(ピクセル)",
    "<SIZE_Y>…画像の縦サイズ(ピクセル)",
};
const TextLines kMp3Id3Help = {
    "<ARTIST>…アーティスト名",
    "<TITLE> …タイトル名",
    "<ALBUM> …アルバム名",
    "<TRACK> …トラックNo",
};
const TextLines kMp3MpegHelp = {
    "<TIME>        …時間情報",
    "                (フォーマットを指定できます)",
    "<VERSION>　   …バージョン",
    "<FRAME>       …フレーム情報",
    "                (フォーマットを指定できます)",
    "<SAMPLINGRATE>…SamplingRate(単位はHz)",
    "<KBITRATE>    …KBitRate(単位はKbps)",
    "<CHANNEL>     …Channel情報",
};
const TextLines kFolderHelp = {
    "<FOLDER_NAME>…フォルダ名",
};

TTemplateParts Parts(TextLines tags, const TextLines& help) { return {std::move(tags), help}; }

}  // namespace

const TextLines kTimeFormatItems = {"hh：nn：ss", "hh'nn'ss", "999sec", "99h99m99s",
                                    "99m99s", "mm'ss", "hh時mm分ss秒", "mm分ss秒"};
const TextLines kSizeUnitItems = {"ﾊﾞｲﾄ", "バイト", "KB", "MB"};
const TextLines kDateFormatItems = {"yyyymmdd", "yymmdd", "yyyy_mm_dd",
                                    "yy_mm_dd", "yyyy年mm月dd日", "yy年mm月dd日"};
const TextLines kFrameStyleItems = {"Frame len=999", "999Frames", "Frame len=999, 9999Frames"};
const TextLines kSeparatorItems = {"半角スペース",          "全角スペース",
                                   "\"_\"  半角アンダーバー", "\"＿\" 全角アンダーバー",
                                   "\"-\"  半角ハイフン",     "\"－\" 半角ハイフン",
                                   "\"：\" 全角コロン"};

TTemplateDialogTexts TemplateDialogTexts(TInfoKind kind, bool folder_mode) {
  switch (kind) {
    case TInfoKind::Avi:
      return {"AVIファイル 追加文字列設定", "AVI追加文字列カスタマイズ", kAviCandidates,
              Parts({"<SIZE_X>", "<SIZE_Y>", "<CODEC>", "<TIME>", "<FPS>", "<FRAMES>",
                     "<FILE_SIZE>", "<UNIT>", "<AUDIO>"}, kAviVideoHelp),
              Parts({"<ACODEC>", "<BIT>", "<SAMPLINGRATE>", "<CHANNEL>", "<KBITRATE>"},
                    kAviAudioHelp)};
    case TInfoKind::DateSize:
      return {folder_mode ? "更新日 追加文字列設定" : "更新日、ファイルサイズ 追加文字列設定",
              folder_mode ? "更新日追加文字列カスタマイズ"
                          : "更新日、ファイルサイズ追加文字列カスタマイズ",
              kDateCandidates, Parts({"<FILE_SIZE>", "<UNIT>", "<DATE>"}, kDateSizeHelp), {}};
    case TInfoKind::Image:
      return {"JPG/GIF/PNGファイル 追加文字列設定", "JPG/GIF/PNGファイル 追加文字列カスタマイズ",
              kImageCandidates, Parts({"<SIZE_X>", "<SIZE_Y>"}, kImageHelp), {}};
    case TInfoKind::Mp3:
      return {"MP3ファイル 追加文字列設定", "MP3ファイル 追加文字列カスタマイズ", kMp3Candidates,
              Parts({"<ARTIST>", "<TITLE>", "<ALBUM>", "<TRACK>"}, kMp3Id3Help),
              Parts({"<TIME>", "<VERSION>", "<FRAME>", "<SAMPLINGRATE>", "<KBITRATE>",
                     "<CHANNEL>"}, kMp3MpegHelp)};
    case TInfoKind::Folder:
      break;
  }
  return {"フォルダ名 追加文字列設定", "フォルダ名 追加文字列設定カスタマイズ", kFolderCandidates,
          Parts({"<FOLDER_NAME>"}, kFolderHelp), {}};
}

std::string TemplateHelpText(const TTemplateParts& parts) {
  std::string text = "パーツについて\n";
  for (std::string_view line : parts.HelpLines) text.append("\n").append(line);
  return text;
}

}  // namespace nalo
