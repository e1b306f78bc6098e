#include "ui/project_files_panel.h"

#include <QHash>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

ProjectFilesPanel::ProjectFilesPanel(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ProjectFiles"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIndentation(12);
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
    // Files in a package folder under one item named as the package.
    QHash<QString, QTreeWidgetItem *> packages;
    for (const ProjectFile &file : sources) {
        const QString folder = file.path.section(QLatin1Char('/'), 0, -2);
        QTreeWidgetItem *parent = m_sources;
        if (!folder.isEmpty()) {
            QTreeWidgetItem *&package = packages[folder];
            if (!package)
                package = new QTreeWidgetItem(m_sources, {QString(folder).replace(QLatin1Char('/'), QLatin1Char('.'))});
            parent = package;
        }
        auto *item = new QTreeWidgetItem(parent, {file.path.section(QLatin1Char('/'), -1)});
        item->setToolTip(0, file.path);
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
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->data(0, kPathRole).toString() != relative)
            continue;
        const QString name = relative.section(QLatin1Char('/'), -1);
        (*it)->setText(0, modified ? name + QStringLiteral(" *") : name);
    }
}
