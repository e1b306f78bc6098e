#include "ui/main_status_bar.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <utility>

MainStatusBar::MainStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatusBar"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("sbStatusText"));
    m_project = new QLabel(this);
    m_project->setObjectName(QStringLiteral("sbProject"));
    m_budget = new QLabel(this);
    m_budget->setObjectName(QStringLiteral("sbBudget"));
    m_modified = new QLabel(this);
    m_modified->setObjectName(QStringLiteral("sbModified"));
    m_date = new QLabel(this);
    m_time = new QLabel(this);
    addWidget(m_text, 1);
    addPermanentWidget(m_budget);
    addPermanentWidget(m_project);
    addPermanentWidget(m_modified);
    addPermanentWidget(m_date);
    addPermanentWidget(m_time);
    showIdle();
    updateClock();

    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainStatusBar::updateClock);
    clock->start(1000);
    m_noteEnd = new QTimer(this);
    m_noteEnd->setSingleShot(true);
    m_noteEnd->setInterval(kNoteMilliseconds);
    connect(m_noteEnd, &QTimer::timeout, this, &MainStatusBar::showIdle);
}

QString MainStatusBar::text() const
{
    return m_text->text();
}

void MainStatusBar::setActivity(const QString &activity)
{
    m_activity = activity;
    m_noteHeld = false;
    m_noteEnd->stop();
    showIdle();
    // Painted now: the action that follows may hold the event loop a while.
    m_text->repaint();
}

void MainStatusBar::showNote(const QString &note, NoteEnd end)
{
    m_text->setText(note);
    m_noteHeld = end == NoteEnd::AtNextCommand;
    if (m_noteHeld)
        m_noteEnd->stop();
    else
        m_noteEnd->start();
}

void MainStatusBar::commandGiven()
{
    if (std::exchange(m_noteHeld, false))
        showIdle();
}

void MainStatusBar::setErrorCount(int count)
{
    m_errorCount = count;
    if (!m_noteEnd->isActive() && !m_noteHeld)
        showIdle();
}

void MainStatusBar::setModified(bool modified)
{
    m_modified->setText(modified ? QStringLiteral("変更あり") : QString());
}

// The window's width is fixed: the panel holds the name and the profile
// alone, and says what they are in its tool tip.
void MainStatusBar::setProject(const QString &name, const QString &profile)
{
    QString text = name;
    QString tip = name.isEmpty() ? QString() : QStringLiteral("プロジェクト: ") + name;
    if (!name.isEmpty() && !profile.isEmpty()) {
        text += QStringLiteral(" (") + profile + QLatin1Char(')');
        tip += QStringLiteral("\n対象プロファイル: ") + profile;
    }
    m_project->setText(text);
    m_project->setToolTip(tip);
}

void MainStatusBar::setBudget(const QList<BudgetLine> &budget)
{
    QStringList briefs;
    QStringList lines;
    bool over = false;
    for (const BudgetLine &line : budget) {
        if (!line.brief.isEmpty())
            briefs << line.brief;
        lines << line.text;
        over = over || line.over;
    }
    m_budget->setText(briefs.join(QLatin1Char(' ')));
    m_budget->setToolTip(lines.join(QLatin1Char('\n')));
    m_budget->setStyleSheet(over ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
}

void MainStatusBar::showIdle()
{
    if (!m_activity.isEmpty())
        m_text->setText(m_activity);
    else if (m_errorCount > 0)
        m_text->setText(QStringLiteral("エラー %1件 (F8で移動)").arg(m_errorCount));
    else
        m_text->setText(QStringLiteral("ｽﾃｰﾀｽ"));
}

void MainStatusBar::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    m_time->setText(now.toString(QStringLiteral("HH:mm")));
}
