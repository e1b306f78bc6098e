#pragma once

#include <QString>

// The log lines of the build and the run.
inline const QString kCompileFailed = QStringLiteral("コンパイルは失敗しました。");
inline const QString kPreverifyFailed = QStringLiteral("クラスファイルの検証に失敗しました");
inline const QString kJarFailed = QStringLiteral("JARファイルの生成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。");
inline const QString kJarSaved = QStringLiteral("JARファイルを保存しました。 ");
inline const QString kJamSaved = QStringLiteral("JAMファイルを保存しました。 ");
inline const QString kHtmlSaved = QStringLiteral("HTMLファイルを保存しました。");
inline const QString kBuildSucceeded = QStringLiteral("コンパイルは正常に終了しました。");
// After a path, as the source save words its own failure.
inline const QString kNotSaved = QStringLiteral("の保存に失敗しました。");
// After a folder path.
inline const QString kFolderNotCreated = QStringLiteral("を作成できませんでした。");
inline const QString kFolderNotEmptied = QStringLiteral("の中身を削除できませんでした。");
inline const QString kNoRunner = QStringLiteral("コマンドを実行できませんでした。");
inline const QString kNoJdk = QStringLiteral("JDKが設定されていません。Tovra.iniのJAVA_PATHにJDKのフォルダを指定してください。");
inline const QString kNoSdk = QStringLiteral("DoJa SDKが設定されていません。Tovra.iniのDOJA_PATHにSDKのフォルダを指定してください。");
