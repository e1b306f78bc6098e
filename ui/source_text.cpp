#include "ui/source_text.h"

#include "app/code_page.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/text_file.h"
#include "build/log_output.h"
#include "ui/workbench.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Every line followed by CR LF; a line ends at CR LF or a lone CR, while a
// lone LF stays part of its line.
QString withCrLfLines(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16 + 2);
    qsizetype lineStart = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] != QLatin1Char('\r'))
            continue;
        result.append(QStringView(text).mid(lineStart, i - lineStart));
        result.append(kLineEnd);
        if (i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < size) {
        result.append(QStringView(text).mid(lineStart));
        result.append(kLineEnd);
    }
    return result;
}

bool writeSource(const QString &path, const QString &text)
{
    // The text came through the code page: anything it cannot hold, the
    // replacement characters of an unreadable byte among them, stays out.
    if (text.contains(QChar::ReplacementCharacter))
        return false;
    const QString content = text.endsWith(kLineEnd) ? text : text + kLineEnd;
    return writeCodePageFile(path, content).isEmpty();
}

} // namespace

QString OpenText(Workbench &bench, const QString &fileName)
{
    bench.setBusyCursor();
    const std::optional<QByteArray> bytes = readWholeFile(fileName);
    const QString text = bytes ? withCrLfLines(fromCodePage(*bytes)) : QString();
    bench.restoreCursor();
    return text;
}

void SaveSource(Services &services)
{
    Workbench &bench = services.bench;
    bench.setBusyCursor();
    const QString text = bench.sourceText();
    if (text.isEmpty() || !bench.flags().ProjectLoaded) {
        bench.restoreCursor();
        return;
    }
    const QString path = services.store.settings().SourcePath;
    if (writeSource(path, text)) {
        AppendLogLine(bench, path + QStringLiteral("を保存しました。"));
        bench.setSourceModified(false);
    } else {
        AppendLogLine(bench, path + QStringLiteral("の保存に失敗しました。"));
    }
    bench.restoreCursor();
}

void mnuFileSave_Click(Services &services)
{
    SaveSource(services);
}

bool MaySourceBeLeft(Services &services)
{
    Workbench &bench = services.bench;
    // Only what Save could write is worth a question.
    if (!bench.isSourceModified() || !bench.flags().ProjectLoaded || bench.sourceText().isEmpty())
        return true;
    switch (bench.askSaveChanges()) {
    case Workbench::SaveAnswer::Save:
        SaveSource(services);
        return !bench.isSourceModified();
    case Workbench::SaveAnswer::Discard:
        return true;
    case Workbench::SaveAnswer::Cancel:
        break;
    }
    return false;
}
