#include "ReadSwap.h"

#include <cstdio>
#include <fstream>
#include <iterator>

ReadSwap& ReadSwap::Instance()
{
    static ReadSwap swap;
    return swap;
}

void ReadSwap::Set(const std::string& hostPath, const std::string& replacementHost, uint32_t reads)
{
    m_path = reads == 0 ? std::string() : hostPath;
    m_replacement = replacementHost;
    m_left = reads;
}

void ReadSwap::Read(const std::string& hostPath)
{
    if (m_path.empty() || hostPath != m_path || --m_left > 0) return;
    const std::string path = m_path;
    m_path.clear();
    std::ifstream in(m_replacement, std::ios::binary);
    if (!in) return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A new file renamed over the old one, as a copy over a share arrives: handles still open
    // keep reading what they opened.
    const std::string temporary = path + ".~swap";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return;
    }
    std::rename(temporary.c_str(), path.c_str());
}
