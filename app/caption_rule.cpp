#include "app/caption_rule.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace {

std::optional<QString> textForWholeNumber(const QString &design, UiLanguage language)
{
    bool ok = false;
    const int id = design.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return captionText(id, language);
}

QString tagOf(const QObject *object)
{
    return object->property("tag").toString();
}

void applyToControl(QWidget *control, UiLanguage language)
{
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (const auto text = textForWholeNumber(tagOf(label), language))
            label->setText(*text);
        return;
    }
    const int captionId = leadingNumber(tagOf(control));
    if (captionId > 0) {
        if (const auto text = captionText(captionId, language)) {
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->setText(*text);
        }
    }
    const int tipId = leadingNumber(control->toolTip());
    if (tipId > 0) {
        if (const auto tip = captionText(tipId, language))
            control->setToolTip(*tip);
    }
}

void applyToMenuItems(QWidget *window, UiLanguage language)
{
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->isSeparator())
            continue;
        if (const auto text = textForWholeNumber(action->text(), language))
            action->setText(*text);
    }
}

} // namespace

int leadingNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && trimmed[end].isDigit() && trimmed[end].unicode() < 128)
        ++end;
    return end == 0 ? 0 : trimmed.left(qMin<qsizetype>(end, 9)).toInt();
}

void SetCaptionsFromResources(QWidget *window, UiLanguage language)
{
    if (const auto title = textForWholeNumber(tagOf(window), language))
        window->setWindowTitle(*title);
    // The table holds no font (ids 20 and 21), so every control keeps the
    // design font it has.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!qobject_cast<QMenu *>(control))
            applyToControl(control, language);
    }
    applyToMenuItems(window, language);
}
