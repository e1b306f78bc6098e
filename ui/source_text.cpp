#include "ui/source_text.h"

#include "app/code_page.h"
#include "app/kept_bytes.h"
#include "app/line_ends.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/text_file.h"
#include "app/workbench.h"
#include "build/log_output.h"

std::optional<QString> OpenText(Workbench &bench, const QString &fileName)
{
    bench.setBusyCursor();
    const Result<QByteArray> bytes = readWholeFile(fileName);
    bench.restoreCursor();
    if (!bytes)
        return QString();
    // Samples from the web are often UTF-8; read as Windows-31J they would
    // show as garbage, and a save would refuse them.
    if (isUtf8Only(*bytes)) {
        if (!bench.askYesNo(kConvertUtf8Question))
            return std::nullopt;
        return withCrLfLines(QString::fromUtf8(*bytes));
    }
    return withCrLfLines(fromCodePage(*bytes));
}

namespace {

// The file's own bytes where the text did not change them: its line ends,
// and characters the code page holds at two codes.
Result<> writeKeepingBytes(const QString &path, const QString &text)
{
    // A file that cannot be read has no bytes to keep; the write says why
    // it fails, if it does.
    const Result<QByteArray> old = readWholeFile(path);
    const CodePageBytes encoded = encodeOverOldBytes(text, old ? std::optional<QByteArray>(*old) : std::nullopt);
    if (encoded.problem)
        return Result<>::failure(describeCodePageProblem(*encoded.problem));
    return writeFileAtomically(path, encoded.bytes);
}

bool convertsFromUtf8(const QString &path)
{
    const Result<QByteArray> old = readWholeFile(path);
    return old && isUtf8Only(*old);
}

} // namespace

SaveOutcome SaveSource(Services &services)
{
    Workbench &bench = services.bench;
    bench.setBusyCursor();
    const QString text = bench.sourceText();
    if (text.isEmpty() || !bench.flags().ProjectLoaded) {
        bench.restoreCursor();
        return SaveOutcome::NothingToSave;
    }
    const QString path = services.store.settings().SourcePath;
    const bool fromUtf8 = convertsFromUtf8(path);
    const Result<> written = writeKeepingBytes(path, text);
    if (written) {
        AppendLogLine(bench, path + QStringLiteral("を保存しました。"));
        if (fromUtf8)
            AppendLogLine(bench, QStringLiteral("UTF-8のファイルをShift_JIS(Windows-31J)に変換して保存しました。"));
        bench.setSourceModified(false);
    } else {
        AppendLogLine(bench, path + QStringLiteral("の保存に失敗しました。"));
        AppendLogLine(bench, written.error());
    }
    bench.restoreCursor();
    return written ? SaveOutcome::Saved : SaveOutcome::Failed;
}

void mnuFileSave_Click(Services &services)
{
    (void)SaveSource(services);
}

bool MaySourceBeLeft(Services &services)
{
    Workbench &bench = services.bench;
    // Only what Save could write is worth a question.
    if (!bench.isSourceModified() || !bench.flags().ProjectLoaded || bench.sourceText().isEmpty())
        return true;
    switch (bench.askSaveChanges()) {
    case Workbench::SaveAnswer::Save:
        return SaveSource(services) == SaveOutcome::Saved;
    case Workbench::SaveAnswer::Discard:
        return true;
    case Workbench::SaveAnswer::Cancel:
        break;
    }
    return false;
}
