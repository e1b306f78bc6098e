#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;
class QCheckBox;
struct SearchedText;

// Search > Find in files (Ctrl+Shift+F): every source of the project, each
// as its editor holds it when open; a hit, chosen, opens its file at its line.
class FindInFiles : public QDialog
{
    Q_OBJECT
public:
    // texts gives the project's sources at the moment of the search.
    FindInFiles(const std::function<QList<SearchedText>()> &texts, QWidget *parent);

    void search();

Q_SIGNALS:
    void hitChosen(const QString &file, int line);

private:
    std::function<QList<SearchedText>()> m_texts;
    QLineEdit *m_what = nullptr;
    QCheckBox *m_case = nullptr;
    QListWidget *m_hits = nullptr;
};
