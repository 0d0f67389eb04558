// Takes over every message box for its lifetime (both targets): records each box and answers it
// without showing anything.
//
//   MessageBoxRecorder boxes;           // installs the hook; the destructor restores the old one
//   boxes.QueueAnswer(IDNO);            // answers, used in order; then the box's first button
//   ... code that shows boxes ...
//   ASSERT_EQ(boxes.Count(), 1u);
//   EXPECT_EQ(boxes.Last().caption, "...");
//
// Only one recorder should be alive at a time (the innermost one gets the boxes).
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "framework/MessageBox.h"

class MessageBoxRecorder {
public:
    struct Box {
        HWND owner;            // null when the box has no owner window
        std::string text;
        std::string caption;
        UINT style;
        bool applicationBox;   // the framework's own box (no owner, default caption)
        int answer;            // the button id it was answered with
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The next box is answered with buttonId (IDOK, IDCANCEL, IDYES, IDNO ...).
    void QueueAnswer(int buttonId);

    const std::vector<Box>& Boxes() const { return m_boxes; }
    std::size_t Count() const { return m_boxes.size(); }
    const Box& Last() const { return m_boxes.back(); }  // only when Count() > 0
    void Clear() { m_boxes.clear(); }

private:
    int Answer(const fw::MessageBoxRequest& request);

    std::vector<Box> m_boxes;
    std::deque<int> m_answers;
    fw::MessageBoxHook m_previous;
};
