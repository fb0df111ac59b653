#pragma once
// A pointer member that is const when its owner is: a const list head or node hands out only const nodes, and
// const record tables only const records. It cannot be copied out of a const owner either, as that would hand
// out a writable copy.

namespace vorlane {

template <class T> class DeepConstPtr {
public:
    constexpr DeepConstPtr() = default;
    // Implicit, as list code links nodes by assigning plain pointers.
    constexpr DeepConstPtr(T* pointer) : m_pointer(pointer) {}
    constexpr DeepConstPtr(DeepConstPtr& other) = default;
    constexpr DeepConstPtr(DeepConstPtr&& other) = default;
    DeepConstPtr(const DeepConstPtr&) = delete;
    constexpr DeepConstPtr& operator=(DeepConstPtr& other) = default;
    constexpr DeepConstPtr& operator=(DeepConstPtr&& other) = default;
    DeepConstPtr& operator=(const DeepConstPtr&) = delete;

    constexpr T* get() { return m_pointer; }
    constexpr const T* get() const { return m_pointer; }
    constexpr operator T*() { return m_pointer; }
    constexpr operator const T*() const { return m_pointer; }
    constexpr T* operator->() { return m_pointer; }
    constexpr const T* operator->() const { return m_pointer; }
    constexpr T& operator*() { return *m_pointer; }
    constexpr const T& operator*() const { return *m_pointer; }

private:
    T* m_pointer = nullptr;
};

} // namespace vorlane
