// Framework string array: a growable array of narrow strings.
#pragma once

#include <string>
#include <vector>

class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    const std::string& GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    void SetAt(int index, const std::string& s) { m_items.at(static_cast<size_t>(index)) = s; }
    std::string& operator[](int index) { return m_items.at(static_cast<size_t>(index)); }
    const std::string& operator[](int index) const { return GetAt(index); }
    int Add(const std::string& s) { m_items.push_back(s); return GetSize() - 1; }
    int Append(const CStringArray& other) {
        int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void InsertAt(int index, const std::string& s) { m_items.insert(m_items.begin() + index, s); }
    void RemoveAt(int index) { m_items.erase(m_items.begin() + index); }
    void RemoveAll() { m_items.clear(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<std::string> m_items;
};
