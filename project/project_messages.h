#pragma once

#include "project/project_name.h"

#include <QString>

// What the user reads when a project cannot be made or opened for a reason
// of the name or of the SDK folder, not of the disk.

inline QString invalidProjectNameMessage(const QString &name)
{
    // Only refused on Windows, where it is the reason.
    if (isWindowsDeviceName(name))
        return QStringLiteral("プロジェクト名「%1」は使えません。\r\n"
                              "CON、PRN、AUX、NUL、COM1～COM9、LPT1～LPT9は(大文字・小文字を問わず)"
                              "Windowsが装置に付けている名前のため、フォルダやファイルの名前にできません。")
            .arg(name);
    return QStringLiteral("プロジェクト名「%1」は使えません。\r\n"
                          "プロジェクト名は、Javaのクラス名になる名前です。英字・数字・「_」・「$」からなり、"
                          "数字で始まらず、Javaのキーワードでない、Shift_JIS(Windows-31J)で表せる名前にしてください。")
        .arg(name);
}

inline QString missingAppsFolderMessage(const QString &appsFolder)
{
    return QStringLiteral("プロジェクトを置くフォルダ %1 がありません。\r\n"
                          "DoJa SDKのフォルダはTovra.iniのDOJA_PATHで指定します。DOJA_PATHを確かめてください。")
        .arg(appsFolder);
}
