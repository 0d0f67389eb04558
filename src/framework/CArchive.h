// Archive of single objects over a CFile: little-endian values and the class header
// (new-class tag 0xFFFF, schema, name length, name) in front of each object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/CObject.h"

class CFile;

// Thrown when an archive cannot be read or written as asked.
class CArchiveException {
public:
    enum Cause { none = 0, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(int c) : m_cause(c) {}
    int m_cause;
};

class CArchive {
public:
    enum Mode { store = 0, load = 1 };
    static constexpr uint16_t nullTag = 0x0000;
    static constexpr uint16_t newClassTag = 0xFFFF;

    CArchive(CFile* file, unsigned mode, int bufferSize = 4096);
    ~CArchive();  // a storing archive that was not closed is flushed; errors are dropped
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return !m_loading; }
    bool IsLoading() const { return m_loading; }

    void Write(const void* data, unsigned count);
    // Reads up to count bytes; returns how many were read (fewer only at the end of the file).
    unsigned Read(void* data, unsigned count);
    void Flush();
    void Close();
    void Abort();

    CArchive& operator<<(int32_t v);
    CArchive& operator<<(uint32_t v);
    CArchive& operator<<(uint16_t v);
    CArchive& operator<<(double v);
    CArchive& operator>>(int32_t& v);
    CArchive& operator>>(uint32_t& v);
    CArchive& operator>>(uint16_t& v);
    CArchive& operator>>(double& v);

    // Writes the null tag for null, otherwise the class header and the object's Serialize.
    void WriteObject(const CObject* object);
    // Reads one object; null for the null tag. Throws CArchiveException(badClass/badSchema)
    // when the file names another class or schema, endOfFile when it is truncated.
    CObject* ReadObject(const CRuntimeClass* expected);

private:
    void ReadExact(void* data, unsigned count);  // throws endOfFile when short

    CFile* m_file;
    bool m_loading;
    bool m_closed = false;
    std::vector<uint8_t> m_buffer;
    size_t m_bufferUsed = 0;   // storing: bytes waiting; loading: bytes available
    size_t m_bufferPos = 0;    // loading: next byte
};
