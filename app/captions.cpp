#include "app/captions.h"

#include <QHash>

namespace {

const QHash<int, QString> &japaneseTable()
{
    static const QHash<int, QString> table = {
        {1000, QStringLiteral("ファイル(&F)")},
        {1001, QStringLiteral("プロジェクトの新規作成(&N)")},
        {1002, QStringLiteral("プロジェクトを開く(&O)...")},
        {1003, QStringLiteral("閉じる(&C)")},
        {1004, QStringLiteral("保存(&S)")},
        {1005, QStringLiteral("名前を付けて保存(&A)...")},
        {1006, QStringLiteral("すべて保存(&L)")},
        {1007, QStringLiteral("プロパティ(&I)")},
        {1008, QStringLiteral("ページ設定(&U)...")},
        {1009, QStringLiteral("印刷プレビュー(&V)")},
        {1010, QStringLiteral("印刷(&P)...")},
        {1011, QStringLiteral("送信(&D)...")},
        {1012, QStringLiteral("終了(&X)")},
        {1013, QStringLiteral("編集(&E)")},
        {1014, QStringLiteral("元に戻す(&U)")},
        {1015, QStringLiteral("切り取り(&T)")},
        {1016, QStringLiteral("コピー(&C)")},
        {1017, QStringLiteral("貼り付け(&P)")},
        {1018, QStringLiteral("形式を選択して貼り付け(&S)...")},
        {1019, QStringLiteral("ヘルプ(&H)")},
        {1020, QStringLiteral("目次(&C)")},
        {1021, QStringLiteral("トピックの検索(&S)...")},
        {1022, QStringLiteral("バージョン情報(&A)")},
        // The Search menu and the Edit menu's Redo and Select All: in the
        // block 1024-1039, which the English table covers, so an English
        // interface shows their English texts.
        {1024, QStringLiteral("検索(&S)")},
        {1025, QStringLiteral("検索(&F)...")},
        {1026, QStringLiteral("置換(&R)...")},
        {1027, QStringLiteral("行へ移動(&G)...")},
        {1028, QStringLiteral("次のエラー(&N)")},
        {1029, QStringLiteral("前のエラー(&P)")},
        {1030, QStringLiteral("やり直し(&R)")},
        {1031, QStringLiteral("すべて選択(&A)")},
        {1032, QStringLiteral("ビルド結果の削除(&D)...")},
        {1033, QStringLiteral("プロジェクトの設定(&T)...")},
        {1034, QStringLiteral("ケータイで開くアドレス(&Q)...")},
        {1035, QStringLiteral("実行(&R)")},
        {1036, QStringLiteral("ビルドして実行")},
        {1037, QStringLiteral("実行の停止")},
        {1038, QStringLiteral("エミュレータを前面に")},
        {1039, QStringLiteral("新しいクラス(&L)...")},
        {1047, QStringLiteral("ファイルの削除")},
        {1048, QStringLiteral("ファイルから検索(&I)...")},
        {1040, QStringLiteral("新規作成")},
        {1041, QStringLiteral("開く")},
        {1042, QStringLiteral("保存")},
        {1043, QStringLiteral("印刷")},
        {1044, QStringLiteral("切り取り")},
        {1045, QStringLiteral("コピー")},
        {1046, QStringLiteral("貼り付け")},
        {1052, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Quenvel")},
        {1053, QStringLiteral("ｼｽﾃﾑ情報(&S)...")},
        {1054, QStringLiteral("OK")},
        {1055, QStringLiteral("本ソフトウェアは無保証で提供されます。")},
        {1056, QStringLiteral("ver 1.0")},
        {1057, QStringLiteral("Quenvel")},
        {1058, QStringLiteral("iアプリを楽しく作ろう!")},
        {1071, QStringLiteral("プロジェクトを開く")},
    };
    return table;
}

const QHash<int, QString> &englishTable()
{
    static const QHash<int, QString> table = {
        {1000, QStringLiteral("File")},
        {1001, QStringLiteral("New")},
        {1002, QStringLiteral("Open")},
        {1004, QStringLiteral("Save")},
        {1007, QStringLiteral("Properties")},
        {1012, QStringLiteral("Exit")},
        {1013, QStringLiteral("Edit")},
        {1014, QStringLiteral("Undo")},
        {1015, QStringLiteral("Cut")},
        {1016, QStringLiteral("Copy")},
        {1017, QStringLiteral("Paste")},
        {1019, QStringLiteral("Help")},
        {1020, QStringLiteral("Index")},
        {1022, QStringLiteral("Version")},
        {1024, QStringLiteral("Search")},
        {1025, QStringLiteral("Find...")},
        {1026, QStringLiteral("Replace...")},
        {1027, QStringLiteral("Go to Line...")},
        {1028, QStringLiteral("Next Error")},
        {1029, QStringLiteral("Previous Error")},
        {1030, QStringLiteral("Redo")},
        {1031, QStringLiteral("Select All")},
        {1032, QStringLiteral("Clean...")},
        {1033, QStringLiteral("Project Settings...")},
        {1034, QStringLiteral("Phone Address...")},
        {1035, QStringLiteral("Run")},
        {1036, QStringLiteral("Build and Run")},
        {1037, QStringLiteral("Stop")},
        {1038, QStringLiteral("Bring Emulator to Front")},
        {1039, QStringLiteral("New Class...")},
        {1047, QStringLiteral("Remove File")},
        {1048, QStringLiteral("Find in Files...")},
    };
    return table;
}

constexpr int kFirstEnglishId = 992;
constexpr int kLastEnglishId = 1055;

std::optional<QString> lookup(const QHash<int, QString> &table, int id)
{
    const auto it = table.constFind(id);
    if (it == table.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace

UiLanguage uiLanguageFor(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return UiLanguage::Japanese;
    const QString first = locale.uiLanguages().value(0);
    return first.startsWith(QLatin1String("en"), Qt::CaseInsensitive) ? UiLanguage::English
                                                                       : UiLanguage::Japanese;
}

std::optional<QString> captionText(int id, UiLanguage language)
{
    if (language == UiLanguage::English && id >= kFirstEnglishId && id <= kLastEnglishId)
        return lookup(englishTable(), id);
    return lookup(japaneseTable(), id);
}
