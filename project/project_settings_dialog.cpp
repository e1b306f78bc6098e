#include "project/project_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template<typename Widget>
Widget *named(const char *objectName, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

QCheckBox *checkBox(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *box = named<QCheckBox>(objectName, parent);
    box->setText(caption);
    return box;
}

bool isEnterKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

ProjectSettingsDialog::ProjectSettingsDialog(const QString &projectName, const ProjectSettings &settings,
                                             QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgProjectSettings"));
    setWindowTitle(QStringLiteral("プロジェクトの設定"));
    setWindowIcon(QIcon(QStringLiteral(":/images/quenvel.svg")));
    createControls(projectName);
    createLayout();
    load(settings);
    watchChanges();
    showProblem();
}

void ProjectSettingsDialog::createControls(const QString &projectName)
{
    txtAppName = named<QLineEdit>("txtAppName", this);
    txtAppName->setPlaceholderText(projectName);
    txtAppParam = named<QLineEdit>("txtAppParam", this);
    txtSPsize = named<QLineEdit>("txtSPsize", this);
    txtSPsize->setPlaceholderText(QStringLiteral("例: 1024 や 512,512"));
    chkUseNetwork = checkBox("chkUseNetwork", QStringLiteral("HTTP通信を使う"), this);
    chkUseBrowser = checkBox("chkUseBrowser", QStringLiteral("ブラウザを起動する"), this);
    txtTargetDevice = named<QLineEdit>("txtTargetDevice", this);
    txtDrawArea = named<QLineEdit>("txtDrawArea", this);
    txtDrawArea->setPlaceholderText(QStringLiteral("例: 240x240"));
    chkAppTrace = checkBox("chkAppTrace", QStringLiteral("トレースを出力する"), this);
    cboTargetProfile = named<QComboBox>("cboTargetProfile", this);
    cboTargetProfile->addItem(QStringLiteral("なし"), QString());
    for (const QString &profile : kDojaProfiles)
        cboTargetProfile->addItem(profile, profile);
    chkShrink = checkBox("chkShrink", QStringLiteral("クラスを縮小する (ProGuard)"), this);
    txtExtraLines = named<QPlainTextEdit>("txtExtraLines", this);
    txtExtraLines->setPlaceholderText(QStringLiteral("キー = 値 (1行に1つ)"));
    // Tab moves on as in every other field; Enter stays a new line.
    txtExtraLines->setTabChangesFocus(true);
    txtExtraLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtExtraLines->installEventFilter(this);

    lblProblem = named<QLabel>("lblProblem", this);
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #c00000;"));
    // Room for two lines from the start, so the fields do not jump as
    // problems come and go.
    lblProblem->setMinimumHeight(2 * lblProblem->fontMetrics().lineSpacing());
    lblProblem->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = named<QPushButton>("cmdOK", this);
    cmdOK->setText(QStringLiteral("OK"));
    cmdCancel = named<QPushButton>("cmdCancel", this);
    cmdCancel->setText(QStringLiteral("キャンセル"));
    // Enter is OK from every one-line field, Esc is Cancel (through QDialog).
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ProjectSettingsDialog::createLayout()
{
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("AppName(アプリ名)"), txtAppName);
    form->addRow(QStringLiteral("AppParam(起動時の引数)"), txtAppParam);
    form->addRow(QStringLiteral("SPsize(スクラッチパッドのバイト数)"), txtSPsize);
    form->addRow(QStringLiteral("UseNetwork(通信)"), chkUseNetwork);
    form->addRow(QStringLiteral("UseBrowser(ブラウザ)"), chkUseBrowser);
    form->addRow(QStringLiteral("TargetDevice(対象機種)"), txtTargetDevice);
    form->addRow(QStringLiteral("DrawArea(描画領域の幅x高さ)"), txtDrawArea);
    form->addRow(QStringLiteral("AppTrace(トレース)"), chkAppTrace);
    form->addRow(QStringLiteral("TargetProfile(対象プロファイル)"), cboTargetProfile);
    form->addRow(QStringLiteral("Shrink(縮小)"), chkShrink);
    form->addRow(QStringLiteral("追加の行(キー = 値)"), txtExtraLines);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

void ProjectSettingsDialog::load(const ProjectSettings &settings)
{
    m_appClass = settings.AppClass;
    txtAppName->setText(settings.AppName);
    txtAppParam->setText(settings.AppParam);
    txtSPsize->setText(settings.SPsize);
    txtTargetDevice->setText(settings.TargetDevice);
    txtDrawArea->setText(settings.DrawArea);
    const std::pair<QCheckBox *, QString> checks[] = {
        {chkUseNetwork, settings.UseNetwork}, {chkUseBrowser, settings.UseBrowser}, {chkAppTrace, settings.AppTrace},
        {chkShrink, settings.Shrink}};
    for (const auto &[box, value] : checks) {
        box->setChecked(!value.isEmpty());
        m_loadedChecks.insert(box, value);
    }
    // A profile the list does not know is shown as it stands, with its problem.
    int profile = cboTargetProfile->findData(settings.TargetProfile);
    if (profile < 0) {
        cboTargetProfile->addItem(settings.TargetProfile, settings.TargetProfile);
        profile = cboTargetProfile->count() - 1;
    }
    cboTargetProfile->setCurrentIndex(profile);
    txtExtraLines->setPlainText(extraLinesText(settings.extraLines));
}

void ProjectSettingsDialog::watchChanges()
{
    for (QLineEdit *box : {txtAppName, txtAppParam, txtSPsize, txtTargetDevice, txtDrawArea})
        connect(box, &QLineEdit::textChanged, this, &ProjectSettingsDialog::showProblem);
    for (QCheckBox *box : {chkUseNetwork, chkUseBrowser, chkAppTrace, chkShrink}) {
        connect(box, &QCheckBox::toggled, this, [this, box] {
            m_loadedChecks.remove(box);
            showProblem();
        });
    }
    connect(cboTargetProfile, &QComboBox::currentIndexChanged, this, &ProjectSettingsDialog::showProblem);
    connect(txtExtraLines, &QPlainTextEdit::textChanged, this, &ProjectSettingsDialog::showProblem);
}

QString ProjectSettingsDialog::checkValue(QCheckBox *box, const QString &onValue) const
{
    if (const auto loaded = m_loadedChecks.constFind(box); loaded != m_loadedChecks.cend())
        return *loaded;
    return box->isChecked() ? onValue : QString();
}

ProjectSettings ProjectSettingsDialog::settings() const
{
    ProjectSettings s;
    s.AppName = txtAppName->text();
    s.AppParam = txtAppParam->text();
    s.SPsize = txtSPsize->text();
    s.UseNetwork = checkValue(chkUseNetwork, QStringLiteral("http"));
    s.UseBrowser = checkValue(chkUseBrowser, QStringLiteral("launch"));
    s.TargetDevice = txtTargetDevice->text();
    s.DrawArea = txtDrawArea->text();
    s.AppTrace = checkValue(chkAppTrace, QStringLiteral("On"));
    s.TargetProfile = cboTargetProfile->currentData().toString();
    s.Shrink = checkValue(chkShrink, QStringLiteral("On"));
    s.AppClass = m_appClass;
    s.extraLines = parseExtraLines(txtExtraLines->toPlainText());
    return s;
}

void ProjectSettingsDialog::showProblem()
{
    const QString problem = projectSettingsProblem(settings());
    lblProblem->setText(problem);
    cmdOK->setEnabled(problem.isEmpty());
}

// In the extra lines Enter makes a new line, as in any text box; Ctrl+Enter
// is OK there.
bool ProjectSettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtExtraLines && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isEnterKey(key) && key->modifiers().testFlag(Qt::ControlModifier)) {
            if (cmdOK->isEnabled())
                cmdOK->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
