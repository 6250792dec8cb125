#pragma once

#include "document/cell_changes.h"
#include "document/document.h"

#include <QString>
#include <QUndoStack>

#include <functional>
#include <variant>

namespace vesk4 {

// The settings a page carries in the project file, each edited on its own.
enum class PageSetting { Name, PatternWidth, PatternHeight, PatternCount, OutputFlag, ColourMode };

// A page name, or the number of any other setting.
using SettingValue = std::variant<int16_t, QString>;

SettingValue pageSetting(const Document &doc, int page, PageSetting setting);
void setPageSetting(Document &doc, int page, PageSetting setting, const SettingValue &value);

// What an undo or redo changed, so that the window can show it.
struct AppliedStep {
    int page = 0; // the page the step belongs to
    bool cells = false; // cells changed; otherwise a page setting
};

// The edit history of one document: every change of what a save writes is one step on a
// QUndoStack. A step keeps only what it changed: the cells written, with their old and new values,
// or the old and new value of one page setting.
//
// The tools write cells through cellChanges(); commitCells() turns what they wrote since the last
// commit into one step, so a pen stroke from press to release, a lift or a paste is one step and
// an edit that changed nothing adds none.
class EditHistory {
public:
    static constexpr int kUndoLimit = 1000;

    explicit EditHistory(Document &doc);

    QUndoStack &stack() { return stack_; }
    const QUndoStack &stack() const { return stack_; }

    // The journal the tools write cells through until the next commit.
    CellChanges &cellChanges() { return pending_; }
    // Makes the cells written since the last commit one step named text; true when there were any.
    bool commitCells(const QString &text);

    // Sets a setting of a page as one step; false, and no step, when it already has that value.
    // Consecutive name edits of one page are one step.
    bool changeSetting(int page, PageSetting setting, const SettingValue &value);

    // Undo and redo take pending cell writes in as a step first, so none is lost or undone twice.
    void undo();
    void redo();

    // Whether the document differs from the last save or open.
    bool isModified() const { return unsaved_ || !pending_.empty() || !stack_.isClean(); }
    // The document was saved: the current step is the saved state.
    void markSaved();
    // A document was opened: no history, and it is the saved state.
    void clear();
    // A document came from something other than a project file: no history, and it stays unsaved
    // until it is saved, whatever is undone.
    void clearUnsaved();

    // Called after an undo or redo changed the document.
    void setStepApplied(std::function<void(const AppliedStep &)> notify) { notify_ = std::move(notify); }
    void stepApplied(const AppliedStep &step);

    Document &document() { return doc_; }

private:
    Document &doc_;
    QUndoStack stack_;
    CellChanges pending_;
    std::function<void(const AppliedStep &)> notify_;
    bool unsaved_ = false;
};

} // namespace vesk4
