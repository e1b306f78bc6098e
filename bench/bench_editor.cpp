// Typing in the middle of a 5,000-line source, and opening a 1 MB one, with
// Java colouring and without. Goals: a keystroke (relayout, colouring and
// painting included) in at most 5 ms and at most 1.5 times the editor
// without colouring; the opening, until the text is painted with the lines
// in view coloured, at most 1.5 times. The lines out of view are coloured
// afterwards in slices; their time is printed too.
#include "ui/code_editor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

QString sourceOfLines(int lines)
{
    const QStringList pattern = {
        QStringLiteral("    /* Draws the board, then the score."),
        QStringLiteral("       The score sits at the top. */"),
        QStringLiteral("    public void paint(Graphics g) {"),
        QStringLiteral("        g.setColor(Graphics.getColorOfName(Graphics.WHITE)); // the board"),
        QStringLiteral("        for (int i = 0; i < 16; i++) { g.fillRect(i * 0x10, 2, 12, 12); }"),
        QStringLiteral("        String title = \"こんにちは、世界 \\\"score\\\"\"; char c = '\\n';"),
        QStringLiteral("        if (score > 100 && lives != 0) { return; } else { score += 1.5e2f; }"),
        QStringLiteral("    }"),
    };
    QString text;
    for (int line = 0; line < lines; ++line)
        text += pattern[line % pattern.size()] + QLatin1Char('\n');
    return text;
}

std::unique_ptr<CodeEditor> makeEditor(bool highlighting)
{
    auto editor = std::make_unique<CodeEditor>();
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setHighlighting(highlighting);
    editor->resize(800, 600);
    editor->show();
    return editor;
}

void paint(CodeEditor &editor)
{
    editor.viewport()->repaint();
}

struct Colouring {
    double totalMs = 0;
    double longestSliceMs = 0;
};

Colouring colourTheRest(CodeEditor &editor)
{
    Colouring colouring;
    QElapsedTimer timer;
    while (!editor.isColouringDone()) {
        timer.start();
        QCoreApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        colouring.totalMs += ms;
        colouring.longestSliceMs = std::max(colouring.longestSliceMs, ms);
    }
    return colouring;
}

double medianKeystrokeMs(bool highlighting)
{
    auto editor = makeEditor(highlighting);
    editor->loadText(sourceOfLines(5000));
    colourTheRest(*editor);
    editor->goToPosition(2500, 30);
    QCoreApplication::processEvents();
    QList<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < 200; ++i) {
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(editor.get(), &press);
        // Lays out, colours and paints what the key changed.
        QCoreApplication::processEvents();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double openingMs(bool highlighting, const QString &text, Colouring *rest = nullptr)
{
    QList<double> times;
    for (int round = 0; round < 3; ++round) {
        auto editor = makeEditor(highlighting);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        editor->loadText(text);
        paint(*editor);
        times << timer.nsecsElapsed() / 1e6;
        if (rest)
            *rest = colourTheRest(*editor);
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);

    const double plainKey = medianKeystrokeMs(false);
    const double colouredKey = medianKeystrokeMs(true);
    QString large = sourceOfLines(5000);
    while (large.toUtf8().size() < 1024 * 1024)
        large += sourceOfLines(1000);
    const double plainOpen = openingMs(false, large);
    Colouring rest;
    const double colouredOpen = openingMs(true, large, &rest);

    std::printf("keystroke in a 5000-line source, median of 200:\n");
    std::printf("  with colouring:    %.2f ms (goal: at most 5)\n", colouredKey);
    std::printf("  without colouring: %.2f ms\n", plainKey);
    std::printf("  ratio: %.2f (goal: at most 1.5)\n", colouredKey / plainKey);
    std::printf("opening a %.1f MB source (%d lines), median of 3:\n", large.toUtf8().size() / 1048576.0,
                int(large.count(QLatin1Char('\n'))));
    std::printf("  with colouring:    %.1f ms\n", colouredOpen);
    std::printf("  without colouring: %.1f ms\n", plainOpen);
    std::printf("  ratio: %.2f (goal: at most 1.5)\n", colouredOpen / plainOpen);
    std::printf("  then colouring the lines out of view: %.1f ms, in slices of at most %.1f ms\n", rest.totalMs,
                rest.longestSliceMs);
    return 0;
}
