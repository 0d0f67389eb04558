// Keeps the recording module loaded for a test and reads its record (both targets).
#pragma once

#include <string>
#include <vector>

#include "modules/recording/RecordingApi.h"
#include "platform/win32api.h"

class RecordingClient {
public:
    static constexpr const char* fileName = "TVRECORD.dll";

    RecordingClient() : m_module(::LoadLibraryA(fileName))
    {
        if (m_module) Function<RecResetFn>("REC_Reset")();
    }
    ~RecordingClient()
    {
        if (m_module) ::FreeLibrary(m_module);
    }
    RecordingClient(const RecordingClient&) = delete;
    RecordingClient& operator=(const RecordingClient&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    void Reset() { Function<RecResetFn>("REC_Reset")(); }
    void SetTableSize(int size) { Function<RecSetIntFn>("REC_SetTableSize")(size); }
    void SetProfileResult(int result) { Function<RecSetIntFn>("REC_SetProfileResult")(result); }
    void SetProfileTableBytes(int bytes) { Function<RecSetIntFn>("REC_SetProfileTableBytes")(bytes); }

    std::vector<recording::Call> Calls()
    {
        std::vector<recording::Call> calls(Function<RecCallCountFn>("REC_CallCount")());
        for (size_t i = 0; i < calls.size(); ++i) Function<RecGetCallFn>("REC_GetCall")(static_cast<int>(i), &calls[i]);
        return calls;
    }
    std::vector<std::string> FunctionNames()
    {
        std::vector<std::string> names;
        for (const recording::Call& call : Calls()) names.push_back(call.function);
        return names;
    }

private:
    template <typename Fn>
    Fn Function(const char* name)
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(m_module, name)));
    }

    HMODULE m_module;
};
