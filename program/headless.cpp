#include "program/headless.h"

#include "app/settings_encoding.h"
#include "app/settings_store.h"
#include "program/headless_workbench.h"
#include "session/project_session.h"
#include "ui/source_text.h"

#include <QProcessEnvironment>
#include <QTextStream>
#include <optional>

namespace {

enum class Action { Build, Run, Upload, Help };

struct Request {
    Action action = Action::Help;
    QString name;
};

struct Parsed {
    std::optional<Request> request;
    QString error;  // when there is no request
};

// The usage differs by platform in the program's name, in how an action is
// stopped and in which program opens the window; the rest is shared.
const char kUsageActions[] =
    "\n"
    "ウィンドウを開かずにプロジェクトを開き、ボタンひとつ分の操作を行います。\n"
    "  --build 名前    プロジェクトをビルドします (ビルドボタンと同じ)\n"
    "  --run 名前      エミュレータでアプリケーションを実行します (実行ボタンと同じ)\n"
    "  --upload 名前   成果物をFTPサーバへ転送します (アップロードボタンと同じ)\n"
    "  --help          この説明を表示します\n"
    "\n"
    "設定は実行ファイルと同じフォルダのTovra.iniから読みこみます。\n"
    "ログは標準出力に、メッセージは標準エラー出力に書きます。\n"
    "終了コード: 0 操作がすべて正常に終了した、1 失敗した、2 引数に誤りがある。\n"
    "  --build   ソースの保存、コンパイル、検証、JARファイル、JAMファイル、HTMLファイルの\n"
    "            すべてが成功したときだけ0 (ログの最後が成功の行でも、途中の段階の失敗は1)\n"
    "  --run     エミュレータが起動し、終了コード0で終わったときだけ0\n"
    "  --upload  3つのファイルがすべてサーバに保存されたときだけ0\n";

const char kPosixUsageHead[] = "使い方: quenvel [--build 名前 | --run 名前 | --upload 名前 | --help]\n";
const char kPosixUsageTail[] =
    "  SIGINT、SIGTERM、SIGHUPを受けると実行中のツールを終了させ、128+シグナル番号で終わります。\n"
    "引数なしで起動すると、ウィンドウが開きます。\n";

const char kWindowsUsageHead[] = "使い方: quenvel-cli [--build 名前 | --run 名前 | --upload 名前 | --help | /?]\n";
const char kWindowsUsageTail[] =
    "  Ctrl+Cを押すと、実行中のツールとともに終了します。\n"
    "ウィンドウはquenvel.exeが開きます。\n";

QString programName(HeadlessFlavour flavour)
{
    return flavour == HeadlessFlavour::Posix ? QStringLiteral("quenvel") : QStringLiteral("quenvel-cli");
}

std::optional<Action> actionFor(const QString &option)
{
    if (option == QLatin1String("--build"))
        return Action::Build;
    if (option == QLatin1String("--run"))
        return Action::Run;
    if (option == QLatin1String("--upload"))
        return Action::Upload;
    if (option == QLatin1String("--help") || option == QLatin1String("/?"))
        return Action::Help;
    return std::nullopt;
}

Parsed usageError(const QString &text)
{
    return {std::nullopt, text};
}

Parsed parse(const QStringList &arguments)
{
    const QStringList args = arguments.mid(1);
    if (args.isEmpty())
        return usageError(QStringLiteral("操作が指定されていません。"));
    const QString &option = args.first();
    const std::optional<Action> action = actionFor(option);
    if (!action)
        return usageError(QStringLiteral("不明なオプションです: ") + option);
    const qsizetype expected = *action == Action::Help ? 1 : 2;
    if (args.size() < expected)
        return usageError(option + QStringLiteral(" にはプロジェクト名が必要です。"));
    if (args.size() > expected)
        return usageError(QStringLiteral("余分な引数があります: ") + args.mid(expected).join(QLatin1Char(' ')));
    const QString name = expected == 2 ? args.at(1) : QString();
    // An empty name would ask for the chooser, which has no one to answer it.
    if (expected == 2 && name.isEmpty())
        return usageError(option + QStringLiteral(" にはプロジェクト名が必要です。"));
    return {Request{*action, name}, {}};
}

void perform(Action action, ProjectSession &session)
{
    switch (action) {
    case Action::Build:
        return session.build();
    case Action::Run:
        session.run();
        return session.waitForEmulator();
    case Action::Upload:
        return session.upload();
    case Action::Help:
        break;
    }
}

} // namespace

bool isHeadlessInvocation(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).startsWith(QLatin1String("--")) || arguments.at(i) == QLatin1String("/?"))
            return true;
    }
    return false;
}

HeadlessFlavour nativeHeadlessFlavour()
{
#ifdef Q_OS_WIN
    return HeadlessFlavour::WindowsConsole;
#else
    return HeadlessFlavour::Posix;
#endif
}

QString headlessUsage(HeadlessFlavour flavour)
{
    const bool posix = flavour == HeadlessFlavour::Posix;
    return QString::fromUtf8(posix ? kPosixUsageHead : kWindowsUsageHead) + QString::fromUtf8(kUsageActions)
           + QString::fromUtf8(posix ? kPosixUsageTail : kWindowsUsageTail);
}

bool hasDisplay(const QStringList &arguments, const QProcessEnvironment &environment)
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!environment.value(QString::fromLatin1(variable)).isEmpty())
            return true;
    }
    return arguments.mid(1).contains(QStringLiteral("-platform"));
}

QString noDisplayMessage()
{
    return QStringLiteral("画面がない(DISPLAYもWAYLAND_DISPLAYもない)ため、ウィンドウを開けません。"
                          "ウィンドウなしで使うには --build、--run、--upload のどれかを指定してください"
                          "(使い方は --help で表示します)。");
}

QString useConsoleProgramMessage()
{
    return QStringLiteral("quenvel.exeはウィンドウを開くプログラムです。ウィンドウを開かずに使うには、"
                          "同じフォルダのquenvel-cli.exeを同じ引数で実行してください(使い方は quenvel-cli --help)。");
}

int runHeadless(const QStringList &arguments, SettingsStore &store, CommandRunnerFactory &runners,
                FtpClientFactory &ftp, const Clock &clock, QTextStream &out, QTextStream &err,
                HeadlessFlavour flavour)
{
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const Parsed parsed = parse(arguments);
    if (!parsed.request) {
        err << parsed.error << QLatin1Char('\n')
            << programName(flavour) << QStringLiteral(" --help で使い方を表示します。") << QLatin1Char('\n');
        err.flush();
        return 2;
    }
    if (parsed.request->action == Action::Help) {
        out << headlessUsage(flavour);
        out.flush();
        return 0;
    }

    HeadlessWorkbench bench(out, err);
    SourceText document(bench, bench, bench);
    ProjectSession session(Services{store, bench, bench, document, bench, runners, ftp, clock});
    if (const Result<> loaded = store.LoadSettings(); !loaded) {
        bench.showMessage(loaded.error());
        bench.finish();
        return 1;
    }
    if (const std::optional<QString> noJdk = store.noJdkNote())
        bench.showMessage(*noJdk);
    if (const std::optional<QString> utf8 = utf8SettingsFileMessage(store.settingsFilePath()))
        bench.showMessage(*utf8);
    if (!session.open(parsed.request->name)) {
        bench.finish();
        return 1;
    }
    perform(parsed.request->action, session);
    bench.finish();
    return bench.actionSucceeded() ? 0 : 1;
}
