#pragma once

#include <QString>

class QWidget;

namespace vesk4 {

// The editor's message boxes, behind an interface so a test can see each message and answer each
// question without a modal dialog.
// The answers to the question whether to save changes before they would be lost.
enum class SaveChoice { Save, Discard, Cancel };
// The answers to the question whether to restore a recovery copy; Later keeps it for the next start.
enum class RestoreChoice { Restore, Discard, Later };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An OK box.
    virtual void inform(QWidget *parent, const QString &caption, const QString &text) = 0;
    // A Yes/No box; true for Yes.
    virtual bool ask(QWidget *parent, const QString &caption, const QString &text) = 0;
    // A box with the answers save, discard and cancel.
    virtual SaveChoice askToSave(QWidget *parent, const QString &caption, const QString &text) = 0;
    // A box with the answers restore, discard and later.
    virtual RestoreChoice askToRestore(QWidget *parent, const QString &caption, const QString &text) = 0;
};

// The real boxes: QMessageBox, modal to the parent.
class QtMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget *parent, const QString &caption, const QString &text) override;
    bool ask(QWidget *parent, const QString &caption, const QString &text) override;
    SaveChoice askToSave(QWidget *parent, const QString &caption, const QString &text) override;
    RestoreChoice askToRestore(QWidget *parent, const QString &caption, const QString &text) override;
};

} // namespace vesk4
