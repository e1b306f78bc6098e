#include "ui/source_text.h"

#include "app/asker.h"
#include "app/code_page.h"
#include "app/kept_bytes.h"
#include "app/line_ends.h"
#include "app/text_file.h"
#include "app/workbench.h"
#include "build/log_output.h"

Result<std::optional<QString>> OpenText(Asker &asker, const QString &fileName, bool *converted)
{
    if (converted)
        *converted = false;
    const Result<QByteArray> bytes = readWholeFile(fileName);
    if (!bytes)
        return Result<std::optional<QString>>::failure(bytes.error());
    // Samples from the web are often UTF-8; read as Windows-31J they would
    // show as garbage, or build silently into garbage on the handset.
    if (isUtf8Text(*bytes)) {
        if (asker.askYesNo(kConvertUtf8Question)) {
            if (converted)
                *converted = true;
            return std::optional<QString>(withCrLfLines(QString::fromUtf8(*bytes)));
        }
        if (isUtf8Only(*bytes))
            return std::optional<QString>();
    }
    return std::optional<QString>(withCrLfLines(fromCodePage(*bytes)));
}

namespace {

// The file's own bytes where the text did not change them: its line ends,
// and characters the code page holds at two codes.
Result<> writeKeepingBytes(const QString &path, const QString &text, const Result<QByteArray> &old)
{
    // A file that cannot be read has no bytes to keep; the write says why
    // it fails, if it does.
    const CodePageBytes encoded = encodeOverOldBytes(text, old ? std::optional<QByteArray>(*old) : std::nullopt);
    if (encoded.problem)
        return Result<>::failure(describeCodePageProblem(*encoded.problem));
    return writeFileAtomically(path, encoded.bytes);
}

} // namespace

SaveOutcome SaveSource(Workbench &bench, SessionEvents &events, const QString &path, bool convertedFromUtf8)
{
    const QString text = bench.sourceText();
    if (text.isEmpty())
        return SaveOutcome::NothingToSave;
    const Result<QByteArray> old = readWholeFile(path);
    const bool fromUtf8 = convertedFromUtf8 || (old && isUtf8Only(*old));
    const Result<> written = writeKeepingBytes(path, text, old);
    if (!written) {
        AppendLogLine(events, path + QStringLiteral("の保存に失敗しました。"));
        AppendLogLine(events, written.error());
        return SaveOutcome::Failed;
    }
    AppendLogLine(events, path + QStringLiteral("を保存しました。"));
    if (fromUtf8)
        AppendLogLine(events, QStringLiteral("UTF-8のファイルをShift_JIS(Windows-31J)に変換して保存しました。"));
    bench.setSourceModified(false);
    return SaveOutcome::Saved;
}

Result<std::optional<QString>> SourceText::read(const QString &path)
{
    bool converted = false;
    Result<std::optional<QString>> text = OpenText(m_asker, path, &converted);
    // A file not shown leaves the editor's text, and what it came from, alone.
    if (text && *text)
        m_convertedPath = converted ? path : QString();
    return text;
}

SaveOutcome SourceText::save(const QString &path)
{
    const SaveOutcome outcome = SaveSource(m_bench, m_events, path, path == m_convertedPath);
    if (outcome == SaveOutcome::Saved)
        m_convertedPath.clear();
    return outcome;
}
