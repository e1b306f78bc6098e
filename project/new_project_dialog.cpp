#include "project/new_project_dialog.h"

#include "app/message_box.h"
#include "app/settings_store.h"
#include "app/fs_helpers.h"
#include "app/project_paths.h"
#include "project/new_project.h"
#include "project/project_messages.h"
#include "project/project_name.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

dlgNewProject::dlgNewProject(SettingsStore &store, QWidget *parent) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("dlgNewProject"));
    setWindowTitle(QStringLiteral("新規プロジェクト"));
    setWindowIcon(QIcon(QStringLiteral(":/images/quenvel.svg")));

    QLabel *image = decorationImage(QStringLiteral(":/images/icon1.svg"), this);
    auto *label = new QLabel(QStringLiteral("新しく作るプロジェクトの名前を入力してください。"), this);
    label->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    QPushButton *ok = namedButton(QStringLiteral("OKButton"), QStringLiteral("OK"), this);
    QPushButton *cancel = namedButton(QStringLiteral("CancelButton"), QStringLiteral("キャンセル"), this);
    ok->setDefault(true);

    auto *text = new QVBoxLayout;
    text->addWidget(label);
    text->addWidget(Text1);
    auto *top = new QHBoxLayout;
    top->addWidget(image, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(ok, &QPushButton::clicked, this, &dlgNewProject::OKButton_Click);
    connect(cancel, &QPushButton::clicked, this, &dlgNewProject::CancelButton_Click);
}

QString dlgNewProject::LoadProject()
{
    if (m_wait.isWaiting())
        return {};
    m_chosenName.clear();
    show();
    raise();
    activateWindow();
    Text1->setFocus();
    m_wait.run();
    hide();
    return m_chosenName;
}

void dlgNewProject::OKButton_Click()
{
    // An empty name would name the apps folder itself: ask again.
    if (Text1->text().isEmpty()) {
        showQuenvelMessage(QStringLiteral("プロジェクト名を入力してください。"), this);
        Text1->setFocus();
        return;
    }
    const QString name = Text1->text();
    if (!isValidProjectName(name)) {
        refuseName(invalidProjectNameMessage(name));
        return;
    }
    const Result<ProjectPaths> made = makeNewProject(m_store.settings().DOJA_PATH, m_store.style(), name);
    // A name that is taken can be changed at once; other failures end the dialog.
    if (!made && FolderExists(ProjectPaths(m_store.settings().DOJA_PATH, name, m_store.style()).folder())) {
        refuseName(made.error());
        return;
    }
    m_chosenName = made ? made->name() : QString();
    // One press of OK ends the dialog whatever came of it.
    hide();
    showQuenvelMessage(made ? projectCreatedMessage(*made) : made.error(), parentWidget());
    endWait();
}

void dlgNewProject::refuseName(const QString &message)
{
    showQuenvelMessage(message, this);
    Text1->selectAll();
    Text1->setFocus();
}

void dlgNewProject::CancelButton_Click()
{
    m_chosenName.clear();
    hide();
    endWait();
}

void dlgNewProject::endWait()
{
    m_wait.end();
}

void dlgNewProject::closeEvent(QCloseEvent *event)
{
    CancelButton_Click();
    event->accept();
}

void dlgNewProject::reject()
{
    CancelButton_Click();
}
