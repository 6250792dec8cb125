#include "document/edit_history.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <utility>

namespace vesk4 {

namespace {

// The number field of a setting other than the name; D is Document or const Document.
template <class D> auto &numberSetting(D &doc, int page, PageSetting setting)
{
    switch (setting) {
    case PageSetting::PatternWidth:
        return doc.pages[page].patternWidth;
    case PageSetting::PatternHeight:
        return doc.pages[page].patternHeight;
    case PageSetting::PatternCount:
        return doc.pages[page].patternCount;
    case PageSetting::OutputFlag:
        return doc.pages[page].outputFlag;
    default:
        return doc.pages[page].colourMode;
    }
}

const char *settingText(PageSetting setting)
{
    switch (setting) {
    case PageSetting::Name:
        return QT_TRANSLATE_NOOP("EditStep", "Name");
    case PageSetting::PatternWidth:
        return QT_TRANSLATE_NOOP("EditStep", "Size X");
    case PageSetting::PatternHeight:
        return QT_TRANSLATE_NOOP("EditStep", "Size Y");
    case PageSetting::PatternCount:
        return QT_TRANSLATE_NOOP("EditStep", "Pattern count");
    case PageSetting::OutputFlag:
        return QT_TRANSLATE_NOOP("EditStep", "Data output");
    default:
        return QT_TRANSLATE_NOOP("EditStep", "Colour mode");
    }
}

// Cells an edit wrote. The edit has already happened when the step is pushed, so the first redo
// does nothing.
class CellEdit : public QUndoCommand {
public:
    CellEdit(EditHistory &history, const QString &text, std::vector<CellChange> changes)
        : QUndoCommand(text), history_(history), changes_(std::move(changes))
    {
        changes_.shrink_to_fit();
    }

    void undo() override
    {
        restoreBefore(history_.document().PixelData, changes_);
        history_.stepApplied({changes_.front().page, true});
    }
    void redo() override
    {
        if (std::exchange(done_, false))
            return;
        restoreAfter(history_.document().PixelData, changes_);
        history_.stepApplied({changes_.back().page, true});
    }

private:
    EditHistory &history_;
    std::vector<CellChange> changes_;
    bool done_ = true;
};

// One page setting changed from one value to another.
class SettingEdit : public QUndoCommand {
public:
    // Only name edits merge: typing a name is one step, however many keys it took.
    static constexpr int kNameMergeId = 1;

    SettingEdit(EditHistory &history, int page, PageSetting setting, SettingValue before, SettingValue after)
        : QUndoCommand(QCoreApplication::translate("EditStep", settingText(setting))), history_(history),
          page_(page), setting_(setting), before_(std::move(before)), after_(std::move(after))
    {
    }

    int id() const override { return setting_ == PageSetting::Name ? kNameMergeId : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SettingEdit *>(other);
        if (next->page_ != page_)
            return false;
        after_ = next->after_;
        setObsolete(after_ == before_);
        return true;
    }

    void undo() override { apply(before_); }
    void redo() override
    {
        // The first redo is the edit itself; the window shows it already.
        if (std::exchange(first_, false))
            setPageSetting(history_.document(), page_, setting_, after_);
        else
            apply(after_);
    }

private:
    void apply(const SettingValue &value)
    {
        setPageSetting(history_.document(), page_, setting_, value);
        history_.stepApplied({page_, false});
    }

    EditHistory &history_;
    int page_;
    PageSetting setting_;
    SettingValue before_;
    SettingValue after_;
    bool first_ = true;
};

} // namespace

SettingValue pageSetting(const Document &doc, int page, PageSetting setting)
{
    if (setting == PageSetting::Name)
        return doc.pages[page].name;
    return numberSetting(doc, page, setting);
}

void setPageSetting(Document &doc, int page, PageSetting setting, const SettingValue &value)
{
    if (setting == PageSetting::Name)
        doc.pages[page].name = std::get<QString>(value);
    else
        numberSetting(doc, page, setting) = std::get<int16_t>(value);
}

EditHistory::EditHistory(Document &doc) : doc_(doc)
{
    stack_.setUndoLimit(kUndoLimit);
}

bool EditHistory::commitCells(const QString &text)
{
    if (pending_.empty())
        return false;
    stack_.push(new CellEdit(*this, text, pending_.take()));
    return true;
}

bool EditHistory::changeSetting(int page, PageSetting setting, const SettingValue &value)
{
    if (page < 0 || page >= kPageCount)
        return false;
    SettingValue before = pageSetting(doc_, page, setting);
    if (before == value)
        return false;
    stack_.push(new SettingEdit(*this, page, setting, std::move(before), value));
    return true;
}

void EditHistory::stepApplied(const AppliedStep &step)
{
    if (notify_)
        notify_(step);
}

void EditHistory::undo()
{
    commitCells(QString());
    stack_.undo();
}

void EditHistory::redo()
{
    commitCells(QString());
    stack_.redo();
}

void EditHistory::markSaved()
{
    commitCells(QString());
    unsaved_ = false;
    stack_.setClean();
}

void EditHistory::clear()
{
    pending_.take();
    unsaved_ = false;
    stack_.clear();
}

void EditHistory::clearUnsaved()
{
    clear();
    unsaved_ = true;
}

} // namespace vesk4
