#include "project/project_chooser.h"

#include "app/caption_rule.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

QStringList listProjectEntries(const QString &listingPattern)
{
    const qsizetype cut = qMax(listingPattern.lastIndexOf(QLatin1Char('/')),
                               listingPattern.lastIndexOf(QLatin1Char('\\')));
    const QString folder = cut < 0 ? QStringLiteral(".") : listingPattern.left(cut);
    const QString filter = listingPattern.mid(cut + 1);
    // A folder listing on the target systems comes sorted this way; POSIX
    // gives no order at all.
    const QDir dir(folder, filter, QDir::Name | QDir::IgnoreCase,
                   QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    return dir.entryList();
}

frmProject::frmProject(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmProject"));
    setWindowTitle(QStringLiteral("1071"));
    setProperty("tag", QStringLiteral("1071"));
    setWindowIcon(QIcon(QStringLiteral(":/images/quenvel.svg")));

    QLabel *image = decorationImage(QStringLiteral(":/images/icon2.svg"), this);
    auto *label = new QLabel(QStringLiteral("開くプロジェクトを選んでください"), this);
    label->setObjectName(QStringLiteral("Label1"));
    ProjectList = new QListWidget(this);
    ProjectList->setObjectName(QStringLiteral("ProjectList"));
    ProjectList->setSelectionMode(QAbstractItemView::SingleSelection);
    QPushButton *open = namedButton(QStringLiteral("OpenButton"), QStringLiteral("開く"), this);
    QPushButton *cancel = namedButton(QStringLiteral("CloseButton"), QStringLiteral("キャンセル"), this);
    open->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(image);
    top->addWidget(label, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ProjectList, 1);
    layout->addLayout(buttons);
    resize(360, 300);

    connect(open, &QPushButton::clicked, this, [this] { endWait(true); });
    connect(cancel, &QPushButton::clicked, this, [this] { endWait(false); });
    connect(ProjectList, &QListWidget::itemActivated, this, [this] { endWait(true); });
    Form_Load();
}

void frmProject::Form_Load()
{
    SetCaptionsFromResources(this, uiLanguageFor(QLocale::system()));
}

QString frmProject::LoadProject(const QString &listingPattern, const QString &preselected)
{
    if (m_wait.isWaiting()) {
        // Already waiting for the user: bring the chooser forward instead.
        raise();
        activateWindow();
        return {};
    }
    fillList(listingPattern, preselected);
    m_opened = false;
    show();
    raise();
    activateWindow();
    ProjectList->setFocus();
    m_wait.run();
    hide();
    const QListWidgetItem *item = ProjectList->currentItem();
    if (!m_opened || !item || !item->isSelected())
        return {};
    return item->text();
}

void frmProject::fillList(const QString &listingPattern, const QString &preselected)
{
    ProjectList->clear();
    ProjectList->addItems(listProjectEntries(listingPattern));
    const QList<QListWidgetItem *> found = ProjectList->findItems(preselected, Qt::MatchExactly);
    if (preselected.isEmpty() || found.isEmpty()) {
        ProjectList->setCurrentRow(-1);
        return;
    }
    ProjectList->setCurrentItem(found.first());
    ProjectList->scrollToItem(found.first());
}

void frmProject::endWait(bool opened)
{
    // Enter on the list both activates the entry and presses Open.
    if (!m_wait.isWaiting())
        return;
    m_opened = opened;
    if (!opened)
        hide();
    m_wait.end();
}

void frmProject::closeEvent(QCloseEvent *event)
{
    endWait(false);
    event->accept();
}

void frmProject::reject()
{
    endWait(false);
}
