#include "canvas/canvas_tools.h"

namespace vesk4 {

CanvasTools::CanvasTools(Document &doc, EditorState &state, CanvasRenderer &renderer)
    : state_(state), pen_(doc, state, renderer), block_(doc, state, renderer),
      line_(Shape::Line, doc, state, renderer), rectangle_(Shape::Rectangle, doc, state, renderer),
      filledRectangle_(Shape::FilledRectangle, doc, state, renderer), fill_(doc, state, renderer)
{
}

CanvasTool &CanvasTools::current()
{
    switch (state_.toolMode) {
    case ToolMode::Pen:
        return pen_;
    case ToolMode::Range:
    case ToolMode::Floating:
        return block_;
    case ToolMode::Line:
        return line_;
    case ToolMode::Rectangle:
        return rectangle_;
    case ToolMode::FilledRectangle:
        return filledRectangle_;
    case ToolMode::Fill:
        return fill_;
    default:
        return none_;
    }
}

void CanvasTools::setJournal(CellChanges *journal)
{
    pen_.setJournal(journal);
    block_.setJournal(journal);
    line_.setJournal(journal);
    rectangle_.setJournal(journal);
    filledRectangle_.setJournal(journal);
    fill_.setJournal(journal);
}

} // namespace vesk4
