#pragma once

#include <QString>

namespace vesk4 {

class MessageBoxes;

// What the file dialogs need from the window they serve, and all they may reach: the three file
// operations, the name the save dialog starts with, the message boxes and the window's title.
class FileActions {
public:
    virtual ~FileActions() = default;

    // Each reports a failure in a message box and returns false; a failed open leaves the document
    // as it was, a failed save or export any old file.
    virtual bool openProjectFile(const QString &path) = 0;
    virtual bool saveProjectFile(const QString &path) = 0;
    virtual bool exportIncludeFile(const QString &path) = 0;

    // The name (without folder) of the project last saved or opened.
    virtual QString projectFileName() const = 0;
    virtual void setProjectFileName(const QString &name) = 0;

    virtual MessageBoxes &messageBoxes() const = 0;
    // The window's title, the caption of the messages that are not about saving or opening.
    virtual QString title() const = 0;
};

} // namespace vesk4
