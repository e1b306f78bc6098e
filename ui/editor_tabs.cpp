#include "ui/editor_tabs.h"

#include "app/opened_project.h"
#include "app/project_files.h"
#include "build/log_output.h"
#include "session/project_session.h"
#include "ui/find_bar.h"
#include "ui/project_files_panel.h"
#include "ui/source_editor.h"
#include "ui/source_text.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBlock>

struct EditorTabs::Open {
    QString relative;  // below src
    QString path;
    SourceEditor *editor = nullptr;
    std::unique_ptr<SourceText> text;
    FindBar *find = nullptr;
};

EditorTabs::EditorTabs(SourceEditor *mainEditor, Asker &asker, SessionEvents &events, const ProjectSession &session)
    : m_asker(asker)
    , m_events(events)
    , m_session(session)
{
    setObjectName(QStringLiteral("EditorTabs"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(this);
    auto *splitter = m_splitter;
    layout->addWidget(splitter);
    m_files = new ProjectFilesPanel(splitter);
    m_files->hide();
    connect(m_files, &ProjectFilesPanel::sourceChosen, this, [this](const QString &relative) { openFile(relative); });
    auto *column = new QWidget(splitter);
    auto *stacked = new QVBoxLayout(column);
    stacked->setContentsMargins(0, 0, 0, 0);
    stacked->setSpacing(0);
    m_tabs = new QTabBar(column);
    m_tabs->setObjectName(QStringLiteral("EditorTabBar"));
    m_tabs->setAutoHide(true);
    m_tabs->setDocumentMode(true);
    m_stack = new QStackedWidget(column);
    stacked->addWidget(m_tabs);
    stacked->addWidget(m_stack);
    splitter->setStretchFactor(1, 1);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            showOpen(index);
    });
    add(QString(), mainEditor);
}

EditorTabs::~EditorTabs() = default;

EditorTabs::Open &EditorTabs::add(const QString &relative, SourceEditor *editor)
{
    auto open = std::make_unique<Open>();
    open->relative = relative;
    open->editor = editor;
    open->text = std::make_unique<SourceText>(*editor, m_asker, m_events);
    open->find = new FindBar(editor);
    editor->setBottomPanel(open->find);
    connect(open->find, &FindBar::said, this, &EditorTabs::said);
    connect(editor, &CodeEditor::lineMarksChanged, this, [this] { Q_EMIT diagnosticsChanged(diagnosticCount()); });
    connect(editor->document(), &QTextDocument::modificationChanged, this, [this, editor](bool modified) {
        for (int i = 0; i < int(m_open.size()); ++i) {
            if (m_open[i]->editor == editor)
                updateTitle(i);
        }
        if (editor == current())
            Q_EMIT currentModifiedChanged(modified);
    });
    m_stack->addWidget(editor);
    m_open.push_back(std::move(open));
    m_tabs->addTab(QString());
    updateTitle(int(m_open.size()) - 1);
    return *m_open.back();
}

Result<std::optional<QString>> EditorTabs::read(const QString &path)
{
    return m_open.front()->text->read(path);
}

SaveOutcome EditorTabs::save(const QString &path)
{
    return m_open.front()->text->save(path);
}

QStringList EditorTabs::changedOtherFiles() const
{
    QStringList changed;
    for (std::size_t i = 1; i < m_open.size(); ++i) {
        if (m_open[i]->editor->isSourceModified() && !m_open[i]->editor->sourceText().isEmpty())
            changed << m_open[i]->path;
    }
    return changed;
}

SaveOutcome EditorTabs::saveOther(const QString &path)
{
    for (std::size_t i = 1; i < m_open.size(); ++i) {
        if (m_open[i]->path == path)
            return m_open[i]->text->save(path);
    }
    return SaveOutcome::NothingToSave;
}

void EditorTabs::showProject()
{
    closeOthers();
    clearDiagnostics();
    Open &main = *m_open.front();
    main.relative = m_session.mainSource();
    main.path = mainSourceFile(*m_session.project());
    updateTitle(0);
    refreshFiles();
}

void EditorTabs::refreshFiles()
{
    const OpenedProject *project = m_session.project();
    if (!project)
        return;
    const QList<ProjectFile> sources = projectTree(project->paths.sourceFolder(), true);
    m_files->showFiles(sources, projectTree(project->paths.resourceFolder(), false), m_open.front()->relative);
    // One source shows the editor alone, as the program always did.
    if (sources.size() > 1 && m_files->isHidden()) {
        m_files->show();
        m_splitter->setSizes({width() / 3, width() - width() / 3});
    } else if (sources.size() <= 1) {
        m_files->hide();
    }
    for (int i = int(m_open.size()) - 1; i >= 1; --i) {
        if (!QFileInfo::exists(m_open[i]->path)) {
            m_tabs->removeTab(i);
            delete m_open[i]->editor;
            m_open.erase(m_open.begin() + i);
        } else {
            updateTitle(i);
        }
    }
}

void EditorTabs::closeOthers()
{
    while (m_open.size() > 1) {
        m_tabs->removeTab(int(m_open.size()) - 1);
        delete m_open.back()->editor;
        m_open.pop_back();
    }
    showOpen(0);
}

EditorTabs::Open *EditorTabs::openOf(const QString &relative) const
{
    for (const auto &open : m_open) {
        if (open->relative == relative)
            return open.get();
    }
    return nullptr;
}

bool EditorTabs::openFile(const QString &relative)
{
    for (int i = 0; i < int(m_open.size()); ++i) {
        if (m_open[i]->relative == relative) {
            showOpen(i);
            return true;
        }
    }
    const OpenedProject *project = m_session.project();
    if (!project)
        return false;
    const QString path = project->paths.sourceFileAt(relative);
    auto *editor = new SourceEditor;
    setUpPane(editor, QStringLiteral("SourceCode_") + relative);
    Open &open = add(relative, editor);
    open.path = path;
    const Result<std::optional<QString>> text = open.text->read(path);
    if (!text || !*text) {
        if (!text)
            AppendLogLine(m_events, text.error());
        m_tabs->removeTab(int(m_open.size()) - 1);
        delete editor;
        m_open.pop_back();
        return false;
    }
    editor->setSourceText(**text);
    markFile(relative);
    showOpen(int(m_open.size()) - 1);
    return true;
}

void EditorTabs::showOpen(int index)
{
    m_tabs->setCurrentIndex(index);
    m_stack->setCurrentIndex(index);
    SourceEditor *editor = m_open[index]->editor;
    Q_EMIT currentModifiedChanged(editor->document()->isModified());
    editor->setFocus();
}

void EditorTabs::updateTitle(int index)
{
    const Open &open = *m_open[index];
    const bool modified = open.editor->document()->isModified();
    const QString name = open.relative.section(QLatin1Char('/'), -1);
    m_tabs->setTabText(index, modified ? name + QStringLiteral(" *") : name);
    m_tabs->setTabToolTip(index, open.relative);
    m_files->setModified(open.relative, modified);
}

SourceEditor *EditorTabs::current() const
{
    return m_open[m_stack->currentIndex()]->editor;
}

QString EditorTabs::currentFile() const
{
    return m_open[m_stack->currentIndex()]->path;
}

FindBar *EditorTabs::findBar() const
{
    return m_open[m_stack->currentIndex()]->find;
}

QString EditorTabs::openText(const QString &relative) const
{
    const Open *open = openOf(relative);
    return open ? open->editor->sourceText() : QString();
}

void EditorTabs::clearDiagnostics()
{
    m_diagnostics.clear();
    m_lastDiagnostic = -1;
    for (const auto &open : m_open)
        open->editor->clearLineMarks();
}

bool EditorTabs::addDiagnostic(const CompilerMessage &error)
{
    const QString file = sourceNamedBy(error.file, m_session.sources());
    if (file.isEmpty())
        return false;
    m_diagnostics.append({error, file});
    if (openOf(file))
        markFile(file);
    else
        Q_EMIT diagnosticsChanged(diagnosticCount());
    return true;
}

int EditorTabs::diagnosticCount() const
{
    int count = 0;
    for (const Diagnostic &each : m_diagnostics) {
        if (!openOf(each.file))
            ++count;
    }
    for (const auto &open : m_open)
        count += open->editor->lineMarkCount();
    return count;
}

void EditorTabs::markFile(const QString &relative)
{
    SourceEditor *editor = openOf(relative)->editor;
    QList<LineMark> marks;
    for (const Diagnostic &each : std::as_const(m_diagnostics)) {
        if (each.file != relative)
            continue;
        const QString line = editor->document()->findBlockByNumber(each.error.line - 1).text();
        marks << LineMark{each.error.line, columnInLine(each.error, line), each.error.message};
    }
    editor->setLineMarks(marks);
}

void EditorTabs::goToDiagnostic(int index)
{
    const Diagnostic &target = m_diagnostics.at(index);
    if (!openFile(target.file))
        return;
    m_lastDiagnostic = index;
    int inFile = 0;
    for (int i = 0; i < index; ++i)
        inFile += m_diagnostics[i].file == target.file ? 1 : 0;
    SourceEditor *editor = current();
    if (!editor->goToLineMark(inFile))
        editor->goToPosition(target.error.line, target.error.column);
}

bool EditorTabs::goToNextDiagnostic(bool forward)
{
    if (m_diagnostics.isEmpty())
        return current()->goToNextLineMark(forward);
    const QString here = m_open[m_stack->currentIndex()]->relative;
    const bool allHere = std::all_of(m_diagnostics.cbegin(), m_diagnostics.cend(),
                                     [&](const Diagnostic &each) { return each.file == here; });
    // Within one file the marks are walked from the cursor, as they always were.
    if (allHere)
        return current()->goToNextLineMark(forward);
    const int count = int(m_diagnostics.size());
    const int next = m_lastDiagnostic < 0 ? (forward ? 0 : count - 1)
                                          : (m_lastDiagnostic + (forward ? 1 : count - 1)) % count;
    goToDiagnostic(next);
    return true;
}
