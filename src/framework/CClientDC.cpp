#include "framework/CClientDC.h"

#include "framework/CWnd.h"
#include "framework/WindowSystem.h"

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr) {
    m_hDC = fw::ws::WindowDC(m_hWnd);
}

CClientDC::~CClientDC() {
    if (m_hDC) fw::ws::ReleaseWindowDC(m_hWnd, m_hDC);
}
