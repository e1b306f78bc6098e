#pragma once

// The log lines of the build and the run.
inline constexpr char kCompileFailed[] = "コンパイルは失敗しました。";
inline constexpr char kPreverifyFailed[] = "クラスファイルの検証に失敗しました";
inline constexpr char kJarFailed[] =
    "JARファイルの生成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。";
inline constexpr char kJarSaved[] = "JARファイルを保存しました。 ";
inline constexpr char kJamSaved[] = "JAMファイルを保存しました。 ";
inline constexpr char kHtmlSaved[] = "HTMLファイルを保存しました。";
inline constexpr char kBuildSucceeded[] = "コンパイルは正常に終了しました。";
// After a path, as the source save words its own failure.
inline constexpr char kNotSaved[] = "の保存に失敗しました。";
// After a folder path.
inline constexpr char kFolderNotCreated[] = "を作成できませんでした。";
inline constexpr char kNoRunner[] = "コマンドを実行できませんでした。";
inline constexpr char kNoJdk[] = "JDKが設定されていません。Tovra.iniのJAVA_PATHにJDKのフォルダを指定してください。";
inline constexpr char kNoSdk[] = "DoJa SDKが設定されていません。Tovra.iniのDOJA_PATHにSDKのフォルダを指定してください。";
