#include "app/project_settings.h"

#include "app/code_page.h"
#include "app/java_names.h"
#include "app/profile_file.h"

#include <QRegularExpression>

const QStringList kDojaProfiles = {
    QStringLiteral("DoJa-1.0"), QStringLiteral("DoJa-2.0"), QStringLiteral("DoJa-2.1"),
    QStringLiteral("DoJa-3.0"), QStringLiteral("DoJa-3.5"), QStringLiteral("DoJa-4.0"),
    QStringLiteral("DoJa-4.1"), QStringLiteral("DoJa-5.0"), QStringLiteral("DoJa-5.1"),
};

namespace {

// Each settable key with its field, in the order of the struct.
constexpr struct {
    const char *key;
    QString ProjectSettings::*field;
} kFields[] = {
    {"AppName", &ProjectSettings::AppName},           {"AppParam", &ProjectSettings::AppParam},
    {"SPsize", &ProjectSettings::SPsize},             {"UseNetwork", &ProjectSettings::UseNetwork},
    {"UseBrowser", &ProjectSettings::UseBrowser},     {"TargetDevice", &ProjectSettings::TargetDevice},
    {"DrawArea", &ProjectSettings::DrawArea},         {"AppTrace", &ProjectSettings::AppTrace},
    {"TargetProfile", &ProjectSettings::TargetProfile}, {"Shrink", &ProjectSettings::Shrink},
    {"AppClass", &ProjectSettings::AppClass},
};

// The keys a DoJa descriptor may hold (DOJA-NOTES).
const QStringList &descriptorKeys()
{
    static const QStringList keys = {
        QStringLiteral("AppName"),      QStringLiteral("AppVer"),      QStringLiteral("PackageURL"),
        QStringLiteral("AppSize"),      QStringLiteral("AppClass"),    QStringLiteral("AppParam"),
        QStringLiteral("SPsize"),       QStringLiteral("UseNetwork"),  QStringLiteral("UseBrowser"),
        QStringLiteral("UseTelephone"), QStringLiteral("ProfileVer"),  QStringLiteral("ConfigurationVer"),
        QStringLiteral("KvmVer"),       QStringLiteral("TargetDevice"), QStringLiteral("DrawArea"),
        QStringLiteral("GetUtn"),       QStringLiteral("AppTrace"),    QStringLiteral("LaunchAt"),
        QStringLiteral("LaunchApp"),    QStringLiteral("LaunchByApp"), QStringLiteral("UseStorage"),
        QStringLiteral("LastModified"),
    };
    return keys;
}

// Those the descriptor writer writes itself, whatever the settings say.
const QStringList &writerKeys()
{
    static const QStringList keys = {
        QStringLiteral("PackageURL"), QStringLiteral("AppSize"),          QStringLiteral("AppVer"),
        QStringLiteral("LastModified"), QStringLiteral("KvmVer"),
        QStringLiteral("ProfileVer"), QStringLiteral("ConfigurationVer"),
    };
    return keys;
}

// What every value must be to go into the settings file and the descriptor
// unchanged: one line, in the code page, within the file's value length.
QString storableProblem(const QString &name, const QString &value)
{
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        return QStringLiteral("%1に改行は使えません。").arg(name);
    const CodePageBytes bytes = encodeForCodePage(value);
    if (bytes.problem)
        return QStringLiteral("%1の文字「%2」はShift_JISで書けません。")
            .arg(name, QString::fromUcs4(&bytes.problem->character, 1));
    if (bytes.bytes.size() > ProfileDocument::kMaxValueBytes)
        return QStringLiteral("%1が長すぎます(%2バイトまで)。").arg(name).arg(ProfileDocument::kMaxValueBytes);
    if (value != value.trimmed())
        return QStringLiteral("%1の前後に空白は置けません。").arg(name);
    // The settings file would drop the quotes on reading.
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return QStringLiteral("%1を「\"」で囲むことはできません。").arg(name);
    return {};
}

QString oneOf(const QString &key, const QString &value, const QString &allowed)
{
    if (value.isEmpty() || value == allowed)
        return {};
    return QStringLiteral("%1は「%2」か空にしてください。").arg(key, allowed);
}

QString formProblem(const QString &key, const QString &value)
{
    if (key == QLatin1String("SPsize")) {
        if (value.isEmpty() || !scratchpadSizes(value).isEmpty())
            return {};
        return QStringLiteral("SPsizeはバイト数か、コンマで区切った16個までのバイト数で書いてください(例: 1024 や 512,512)。");
    }
    if (key == QLatin1String("DrawArea")) {
        if (value.isEmpty() || drawAreaSize(value))
            return {};
        return QStringLiteral("DrawAreaは「幅x高さ」で、幅と高さは1から%1までで書いてください(例: 240x240)。")
            .arg(kMaxDrawAreaSide);
    }
    if (key == QLatin1String("UseNetwork"))
        return oneOf(key, value, QStringLiteral("http"));
    if (key == QLatin1String("UseBrowser"))
        return oneOf(key, value, QStringLiteral("launch"));
    if (key == QLatin1String("AppTrace") || key == QLatin1String("Shrink"))
        return oneOf(key, value, QStringLiteral("On"));
    if (key == QLatin1String("AppClass") && !value.isEmpty() && !isQualifiedJavaClassName(value))
        return QStringLiteral("AppClassはパッケージ名つきのクラス名で書いてください(例: jp.example.Game)。");
    if (key == QLatin1String("TargetProfile") && !value.isEmpty() && !kDojaProfiles.contains(value))
        return QStringLiteral("対象プロファイル「%1」はありません。").arg(value);
    return {};
}

} // namespace

QStringList extraDescriptorKeys()
{
    QStringList keys;
    for (const QString &key : descriptorKeys()) {
        if (isExtraDescriptorKey(key))
            keys << key;
    }
    return keys;
}

const QStringList kProjectSettingKeys = [] {
    QStringList keys;
    for (const auto &field : kFields)
        keys << QLatin1String(field.key);
    return keys;
}();

qsizetype projectSettingIndex(const QString &key)
{
    for (qsizetype i = 0; i < kProjectSettingKeys.size(); ++i) {
        if (kProjectSettingKeys[i].compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool isDescriptorKey(const QString &key)
{
    return descriptorKeys().contains(key, Qt::CaseInsensitive);
}

bool isWrittenByBuild(const QString &key)
{
    return writerKeys().contains(key, Qt::CaseInsensitive);
}

bool isExtraDescriptorKey(const QString &key)
{
    return isDescriptorKey(key) && !isWrittenByBuild(key) && projectSettingIndex(key) < 0;
}

QString projectSettingValue(const ProjectSettings &settings, const QString &key)
{
    const qsizetype index = projectSettingIndex(key);
    return index < 0 ? QString() : settings.*kFields[index].field;
}

void setProjectSettingValue(ProjectSettings &settings, const QString &key, const QString &value)
{
    if (const qsizetype index = projectSettingIndex(key); index >= 0)
        settings.*kFields[index].field = value;
}

QString projectSettingProblem(const QString &key, const QString &value)
{
    const QString problem = storableProblem(key, value);
    return problem.isEmpty() ? formProblem(key, value) : problem;
}

QString extraLineProblem(const ExtraDescriptorLine &line)
{
    if (line.key.isEmpty())
        return QStringLiteral("追加の行は「キー = 値」の形で書いてください。");
    static const QRegularExpression keyCharacters(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    if (!keyCharacters.match(line.key).hasMatch())
        return QStringLiteral("キー「%1」には英数字と _ . - だけが使えます。").arg(line.key);
    if (isWrittenByBuild(line.key) || projectSettingIndex(line.key) >= 0)
        return QStringLiteral("キー「%1」は追加の行には書けません(専用の欄があるか、ビルドが書くキーです)。").arg(line.key);
    if (!isDescriptorKey(line.key))
        return QStringLiteral("キー「%1」はiアプリのJAMファイルのキーではありません。追加の行に書けるのは %2 です。")
            .arg(line.key, extraDescriptorKeys().join(QStringLiteral(", ")));
    return storableProblem(QStringLiteral("%1の値").arg(line.key), line.value);
}

QString extraLinesText(const QList<ExtraDescriptorLine> &lines)
{
    QStringList text;
    for (const ExtraDescriptorLine &line : lines)
        text << line.key + QStringLiteral(" = ") + line.value;
    return text.join(QLatin1Char('\n'));
}

QList<ExtraDescriptorLine> parseExtraLines(const QString &text)
{
    QList<ExtraDescriptorLine> lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            lines.append({QString(), line.trimmed()});
        else
            lines.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return lines;
}

QString projectSettingsProblem(const ProjectSettings &settings)
{
    for (const QString &key : kProjectSettingKeys) {
        if (const QString problem = projectSettingProblem(key, projectSettingValue(settings, key)); !problem.isEmpty())
            return problem;
    }
    QStringList seen;
    for (const ExtraDescriptorLine &line : settings.extraLines) {
        if (const QString problem = extraLineProblem(line); !problem.isEmpty())
            return problem;
        if (seen.contains(line.key, Qt::CaseInsensitive))
            return QStringLiteral("キー「%1」が2回あります。").arg(line.key);
        seen << line.key;
    }
    return {};
}

std::optional<QSize> drawAreaSize(const QString &drawArea)
{
    static const QRegularExpression size(QStringLiteral("^([1-9][0-9]{0,3})x([1-9][0-9]{0,3})$"));
    const QRegularExpressionMatch match = size.match(drawArea);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width > kMaxDrawAreaSide || height > kMaxDrawAreaSide)
        return std::nullopt;
    return QSize(width, height);
}

QList<qint64> scratchpadSizes(const QString &spSize)
{
    static const QRegularExpression sizes(QStringLiteral("^[0-9]{1,9}(,[0-9]{1,9}){0,15}$"));
    if (!sizes.match(spSize).hasMatch())
        return {};
    QList<qint64> result;
    for (const QString &size : spSize.split(QLatin1Char(',')))
        result << size.toLongLong();
    return result;
}
