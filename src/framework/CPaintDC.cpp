#include "framework/CPaintDC.h"

#include "framework/CWnd.h"
#include "framework/WindowSystem.h"

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr) {
    m_hDC = fw::ws::BeginPaintOn(m_hWnd, &m_rcPaint);
}

CPaintDC::~CPaintDC() {
    if (m_hDC) fw::ws::EndPaintOn(m_hWnd, m_hDC);
}
