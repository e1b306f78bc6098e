#pragma once

#include "app/source_document.h"

#include <QCursor>
#include <QGuiApplication>

// The busy pointer, nested: an action's, a save's inside it.
class BusyPointer
{
public:
    void take()
    {
        if (m_depth++ == 0)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    void give()
    {
        if (m_depth > 0 && --m_depth == 0)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    int m_depth = 0;
};

// The source file is read and written under the busy pointer; a question
// meanwhile shows the arrow.
class BusySourceDocument : public SourceDocument
{
public:
    BusySourceDocument(SourceDocument &document, BusyPointer &busy) : m_document(document), m_busy(busy) {}
    Result<std::optional<QString>> read(const QString &path) override
    {
        m_busy.take();
        Result<std::optional<QString>> text = m_document.read(path);
        m_busy.give();
        return text;
    }
    SaveOutcome save(const QString &path) override
    {
        m_busy.take();
        const SaveOutcome saved = m_document.save(path);
        m_busy.give();
        return saved;
    }
    QStringList changedOtherFiles() const override { return m_document.changedOtherFiles(); }
    SaveOutcome saveOther(const QString &path) override
    {
        m_busy.take();
        const SaveOutcome saved = m_document.saveOther(path);
        m_busy.give();
        return saved;
    }

private:
    SourceDocument &m_document;
    BusyPointer &m_busy;
};
