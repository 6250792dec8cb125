// The block tools over the document and state the editor starts with, for the core tests.
#pragma once

#include "canvas/block_tools.h"
#include "canvas/mouse_buttons.h"
#include "document/page_state.h"

#include <gtest/gtest.h>

namespace vesk4 {

class StartedBlockTools : public ::testing::Test {
protected:
    static const EditorState &started(Document &d, EditorState &s)
    {
        startDocument(d, s);
        return s;
    }

    // The range tool, a left drag from view grid point (c0, r0) to (c1, r1), released there.
    void selectRange(int c0, int r0, int c1, int r1)
    {
        tools.toolButtonClicked(ToolButtons::kRange);
        tools.press(toolPointer(state, 8.0 * c0 + 4, 10.0 * r0 + 4), kLeftButton);
        tools.move(toolPointer(state, 8.0 * c1 + 4, 10.0 * r1 + 4), kLeftButton);
        tools.release(toolPointer(state, 8.0 * c1 + 4, 10.0 * r1 + 4), kLeftButton);
    }

    Document doc;
    EditorState state;
    CanvasRenderer renderer{started(doc, state)};
    BlockTools tools{doc, state, renderer};
};

} // namespace vesk4
