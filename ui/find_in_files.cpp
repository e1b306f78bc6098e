#include "ui/find_in_files.h"

#include "app/project_files.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kFileRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;

} // namespace

FindInFiles::FindInFiles(const std::function<QList<SearchedText>()> &texts, QWidget *parent)
    : QDialog(parent)
    , m_texts(texts)
{
    setObjectName(QStringLiteral("FindInFiles"));
    setWindowTitle(QStringLiteral("ファイルから検索"));
    m_what = new QLineEdit(this);
    m_what->setObjectName(QStringLiteral("txtFindInFiles"));
    m_case = new QCheckBox(QStringLiteral("大文字と小文字を区別する(&C)"), this);
    auto *find = new QPushButton(QStringLiteral("検索(&S)"), this);
    find->setDefault(true);
    m_hits = new QListWidget(this);
    m_hits->setObjectName(QStringLiteral("lstFindInFiles"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_what, 1);
    row->addWidget(find);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_case);
    layout->addWidget(m_hits, 1);
    resize(560, 320);
    connect(find, &QPushButton::clicked, this, &FindInFiles::search);
    connect(m_hits, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        Q_EMIT hitChosen(item->data(kFileRole).toString(), item->data(kLineRole).toInt());
    });
}

void FindInFiles::search()
{
    m_hits->clear();
    const Qt::CaseSensitivity sensitivity = m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QList<FileHit> hits = findInTexts(m_texts(), m_what->text(), sensitivity);
    for (const FileHit &hit : hits) {
        auto *item = new QListWidgetItem(QStringLiteral("%1(%2): %3").arg(hit.file).arg(hit.line).arg(hit.text.trimmed()), m_hits);
        item->setData(kFileRole, hit.file);
        item->setData(kLineRole, hit.line);
    }
    if (hits.isEmpty())
        new QListWidgetItem(QStringLiteral("見つかりませんでした。"), m_hits);
    else
        m_hits->setCurrentRow(0);
}
