// Base of everything a HANDLE of the platform layer stands for.
#pragma once

class HandleObject {
public:
    virtual ~HandleObject() = default;
};
