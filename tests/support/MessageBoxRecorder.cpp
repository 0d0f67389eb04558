#include "support/MessageBoxRecorder.h"

MessageBoxRecorder::MessageBoxRecorder()
    : m_previous(fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) { return Answer(request); })) {}

MessageBoxRecorder::~MessageBoxRecorder() { fw::SetMessageBoxHook(std::move(m_previous)); }

void MessageBoxRecorder::QueueAnswer(int buttonId) { m_answers.push_back(buttonId); }

int MessageBoxRecorder::Answer(const fw::MessageBoxRequest& request) {
    int answer = fw::FirstButton(request.style);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_boxes.push_back(Box{request.owner, request.text, request.caption, request.style, request.applicationBox, answer});
    return answer;
}
