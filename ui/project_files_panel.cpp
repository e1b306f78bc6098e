#include "ui/project_files_panel.h"

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

ProjectFilesPanel::ProjectFilesPanel(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ProjectFiles"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (const QString path = item->data(0, kPathRole).toString(); !path.isEmpty())
            Q_EMIT sourceChosen(path);
    });
}

void ProjectFilesPanel::showFiles(const QList<ProjectFile> &sources, const QList<ProjectFile> &resources,
                                  const QString &mainSource)
{
    clear();
    m_sources = new QTreeWidgetItem(this, {QStringLiteral("src")});
    for (const ProjectFile &file : sources) {
        auto *item = new QTreeWidgetItem(m_sources, {file.path});
        item->setData(0, kPathRole, file.path);
        if (file.path == mainSource) {
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
        }
    }
    auto *res = new QTreeWidgetItem(this, {QStringLiteral("res")});
    for (const ProjectFile &file : resources)
        new QTreeWidgetItem(res, {QStringLiteral("%1 (%2 バイト)").arg(file.path).arg(file.size)});
    expandAll();
}

void ProjectFilesPanel::setModified(const QString &relative, bool modified)
{
    for (int i = 0; m_sources && i < m_sources->childCount(); ++i) {
        QTreeWidgetItem *item = m_sources->child(i);
        if (item->data(0, kPathRole).toString() == relative)
            item->setText(0, modified ? relative + QStringLiteral(" *") : relative);
    }
}
