#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class Registry;
class SysInfoHost;

// The program's own version, shown in the about box.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
ProgramVersion programVersion();
// "ﾊﾞｰｼﾞｮﾝ 1.0.0"
QString aboutVersionText(const ProgramVersion &version);

// The version dialog, shown modal over the main window.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    // With the registry and desktop that the system-information button uses.
    frmAbout(const Registry &registry, SysInfoHost &host, QWidget *parent = nullptr);
    ~frmAbout() override;

    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void Form_Load();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

    std::unique_ptr<Registry> m_ownRegistry;
    std::unique_ptr<SysInfoHost> m_ownHost;
    const Registry *m_registry = nullptr;
    SysInfoHost *m_host = nullptr;
};
