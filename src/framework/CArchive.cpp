#include "framework/CArchive.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "framework/CFile.h"

namespace {

template <typename T>
void ToLittleEndian(T value, uint8_t* out)
{
    for (size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

template <typename T>
T FromLittleEndian(const uint8_t* in)
{
    T value = 0;
    for (size_t i = 0; i < sizeof(T); ++i) value = static_cast<T>(value | (static_cast<T>(in[i]) << (8 * i)));
    return value;
}

}  // namespace

CArchive::CArchive(CFile* file, unsigned mode, int bufferSize)
    : m_file(file), m_loading((mode & load) != 0),
      m_buffer(static_cast<size_t>(std::max(bufferSize, 16)))
{
}

CArchive::~CArchive()
{
    if (!m_closed && !m_loading) {
        try {
            Flush();
        } catch (...) {
            // A destructor cannot report; callers that care call Close().
        }
    }
}

void CArchive::Write(const void* data, unsigned count)
{
    if (m_closed || m_file == nullptr) throw CArchiveException(CArchiveException::genericException);
    if (m_loading) throw CArchiveException(CArchiveException::readOnly);
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (count > 0) {
        if (m_bufferUsed == m_buffer.size()) Flush();
        size_t chunk = std::min<size_t>(count, m_buffer.size() - m_bufferUsed);
        std::memcpy(m_buffer.data() + m_bufferUsed, bytes, chunk);
        m_bufferUsed += chunk;
        bytes += chunk;
        count -= static_cast<unsigned>(chunk);
    }
}

unsigned CArchive::Read(void* data, unsigned count)
{
    if (m_closed || m_file == nullptr) throw CArchiveException(CArchiveException::genericException);
    if (!m_loading) throw CArchiveException(CArchiveException::writeOnly);
    auto* bytes = static_cast<uint8_t*>(data);
    unsigned done = 0;
    while (done < count) {
        if (m_bufferPos == m_bufferUsed) {
            m_bufferPos = 0;
            m_bufferUsed = m_file->Read(m_buffer.data(), static_cast<unsigned>(m_buffer.size()));
            if (m_bufferUsed == 0) break;
        }
        size_t chunk = std::min<size_t>(count - done, m_bufferUsed - m_bufferPos);
        std::memcpy(bytes + done, m_buffer.data() + m_bufferPos, chunk);
        m_bufferPos += chunk;
        done += static_cast<unsigned>(chunk);
    }
    return done;
}

void CArchive::ReadExact(void* data, unsigned count)
{
    if (Read(data, count) != count) throw CArchiveException(CArchiveException::endOfFile);
}

void CArchive::Flush()
{
    if (m_loading || m_closed || m_file == nullptr || m_bufferUsed == 0) return;
    size_t used = m_bufferUsed;
    m_bufferUsed = 0;  // a failed write is not retried by the destructor
    m_file->Write(m_buffer.data(), static_cast<unsigned>(used));
}

void CArchive::Close()
{
    if (m_closed) return;
    Flush();
    m_closed = true;
}

void CArchive::Abort()
{
    m_bufferUsed = 0;
    m_bufferPos = 0;
    m_closed = true;
}

CArchive& CArchive::operator<<(int32_t v)
{
    return *this << static_cast<uint32_t>(v);
}

CArchive& CArchive::operator<<(uint32_t v)
{
    uint8_t bytes[4];
    ToLittleEndian(v, bytes);
    Write(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(uint16_t v)
{
    uint8_t bytes[2];
    ToLittleEndian(v, bytes);
    Write(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    uint8_t bytes[8];
    ToLittleEndian(bits, bytes);
    Write(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator>>(int32_t& v)
{
    uint32_t u;
    *this >> u;
    v = static_cast<int32_t>(u);
    return *this;
}

CArchive& CArchive::operator>>(uint32_t& v)
{
    uint8_t bytes[4];
    ReadExact(bytes, sizeof bytes);
    v = FromLittleEndian<uint32_t>(bytes);
    return *this;
}

CArchive& CArchive::operator>>(uint16_t& v)
{
    uint8_t bytes[2];
    ReadExact(bytes, sizeof bytes);
    v = FromLittleEndian<uint16_t>(bytes);
    return *this;
}

CArchive& CArchive::operator>>(double& v)
{
    uint8_t bytes[8];
    ReadExact(bytes, sizeof bytes);
    uint64_t bits = FromLittleEndian<uint64_t>(bytes);
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}

void CArchive::WriteObject(const CObject* object)
{
    if (m_loading) throw CArchiveException(CArchiveException::readOnly);
    if (object == nullptr) {
        *this << nullTag;
        return;
    }
    const CRuntimeClass* cls = object->GetRuntimeClass();
    // Refuse before writing anything: a class that cannot be read back must not leave a header.
    size_t nameLength = std::strlen(cls->className);
    if (cls->schema == 0xFFFF || cls->createObject == nullptr || nameLength == 0 || nameLength > 0xFFFE) {
        throw CArchiveException(CArchiveException::badClass);
    }
    *this << newClassTag << cls->schema << static_cast<uint16_t>(nameLength);
    Write(cls->className, static_cast<unsigned>(nameLength));
    // Serialize is shared by loading and storing; storing leaves the object unchanged.
    const_cast<CObject*>(object)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected)
{
    if (!m_loading) throw CArchiveException(CArchiveException::writeOnly);
    uint16_t tag;
    *this >> tag;
    if (tag == nullTag) return nullptr;
    if (tag != newClassTag) throw CArchiveException(CArchiveException::badIndex);

    uint16_t schema;
    uint16_t nameLength;
    *this >> schema >> nameLength;
    std::string name(nameLength, '\0');
    ReadExact(name.data(), nameLength);

    const CRuntimeClass* cls = CRuntimeClass::FromName(name.data(), nameLength);
    if (cls == nullptr || cls->createObject == nullptr) throw CArchiveException(CArchiveException::badClass);
    if (cls->schema != schema) throw CArchiveException(CArchiveException::badSchema);
    if (expected != nullptr && !cls->IsDerivedFrom(expected)) throw CArchiveException(CArchiveException::badClass);

    std::unique_ptr<CObject> object(cls->CreateObject());
    if (!object) throw CArchiveException(CArchiveException::badClass);
    object->Serialize(*this);  // on a throw the half-read object is deleted here
    return object.release();
}
