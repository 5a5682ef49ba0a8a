#pragma once

#include <unknwn.h>

// Holds one reference to a component object and releases it when it goes.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    // For functions that hand out a new reference through a T**.
    T** Receive() {
        Reset();
        return &m_object;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
    void Reset() {
        if (m_object != nullptr) {
            m_object->Release();
            m_object = nullptr;
        }
    }

private:
    T* m_object = nullptr;
};
