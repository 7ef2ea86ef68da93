// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The texts the program shows: captions, messages, questions and progress titles, each defined
// once and used by name. A text that continues with a name or a number is split where the
// name goes (its parts end in Head or Tail).
namespace vistrel::texts {

// Captions of message boxes.
inline constexpr std::string_view kErrorCaption = "エラー";
inline constexpr std::string_view kFileErrorCaption = "ファイルエラー";
inline constexpr std::string_view kImageFileErrorCaption = "画像ファイルエラー";
inline constexpr std::string_view kMusicFileErrorCaption = "MIDI ファイルエラー";
inline constexpr std::string_view kDriveErrorCaption = "ドライブエラー";
inline constexpr std::string_view kFolderCheckCaption = "フォルダチェック";
inline constexpr std::string_view kConfirmCaption = "確認";
inline constexpr std::string_view kOverwriteCaption = "ファイルの上書き確認";
inline constexpr std::string_view kMessageCaption = "メッセージ";
inline constexpr std::string_view kCompletionCaption = "完了メッセージ";
inline constexpr std::string_view kCommentReadCaption = "コメント読みとり";
inline constexpr std::string_view kClearAllCaption = "全解除";
inline constexpr std::string_view kSelectAllCaption = "全選択";

// Titles of progress displays.
inline constexpr std::string_view kCopyProgressTitle = "ファイルをコピーしています。";
inline constexpr std::string_view kThumbnailProgressText =
    "HTML ファイル及び縮小画像の生成中です。しばらくお待ち下さい...";
inline constexpr std::string_view kSlideShowProgressText =
    "スライドショーファイルの生成中です。しばらくお待ち下さい...";

// Start-up and settings.
inline constexpr std::string_view kThumbnailSize80 = "現在の設定 ： 80x80";
inline constexpr std::string_view kThumbnailSize100 = "現在の設定 ： 100x100";
inline constexpr std::string_view kThumbnailSize120 = "現在の設定 ： 120x120";
inline constexpr std::string_view kThumbnailSizeOther = "現在の設定 ： ";
inline constexpr std::string_view kIndexLinkDefault = "画像一覧ページに戻る";
inline constexpr std::string_view kSettingsSaveFailedHead = "設定ファイル ";
inline constexpr std::string_view kSettingsSaveFailedTail = " を保存できませんでした。\n";
inline constexpr std::string_view kLibraryVersionMessage =
    "imgctl.dll のバージョンが異なります。imgctl.dll は、「Vistrel!!」同梱のものをご使用下さい。";

// The image list and comments.
inline constexpr std::string_view kCommentWriteFailedTail = "に書き込めませんでした。";
inline constexpr std::string_view kCommentReadFailedTail = "を読み込めませんでした。";
inline constexpr std::string_view kMoreImagesQuestion =
    "画像数がコメント保存時より多いため、画像とコメントが同期しない恐れが有ります。\n"
    "処理を続けますか？（不足分は空白で埋められます。）";
inline constexpr std::string_view kFewerImagesQuestion =
    "画像数がコメント保存時より少ないため、画像とコメントが同期しない恐れが有ります。\n"
    "処理を続けますか？（余分なコメントは切り捨てられます。）";
inline constexpr std::string_view kNoImageHandle =
    "画像ファイルから DIB ハンドルを取得するのに失敗しました";
inline constexpr std::string_view kNoImageData = "DIB 実データの読みとり失敗";
inline constexpr std::string_view kNoImageHeader =
    "DIB データの BITMAPINFOHEADER構造体 取得に失敗しました。";
inline constexpr std::string_view kCommentsLostQuestion =
    "この操作をすると、画像別コメントが設定してある場合\n"
    "コメントが全て削除されます。処理を続けますか？";

// Pages.
inline constexpr std::string_view kOverwriteQuestionTail =
    " ファイルは既に存在します。\n上書きしますか？";
inline constexpr std::string_view kRefusedText =
    "出力 HTML ファイルの名前を変更してやり直して下さい。";

// Copies, housekeeping and the selection.
inline constexpr std::string_view kNoImagesText = "画像ファイルが有りません。処理を中止します。";
inline constexpr std::string_view kNoMusicFileQuestion =
    "MIDI ファイルが指定されていません。BGM 無しでスライドショーを作成しますか？";
inline constexpr std::string_view kMusicFileMissingQuestion =
    "MIDI ファイルが見つかりません。BGM 無しでスライドショーを作成しますか？";
inline constexpr std::string_view kNotImages =
    "次のファイルは画像ファイルではないため、出力しません。";
inline constexpr std::string_view kSameName = " は ";
inline constexpr std::string_view kSameNameEnd = " と出力先で同じ名前（";
inline constexpr std::string_view kSameNameTail = "）になるため、出力しません。";
inline constexpr std::string_view kReplaceQuestion = " は既に存在します。置き換えますか？";
inline constexpr std::string_view kCopyFailed = " をコピーできませんでした。\n";

// The create run.
inline constexpr std::string_view kNoSuchPlaceTail =
    " ドライブは存在しません。正しい出力先のフォルダを指定して下さい。";
inline constexpr std::string_view kReadOnlyTail =
    " ドライブは CD-ROM/R/RW ドライブです。CD-R 等には\n書き込みできないので別のドライブを指定"
    "して下さい。";
inline constexpr std::string_view kNoFolderTail = " \nフォルダは存在しません。作成しますか？";
inline constexpr std::string_view kNoSubFolderHead = "画像格納用サブフォルダ（";
inline constexpr std::string_view kNoSubFolderTail = "）は存在しません。\n作成しますか？";
inline constexpr std::string_view kNoImageFolder = "画像フォルダが指定されていません。";
inline constexpr std::string_view kNoOutputFolder = "出力先フォルダが指定されていません。";
inline constexpr std::string_view kBadSubFolder = "画像格納サブフォルダ名が正しくありません。";
inline constexpr std::string_view kBadPageName = "出力 HTML ファイル名が正しくありません。";
inline constexpr std::string_view kBadMenuName = "左側フレームのファイル名が正しくありません。";
inline constexpr std::string_view kFolderInUse =
    "別の作成処理が出力先フォルダを使用中です。終了してからやり直して下さい。";
inline constexpr std::string_view kNotWritten = "次のファイルを書き込めませんでした。";
inline constexpr std::string_view kDoneQuestion =
    "HTML ファイルの出力が完了しました。今すぐ表示しますか？";
inline constexpr std::string_view kNotCreatedTail =
    " ファイルが作成されていません。最初にサムネイルを作成して下さい。";
inline constexpr std::string_view kBrowserFailed = "ブラウザの起動に失敗しました。";
inline constexpr std::string_view kNothingSelected =
    "画像ファイルが１つも選択されていません。処理を中止します。";

} // namespace vistrel::texts
