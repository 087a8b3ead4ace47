#pragma once

#include "DocumentDialogs.h"

#include <QStringList>

// Answers the dialogs of keeping data in files as a test has written in its script, and
// records what was proposed, asked and told.
class ScriptedDialogs : public pagaluz::ui::DocumentDialogs {
public:
    struct Script {
        QString saveName; // the answer to the name to save into; empty: cancelled
        QString openName; // the answer to the file to open; empty: cancelled
        UnsavedChoice unsaved = UnsavedChoice::Cancel;
        QString proposed;  // the name last proposed for saving
        QStringList asked; // the questions about unsaved changes
        QStringList told;  // the failures told: the text, a line break and the reason
    };

    explicit ScriptedDialogs(Script &script) : m_script(script) {}

    QString askSaveFileName(QWidget &, const QString &proposed) override
    {
        m_script.proposed = proposed;
        return m_script.saveName;
    }
    QString askOpenFileName(QWidget &, const QString &) override { return m_script.openName; }
    UnsavedChoice askAboutUnsavedChanges(QWidget &, const QString &question) override
    {
        m_script.asked << question;
        return m_script.unsaved;
    }
    void tellFailure(QWidget &, const QString &, const QString &text,
                     const QString &reason) override
    {
        m_script.told << text + QLatin1Char('\n') + reason;
    }

private:
    Script &m_script;
};
