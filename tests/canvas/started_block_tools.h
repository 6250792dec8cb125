// The block tools over the document and state the editor starts with, for the core tests.
#pragma once

#include "canvas/block_tools.h"
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

    Document doc;
    EditorState state;
    CanvasRenderer renderer{started(doc, state)};
    BlockTools tools{doc, state, renderer};
};

} // namespace vesk4
